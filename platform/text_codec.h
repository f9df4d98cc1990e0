#pragma once

#include "platform/codec_output.h"

#include <QByteArrayView>
#include <QStringView>

// The encodings a page is read and written in. Utf8Bom: UTF-8 that starts
// with a byte-order mark, which is kept.
enum class TextEncoding { ShiftJis, Utf8, Utf8Bom, EucJp };

// One encoding's lossless codec: any bytes decode to text that encodes back
// to the same bytes (line ends all alike). Characters no code stands for are
// the encoder's to report; UTF-8 has none.
struct TextCodec
{
    codec::DecodedLines (*decodeLines)(QByteArrayView bytes);
    // Every '\n' and U+2029 is written as `lineBreak` ("\r\n" or "\n").
    // Without `unencodable` it stops at the first character it cannot hold;
    // with it, lists every such character and leaves it out.
    codec::Encoded (*encodeLines)(QStringView text, QByteArrayView lineBreak,
                                  codec::UnencodableList *unencodable);
};

// The codec of `encoding` (the byte-order mark is the file's business).
const TextCodec &textCodec(TextEncoding encoding);
