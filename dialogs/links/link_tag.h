#pragma once

#include "dialogs/tag_reopen.h"
#include "document/tag_types.h"

#include <QString>

// What the link dialog "他のドキュメントへリンク" hands to its command.
struct UrlOptions {
    QString fileName{};   // URL or file name, as typed

    bool operator==(const UrlOptions &) const = default;
};

// <A HREF="next.htm"> … </A>
TagTexts linkOtherDocTag(const UrlOptions &options);

// What the dialog "特定の位置にリンク" hands to its command.
struct KeyLinkOptions {
    QString fileName{};   // empty: a position in the same document
    QString keyword{};

    bool operator==(const KeyLinkOptions &) const = default;
};

// <A HREF="next.htm#top"> … </A>; the "#" also without a file name.
TagTexts linkOwnerDocTag(const KeyLinkOptions &options);

// <A NAME="top"> … </A> CR LF
TagTexts linkKeywordTag(const QString &keyword);

// <A HREF="mailto:someone@example.jp"> … </A>
TagTexts linkMailtoTag(const QString &address);

// <BASE HREF="http://www.example.jp/">, no end tag.
TagTexts baseUrlTag(const QString &url);

// A read back. Which of the link commands wrote it, by what it holds: a
// NAME without HREF is a keyword anchor, "mailto:" a mail link, a '#' a
// place in a page, any other HREF a link to another page.
enum class LinkKind { OtherDoc, OwnerDoc, Mailto, Keyword };
std::optional<LinkKind> linkKind(const TagElement &anchor);
Reopened<UrlOptions> reopenLinkOtherDoc(const TagElement &anchor);
Reopened<KeyLinkOptions> reopenLinkOwnerDoc(const TagElement &anchor);
// The mail address, or the keyword.
Reopened<QString> reopenLinkMailto(const TagElement &anchor);
Reopened<QString> reopenLinkKeyword(const TagElement &anchor);
// BASE HREF read back: the page's address.
Reopened<QString> reopenBaseUrl(const TagElement &base);
