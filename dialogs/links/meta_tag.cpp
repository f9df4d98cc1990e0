#include "dialogs/links/meta_tag.h"

using namespace Qt::StringLiterals;

TagTexts metaTag(const MetaOptions &o)
{
    QString content = o.content;
    if (o.url)
        content += u";URL="_s + o.fileName;
    return {u"<META HTTP-EQUIV=\"refresh\" CONTENT=\""_s + content + u"\">"_s, u"\r\n"_s};
}

bool isRefresh(const TagElement &meta)
{
    const TagAttribute *equiv = meta.attribute(u"HTTP-EQUIV");
    return equiv && equiv->value.compare(u"refresh", Qt::CaseInsensitive) == 0;
}

Reopened<MetaOptions> reopenMeta(const TagElement &meta, MetaOptions o)
{
    TagFields fields(meta);
    fields.take(u"HTTP-EQUIV");
    const QString content = fields.takeText(u"CONTENT");
    const qsizetype url = content.indexOf(u";URL=", 0, Qt::CaseInsensitive);
    o.url = url >= 0;
    o.content = o.url ? content.left(url) : content;
    if (o.url)
        o.fileName = content.mid(url + 5);
    return reopenedTag(meta, o, fields);
}
