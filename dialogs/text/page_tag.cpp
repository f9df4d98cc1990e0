#include "dialogs/text/page_tag.h"

#include "dialogs/color_code.h"

using namespace Qt::StringLiterals;

TagTexts pageTag(const PageOptions &o)
{
    QString start = u"<BODY"_s;
    if (o.pattern)
        start += u" BACKGROUND=\""_s + o.fileName + u'"';
    if (o.color) {
        if (!o.pattern)
            start += u" BGCOLOR=#"_s + ColorCode(o.back);
        start += u" TEXT=#"_s + ColorCode(o.text);
        start += u" LINK=#"_s + ColorCode(o.link);
        start += u" VLINK=#"_s + ColorCode(o.vlink);
        start += u" ALINK=#"_s + ColorCode(o.alink);
    }
    if (o.bgproperties)
        start += u" BGPROPERTIES=fixed"_s;
    if (o.margin)
        start += u" LEFTMARGIN=\""_s + o.left + u"\" TOPMARGIN=\""_s + o.top + u'"';
    start += u">\r\n"_s;
    return {start, u"</BODY>\r\n"_s};
}

Reopened<PageOptions> reopenPage(const TagElement &element, PageOptions o)
{
    TagFields fields(element);
    o.pattern = fields.takeInto(u"BACKGROUND", o.fileName);
    // With a pattern the dialog writes no BGCOLOR: one written by hand stays.
    bool color = !o.pattern && fields.takeColor(u"BGCOLOR", o.back);
    color |= fields.takeColor(u"TEXT", o.text);
    color |= fields.takeColor(u"LINK", o.link);
    color |= fields.takeColor(u"VLINK", o.vlink);
    color |= fields.takeColor(u"ALINK", o.alink);
    o.color = color;
    o.bgproperties = false;
    if (const auto fixed = fields.take(u"BGPROPERTIES")) {
        o.bgproperties = true;
        if (fixed->compare(u"fixed", Qt::CaseInsensitive) != 0)
            fields.cannotShow();
    }
    o.margin = fields.takePair(u"LEFTMARGIN", u"TOPMARGIN", o.left, o.top);
    return reopenedTag(element, o, fields);
}
