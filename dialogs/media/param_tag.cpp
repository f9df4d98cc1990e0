#include "dialogs/media/param_tag.h"

using namespace Qt::StringLiterals;

TagTexts paramTag(const ParamOptions &o)
{
    return {u"<PARAM NAME=\""_s + o.name + u"\" VALUE=\""_s + o.value + u"\">\r\n"_s, {}};
}

Reopened<ParamOptions> reopenParam(const TagElement &param)
{
    TagFields fields(param);
    ParamOptions o;
    o.name = fields.takeText(u"NAME");
    o.value = fields.takeText(u"VALUE");
    return reopenedTag(param, o, fields);
}
