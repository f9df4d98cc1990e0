#pragma once

#include "platform/codec_output.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// UTF-8 pages, decoded so that nothing is lost: for any bytes whose line ends
// are all alike, encodeLines(decodeLines(bytes)) gives the same bytes back.
//
// - A valid sequence decodes to its character.
// - Every byte that does not start a valid sequence decodes to the
//   placeholder U+F0000 + byte, as in the CP932 codec.
// - A valid sequence whose character the editor cannot keep as it is decodes
//   to one placeholder per byte: U+F0000..U+F00FF (it would be written back
//   as a single byte), U+2029 (a line break to the editor) and U+FDD0/U+FDD1
//   (the editor's frame marks, which it turns into line breaks).
namespace utf8 {

// Valid UTF-8 that holds at least one multi-byte sequence. Plain ASCII does
// not count: it reads the same in every encoding the program knows.
bool isMultiByteUtf8(QByteArrayView bytes);

// The whole document, line ends joined in the same pass: CR LF, a lone CR
// and a lone LF each become '\n'.
using codec::DecodedLines;
DecodedLines decodeLines(QByteArrayView bytes);

// Every '\n' and U+2029 is written as `lineBreak` ("\r\n" or "\n"), each
// placeholder as its byte. A lone surrogate, which no page can hold, is
// written as U+FFFD.
QByteArray encodeLines(QStringView text, QByteArrayView lineBreak);

} // namespace utf8
