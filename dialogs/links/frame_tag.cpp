#include "dialogs/links/frame_tag.h"

using namespace Qt::StringLiterals;

TagTexts frameTag(const FrameOptions &o)
{
    QString start = u"<FRAME SRC=\""_s + o.source + u'"';
    if (o.name)
        start += u" NAME=\""_s + o.nameValue + u'"';
    if (o.margin) {
        if (!o.marginWidth.isEmpty())
            start += u" MARGINWIDTH=\""_s + o.marginWidth + u'"';
        if (!o.marginHeight.isEmpty())
            start += u" MARGINHEIGHT=\""_s + o.marginHeight + u'"';
    }
    switch (o.scroll) {
    case FrameScroll::Unset:
        break;
    case FrameScroll::Auto:
        start += u" SCROLLING=\"auto\""_s;
        break;
    case FrameScroll::Yes:
        start += u" SCROLLING=\"yes\""_s;
        break;
    case FrameScroll::No:
        start += u" SCROLLING=\"no\""_s;
        break;
    }
    if (o.noFrameBorder)
        start += u" FRAMEBORDER=\"no\""_s;
    if (o.frameSpacing)
        start += u" FRAMESPACING=\""_s + o.frameSpacingValue + u'"';
    if (o.noResize)
        start += u" NORESIZE"_s;
    start += u'>';
    return {start, u"</FRAME>\r\n"_s};
}

Reopened<FrameOptions> reopenFrame(const TagElement &frame, FrameOptions o)
{
    TagFields fields(frame);
    o.source = fields.takeText(u"SRC");
    o.name = fields.takeInto(u"NAME", o.nameValue);
    o.margin = fields.takePair(u"MARGINWIDTH", u"MARGINHEIGHT", o.marginWidth, o.marginHeight);
    o.scroll = FrameScroll::Unset;
    if (const auto scrolling = fields.take(u"SCROLLING")) {
        if (const auto word = oneOf(*scrolling, {u"auto", u"yes", u"no"})) {
            o.scroll = *word == u"auto" ? FrameScroll::Auto : *word == u"yes" ? FrameScroll::Yes : FrameScroll::No;
        } else {
            o.scroll = FrameScroll::Auto;
            fields.cannotShow();
        }
    }
    o.noFrameBorder = fields.takeWord(u"FRAMEBORDER", u"no");
    o.frameSpacing = fields.takeInto(u"FRAMESPACING", o.frameSpacingValue);
    o.noResize = fields.takeFlag(u"NORESIZE");
    return reopenedTag(frame, o, fields);
}
