#include "dialogs/links/link_tag.h"

using namespace Qt::StringLiterals;

// Typed texts go into the markup as they are: quotes and "&" included, so
// the author can write entity references and attributes of their own.

TagTexts linkOtherDocTag(const UrlOptions &o)
{
    return {u"<A HREF=\""_s + o.fileName + u"\">"_s, u"</A>"_s};
}

TagTexts linkOwnerDocTag(const KeyLinkOptions &o)
{
    return {u"<A HREF=\""_s + o.fileName + u'#' + o.keyword + u"\">"_s, u"</A>"_s};
}

TagTexts linkKeywordTag(const QString &keyword)
{
    return {u"<A NAME=\""_s + keyword + u"\">"_s, u"</A>\r\n"_s};
}

TagTexts linkMailtoTag(const QString &address)
{
    return {u"<A HREF=\"mailto:"_s + address + u"\">"_s, u"</A>"_s};
}

TagTexts baseUrlTag(const QString &url)
{
    return {u"<BASE HREF=\""_s + url + u"\">"_s, {}};
}
