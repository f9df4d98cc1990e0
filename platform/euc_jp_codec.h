#pragma once

#include "platform/codec_output.h"

#include <QByteArrayView>
#include <QStringView>

// EUC-JP as Unix systems write Japanese: ASCII, JIS X 0208 in two bytes
// 0xA1-0xFE, half-width katakana after SS2 (0x8E) and JIS X 0212 after SS3
// (0x8F). Decoded so that nothing is lost: for any bytes whose line ends are
// all alike, encodeLines(decodeLines(bytes)) gives the same bytes back.
//
// - A code decodes to its character when that character is written back
//   with the same code.
// - Every other byte (a stray byte, a code with no character, a code whose
//   character another code writes) decodes to the placeholder U+F0000 +
//   byte, shared with the other codecs.
namespace eucjp {

struct Decoded : codec::DecodedLines {
    // Characters of two or three bytes, and among them hiragana and
    // katakana (rows 4 and 5 of JIS X 0208): the marks of Japanese text.
    qsizetype multiByte = 0;
    qsizetype kana = 0;
};

// With `stopAtStray`, decoding gives up at the first byte that starts no
// valid code and returns with `strays` 1 and the text unfinished: a page is
// tried as EUC-JP at the cost of decoding it only when it is one.
Decoded decodeLines(QByteArrayView bytes, bool stopAtStray = false);

// Every '\n' and U+2029 is written as `lineBreak` ("\r\n" or "\n").
// Without a list encoding stops at the first character EUC-JP cannot hold;
// with one, every such character is listed and left out.
codec::Encoded encodeLines(QStringView text, QByteArrayView lineBreak,
                           codec::UnencodableList *unencodable = nullptr);

} // namespace eucjp
