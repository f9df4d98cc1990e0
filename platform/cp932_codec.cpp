#include "platform/cp932_codec.h"

#include "platform/codec_output.h"
#include "platform/iconv_converter.h"

#include <array>

namespace cp932 {
namespace {

using codec::placeholderBase;
using codec::putSupplementary;
// Double-byte codes run from 0x8140 to 0xFCFC.
constexpr quint16 firstDoubleCode = 0x8140;
constexpr quint16 lastDoubleCode = 0xFCFC;

// Encode table entries: 0 = no code, 0x100 | byte = one byte, else the
// two-byte code itself (always >= 0x8140, so the two forms never collide).
constexpr quint16 singleFlag = 0x100;

enum ByteKind : quint8 { Stray, Single, Lead };

constexpr bool isLeadByte(unsigned b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

constexpr bool isTrailByte(unsigned b)
{
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

struct Tables
{
    std::array<quint8, 256> kind{};
    std::array<char16_t, 256> single{};
    // Character of each canonical double-byte code, 0 for any other code.
    std::array<char16_t, 65536> pair{};
    // Codes whose character Windows writes with another code.
    std::array<bool, 65536> duplicate{};
    std::array<quint16, 65536> encode{};

    Tables();
};

Tables::Tables()
{
    // ASCII is itself, whatever the converter says, so runs of it are copied.
    for (unsigned b = 0; b < 0x80; ++b) {
        kind[b] = Single;
        single[b] = char16_t(b);
        encode[b] = quint16(singleFlag | b);
    }

    // glibc knows CP932 as Windows writes it; it is asked once per
    // character while the tables are built and never again. Without it
    // everything but ASCII still survives as placeholders.
    CharConverter cp932("CP932");
    if (!cp932.isValid())
        return;

    cp932.forEachEncoded([&](char32_t c, const uchar *out, qsizetype n) {
        if (n == 1)
            encode[c] = quint16(singleFlag | out[0]);
        else if (n == 2 && isLeadByte(out[0]) && isTrailByte(out[1]))
            encode[c] = quint16(out[0] << 8 | out[1]);
    });

    for (unsigned b = 0x80; b < 256; ++b) {
        if (isLeadByte(b)) {
            kind[b] = Lead;
            continue;
        }
        const uchar byte = uchar(b);
        const char16_t c = cp932.decode(&byte, 1);
        if (encode[c] == (singleFlag | b)) {
            kind[b] = Single;
            single[b] = char16_t(c);
        }
    }

    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLeadByte(lead))
            continue;
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            if (!isTrailByte(trail))
                continue;
            const uchar bytes[2] = {uchar(lead), uchar(trail)};
            const char16_t c = cp932.decode(bytes, 2);
            if (c == 0)
                continue;
            const quint16 code = quint16(lead << 8 | trail);
            if (encode[c] == code)
                pair[code] = char16_t(c);
            else
                duplicate[code] = true;
        }
    }
}

// Shared by decode() and decodeLines(): with `joinLines`, CR LF, lone CR and
// lone LF all become '\n'. CR and LF never take part in a double-byte code,
// so each is seen as a byte of its own.
template<bool joinLines>
DecodedLines decodeImpl(QByteArrayView bytes)
{
    const Tables &t = codec::builtOnce<Tables>();
    DecodedLines result;
    const auto decodeCode = [&](const uchar *at, qsizetype left, char16_t *&out) -> qsizetype {
        const quint8 kind = t.kind[at[0]];
        if (kind == Lead && left > 1) {
            const quint16 code = quint16(at[0] << 8 | at[1]);
            if (const char16_t c = t.pair[code]) {
                *out++ = c;
                return 2;
            }
            if (t.duplicate[code]) {
                putSupplementary(out, placeholderBase + code);
                return 2;
            }
        } else if (kind == Single) {
            *out++ = t.single[at[0]];
            return 1;
        }
        return 0;
    };
    codec::decodeChunks<joinLines>(bytes, result, decodeCode);
    return result;
}

// Shared by encode() and encodeLines(): with `translateBreaks`, '\n' and
// U+2029 are written as `lineBreak` instead of being looked up.
template<bool translateBreaks>
Encoded encodeImpl(QStringView text, QByteArrayView lineBreak, codec::UnencodableList *unencodable)
{
    const Tables &t = codec::builtOnce<Tables>();
    const auto encodeChar = [&](char32_t c, char *&out) {
        if (c < 0x10000) {
            const quint16 v = t.encode[c];
            if (v == 0)
                return false;
            // Both bytes are always stored (the buffer has room) and the
            // pointer moves by the real length, which spares a branch that
            // kanji mixed with half-width katakana mispredicts often.
            const bool twoBytes = v >= firstDoubleCode;
            out[0] = char(twoBytes ? v >> 8 : v);
            out[1] = char(v);
            out += 1 + twoBytes;
            return true;
        }
        // A duplicate code's placeholder.
        const char32_t code = c - placeholderBase;
        if (code < firstDoubleCode || code > lastDoubleCode || !t.duplicate[code])
            return false;
        *out++ = char(code >> 8);
        *out++ = char(code);
        return true;
    };
    return codec::encodeChunks<translateBreaks>(text, lineBreak, unencodable, encodeChar);
}

} // namespace

QString decode(QByteArrayView bytes)
{
    return decodeImpl<false>(bytes).text;
}

DecodedLines decodeLines(QByteArrayView bytes)
{
    return decodeImpl<true>(bytes);
}

Encoded encode(QStringView text)
{
    return encodeImpl<false>(text, {}, nullptr);
}

Encoded encodeLines(QStringView text, QByteArrayView lineBreak, codec::UnencodableList *unencodable)
{
    return encodeImpl<true>(text, lineBreak, unencodable);
}

bool isPlaceholder(char32_t c)
{
    if (c < placeholderBase)
        return false;
    const char32_t offset = c - placeholderBase;
    if (offset < 0x100)
        return true;
    return offset >= firstDoubleCode && offset <= lastDoubleCode
            && codec::builtOnce<Tables>().duplicate[offset];
}

} // namespace cp932
