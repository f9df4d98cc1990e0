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
