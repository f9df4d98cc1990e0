#include "dialogs/media/applet_tag.h"

using namespace Qt::StringLiterals;

TagTexts appletTag(const AppletOptions &o)
{
    QString start = u"<APPLET CODE=\""_s + o.className + u'"';
    if (o.url)
        start += u" CODEBASE=\""_s + o.urlValue + u'"';
    start += u" WIDTH=\""_s + o.width + u'"';
    start += u" HEIGHT=\""_s + o.height + u'"';
    if (o.space)
        start += u" VSPACE=\""_s + o.vspace + u"\" HSPACE=\""_s + o.hspace + u'"';
    start += u">\r\n"_s;
    return {start, u"</APPLET>\r\n"_s};
}

Reopened<AppletOptions> reopenApplet(const TagElement &applet, AppletOptions o)
{
    TagFields fields(applet);
    o.className = fields.takeText(u"CODE");
    o.url = fields.takeInto(u"CODEBASE", o.urlValue);
    o.width = fields.takeText(u"WIDTH");
    o.height = fields.takeText(u"HEIGHT");
    o.space = fields.takePair(u"VSPACE", u"HSPACE", o.vspace, o.hspace);
    return reopenedTag(applet, o, fields);
}
