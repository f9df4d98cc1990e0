#pragma once

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

// decode() for a whole document, joining line ends in the same pass: CR LF,
// a lone CR and a lone LF each become '\n'.
struct DecodedLines {
    QString text;
    bool hasLf = false;  // some line ended in a lone LF
    bool hasCr = false;  // some line ended in CR LF or a lone CR
};
DecodedLines decodeLines(QByteArrayView bytes);

struct Encoded {
    QByteArray bytes;
    // UTF-16 index of the first character CP932 cannot hold, or -1.
    // Encoding stops there; bytes holds what came before it.
    qsizetype firstUnencodable = -1;
};

// Writes characters with no code of their own by Windows' one-way rules
// (U+301C and U+FF5E become 0x8160, U+00A5 becomes 0x5C, ...).
Encoded encode(QStringView text);

// encode() for a whole document: every '\n' and U+2029 is written as
// `lineBreak` (at most two bytes, "\r\n" or "\n"), all else as encode() does.
Encoded encodeLines(QStringView text, QByteArrayView lineBreak);

// The placeholder standing for an undecodable byte or a duplicate code:
// U+F0000..U+F00FF (any byte) and U+F0000 + code for each duplicate code.
// These are exactly the supplementary characters encode() accepts.
bool isPlaceholder(char32_t c);

} // namespace cp932
