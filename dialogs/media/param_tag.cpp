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
    o.name = fields.take(u"NAME").value_or(QString());
    o.value = fields.take(u"VALUE").value_or(QString());
    return reopenedTag(param, o, fields);
}
