#pragma once

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
