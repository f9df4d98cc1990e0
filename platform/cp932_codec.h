#pragma once

#include "platform/codec_output.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Shift-JIS as Windows writes it (code page 932), decoded so that nothing is
// ever lost: encode(decode(bytes)) == bytes for any bytes at all.
//
// - Valid codes decode to their Unicode character.
// - A code that is one of CP932's duplicates (an NEC or IBM extension whose
//   character Windows writes with another code) decodes to its own
//   placeholder U+F0000 + code (code = lead << 8 | trail).
// - Every byte that does not start a valid code decodes to the placeholder
//   U+F0000 + byte.
// Placeholders are supplementary private-use characters: they show as boxes
// and go back out as the bytes they stand for.
//
// decode() and encode() leave line ends alone: CR and LF are characters like
// any other. decodeLines() and encodeLines() are the document forms.
namespace cp932 {

QString decode(QByteArrayView bytes);

// decode() for a whole document, joining line ends in the same pass.
using codec::DecodedLines;
DecodedLines decodeLines(QByteArrayView bytes);

// firstUnencodable: the first character CP932 cannot hold. Encoding stops
// there (bytes hold what came before it) unless a list is given.
using codec::Encoded;

// Writes characters with no code of their own by Windows' one-way rules
// (U+301C and U+FF5E become 0x8160, U+00A5 becomes 0x5C, ...).
Encoded encode(QStringView text);

// encode() for a whole document: every '\n' and U+2029 is written as
// `lineBreak` (at most two bytes, "\r\n" or "\n"), all else as encode() does.
// With `unencodable`, every character CP932 cannot hold is listed there and
// left out, and encoding goes on to the end.
Encoded encodeLines(QStringView text, QByteArrayView lineBreak,
                    codec::UnencodableList *unencodable = nullptr);

// The placeholder standing for an undecodable byte or a duplicate code:
// U+F0000..U+F00FF (any byte) and U+F0000 + code for each duplicate code.
// These are exactly the supplementary characters encode() accepts.
bool isPlaceholder(char32_t c);

} // namespace cp932
