#include "platform/text_codec.h"

#include "platform/cp932_codec.h"
#include "platform/euc_jp_codec.h"
#include "platform/utf8_codec.h"

namespace {

class Cp932Codec final : public TextCodec
{
public:
    codec::DecodedLines decodeLines(QByteArrayView bytes) const override
    {
        return cp932::decodeLines(bytes);
    }
    codec::Encoded encodeLines(QStringView text, QByteArrayView lineBreak,
                               codec::UnencodableList *unencodable) const override
    {
        return cp932::encodeLines(text, lineBreak, unencodable);
    }
};

class EucJpCodec final : public TextCodec
{
public:
    codec::DecodedLines decodeLines(QByteArrayView bytes) const override
    {
        return eucjp::decodeLines(bytes);
    }
    codec::Encoded encodeLines(QStringView text, QByteArrayView lineBreak,
                               codec::UnencodableList *unencodable) const override
    {
        return eucjp::encodeLines(text, lineBreak, unencodable);
    }
};

class Utf8Codec final : public TextCodec
{
public:
    codec::DecodedLines decodeLines(QByteArrayView bytes) const override
    {
        return utf8::decodeLines(bytes);
    }
    codec::Encoded encodeLines(QStringView text, QByteArrayView lineBreak,
                               codec::UnencodableList *) const override
    {
        return {utf8::encodeLines(text, lineBreak), -1};
    }
};

} // namespace

const TextCodec &textCodec(TextEncoding encoding)
{
    static const Cp932Codec cp932Codec;
    static const EucJpCodec eucJpCodec;
    static const Utf8Codec utf8Codec;
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
