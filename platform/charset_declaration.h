#pragma once

#include "platform/text_codec.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

// A page's own word on its encoding: the charset of
// <META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=...">
// or of <META charset=...>, any case, looked for in the page's head.
struct CharsetDeclaration {
    qsizetype start = 0;  // where the charset value starts
    qsizetype length = 0;
    bool operator==(const CharsetDeclaration &) const = default;
};

// Only this much of a page is searched: a declaration belongs at the top.
constexpr qsizetype CharsetSearchLength = 4096;

// The declarations in the first CharsetSearchLength units of `page`, in
// order; those inside comments do not count.
QList<CharsetDeclaration> findCharsetDeclarations(QStringView page);

// The encoding a charset name stands for, among those the program reads:
// Shift_JIS, x-sjis, Windows-31J, EUC-JP, UTF-8, any case.
std::optional<TextEncoding> encodingOfCharset(QStringView name);
// The encoding the first declaration in the head of `bytes` names, when it
// names one of those.
std::optional<TextEncoding> declaredEncoding(QByteArrayView bytes);

// The name a declaration gives `encoding`.
QString charsetName(TextEncoding encoding);
