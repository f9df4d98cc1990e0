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

std::optional<LinkKind> linkKind(const TagElement &anchor)
{
    const TagAttribute *href = anchor.attribute(u"HREF");
    if (!href)
        return anchor.attribute(u"NAME") ? std::optional(LinkKind::Keyword) : std::nullopt;
    if (href->value.startsWith(u"mailto:", Qt::CaseInsensitive))
        return LinkKind::Mailto;
    return href->value.contains(u'#') ? LinkKind::OwnerDoc : LinkKind::OtherDoc;
}

Reopened<UrlOptions> reopenLinkOtherDoc(const TagElement &anchor)
{
    TagFields fields(anchor);
    return reopenedTag(anchor, UrlOptions{fields.takeText(u"HREF")}, fields);
}

Reopened<KeyLinkOptions> reopenLinkOwnerDoc(const TagElement &anchor)
{
    TagFields fields(anchor);
    const QString href = fields.takeText(u"HREF");
    const qsizetype hash = href.indexOf(u'#');
    return reopenedTag(anchor, KeyLinkOptions{href.left(hash), href.mid(hash + 1)}, fields);
}

Reopened<QString> reopenLinkMailto(const TagElement &anchor)
{
    TagFields fields(anchor);
    return reopenedTag(anchor, fields.takeText(u"HREF").mid(7), fields);
}

Reopened<QString> reopenLinkKeyword(const TagElement &anchor)
{
    TagFields fields(anchor);
    return reopenedTag(anchor, fields.takeText(u"NAME"), fields);
}

Reopened<QString> reopenBaseUrl(const TagElement &base)
{
    TagFields fields(base);
    return reopenedTag(base, fields.takeText(u"HREF"), fields);
}
