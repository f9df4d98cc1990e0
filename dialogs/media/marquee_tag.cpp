#include "dialogs/media/marquee_tag.h"

#include "dialogs/color_code.h"

using namespace Qt::StringLiterals;

namespace {

QString alignKeyword(MarqueeAlign align)
{
    switch (align) {
    case MarqueeAlign::Top:
        return u"top"_s;
    case MarqueeAlign::Middle:
        return u"middle"_s;
    case MarqueeAlign::Bottom:
        break;
    }
    return u"bottom"_s;
}

QString behaviorKeyword(MarqueeBehavior behavior)
{
    switch (behavior) {
    case MarqueeBehavior::Scroll:
        return u"scroll"_s;
    case MarqueeBehavior::Slide:
        return u"slide"_s;
    case MarqueeBehavior::Alternate:
        break;
    }
    return u"alternate"_s;
}

} // namespace

TagTexts marqueeTag(const MarqueeOptions &options)
{
    QString start = u"<MARQUEE"_s;
    if (options.align)
        start += u" ALIGN="_s + alignKeyword(options.alignValue);
    if (options.behavior)
        start += u" BEHAVIOR="_s + behaviorKeyword(options.behaviorValue);
    if (options.color)
        start += u" BGCOLOR=#"_s + ColorCode(options.colorValue);
    if (options.direction)
        start += u" DIRECTION=right"_s;
    if (options.height)
        start += u" HEIGHT="_s + options.heightValue + (options.heightPixels ? u""_s : u"%"_s);
    if (options.width)
        start += u" WIDTH="_s + options.widthValue + (options.widthPixels ? u""_s : u"%"_s);
    if (options.loop)
        start += options.infinite ? u" LOOP=INFINITE"_s : u" LOOP="_s + options.loopValue;
    if (options.scrollamount)
        start += u" SCROLLAMOUNT="_s + options.scrollamountValue;
    if (options.scrolldelay)
        start += u" SCROLLDELAY="_s + options.scrolldelayValue;
    if (options.space)
        start += u" HSPACE="_s + options.hspaceValue + u" VSPACE="_s + options.vspaceValue;
    start += u'>';
    return {start, u"</MARQUEE>\r\n"_s};
}
