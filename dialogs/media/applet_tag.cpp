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
    o.className = fields.take(u"CODE").value_or(QString());
    o.url = fields.takeInto(u"CODEBASE", o.urlValue);
    o.width = fields.take(u"WIDTH").value_or(QString());
    o.height = fields.take(u"HEIGHT").value_or(QString());
    o.space = applet.attribute(u"VSPACE") && applet.attribute(u"HSPACE");
    if (o.space) {
        o.vspace = *fields.take(u"VSPACE");
        o.hspace = *fields.take(u"HSPACE");
    }
    return reopenedTag(applet, o, fields);
}
