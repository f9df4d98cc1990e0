#include "dialogs/links/meta_tag.h"

using namespace Qt::StringLiterals;

TagTexts metaTag(const MetaOptions &o)
{
    QString content = o.content;
    if (o.url)
        content += u";URL="_s + o.fileName;
    return {u"<META HTTP-EQUIV=\"refresh\" CONTENT=\""_s + content + u"\">"_s, u"\r\n"_s};
}
