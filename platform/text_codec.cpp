#include "platform/text_codec.h"

#include "platform/cp932_codec.h"
#include "platform/euc_jp_codec.h"
#include "platform/utf8_codec.h"

const TextCodec &textCodec(TextEncoding encoding)
{
    static constexpr TextCodec cp932Codec{cp932::decodeLines, cp932::encodeLines};
    static constexpr TextCodec eucJpCodec{
            [](QByteArrayView bytes) -> codec::DecodedLines { return eucjp::decodeLines(bytes); },
            eucjp::encodeLines};
    // UTF-8 holds every character, so it has none to list.
    static constexpr TextCodec utf8Codec{
            utf8::decodeLines,
            [](QStringView text, QByteArrayView lineBreak, codec::UnencodableList *) {
                return codec::Encoded{utf8::encodeLines(text, lineBreak)};
            }};
    switch (encoding) {
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom:
        return utf8Codec;
    case TextEncoding::EucJp:
        return eucJpCodec;
    case TextEncoding::ShiftJis:
        break;
    }
    return cp932Codec;
}
