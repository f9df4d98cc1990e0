#include "platform/euc_jp_codec.h"

#include "platform/iconv_converter.h"

#include <array>

namespace eucjp {
namespace {

using codec::placeholderBase;

constexpr uchar ss2 = 0x8E;
constexpr uchar ss3 = 0x8F;
constexpr int rowSize = 94;

constexpr bool isCodeByte(uchar b)
{
    return b >= 0xA1 && b <= 0xFE;
}

constexpr int cellIndex(uchar first, uchar second)
{
    return (first - 0xA1) * rowSize + (second - 0xA1);
}

// Encode table entries: 0 = no code; below 0x200 one byte (0x100 | byte);
// below 0x10000 two bytes (SS2 + kana, or JIS X 0208); above, SS3 and the
// two bytes of JIS X 0212.
constexpr quint32 singleFlag = 0x100;
constexpr quint32 threeBytes = quint32(ss3) << 16;

struct Tables
{
    std::array<char16_t, rowSize * rowSize> jis0208{};
    std::array<char16_t, rowSize * rowSize> jis0212{};
    std::array<char16_t, 256> kana{};
    std::array<quint32, 65536> encode{};

    Tables();
};

Tables::Tables()
{
    // ASCII is itself, whatever the converter says, so runs of it are copied.
    for (quint32 b = 0; b < 0x80; ++b)
        encode[b] = singleFlag | b;

    // glibc's EUC-JP is asked once per character while the tables are built.
    // Without it everything but ASCII still survives as placeholders.
    CharConverter euc("EUC-JP");
    if (!euc.isValid())
        return;

    euc.forEachEncoded([&](char32_t c, const uchar *out, qsizetype n) {
        if (n == 2 && out[0] == ss2 && out[1] >= 0xA1 && out[1] <= 0xDF)
            encode[c] = quint32(ss2) << 8 | out[1];
        else if (n == 2 && isCodeByte(out[0]) && isCodeByte(out[1]))
            encode[c] = quint32(out[0]) << 8 | out[1];
        else if (n == 3 && out[0] == ss3 && isCodeByte(out[1]) && isCodeByte(out[2]))
            encode[c] = threeBytes | quint32(out[1]) << 8 | out[2];
    });

    // A code gets its character only when that character goes back to it.
    auto decodeOne = [&](const uchar *bytes, size_t size, quint32 code) -> char16_t {
        const char16_t c = euc.decode(bytes, size);
        return encode[c] == code ? c : 0;
    };
    for (uchar b = 0xA1; b <= 0xDF; ++b) {
        const uchar bytes[2] = {ss2, b};
        kana[b] = decodeOne(bytes, 2, quint32(ss2) << 8 | b);
    }
    for (uchar first = 0xA1; first != 0xFF; ++first) {
        for (uchar second = 0xA1; second != 0xFF; ++second) {
            const quint32 code = quint32(first) << 8 | second;
            const uchar two[2] = {first, second};
            jis0208[cellIndex(first, second)] = decodeOne(two, 2, code);
            const uchar three[3] = {ss3, first, second};
            jis0212[cellIndex(first, second)] = decodeOne(three, 3, threeBytes | code);
        }
    }
}

template<bool stopAtStray>
Decoded decodeImpl(QByteArrayView bytes)
{
    const Tables &t = codec::builtOnce<Tables>();
    Decoded result;
    const auto decodeCode = [&](const uchar *at, qsizetype left, char16_t *&out) -> qsizetype {
        const uchar b = at[0];
        char16_t c = 0;
        qsizetype length = 0;
        if (isCodeByte(b)) {
            if (left > 1 && isCodeByte(at[1])) {
                c = t.jis0208[cellIndex(b, at[1])];
                length = 2;
                // Hiragana and katakana.
                result.kana += c && (b == 0xA4 || b == 0xA5);
            }
        } else if (b == ss2) {
            if (left > 1) {
                c = t.kana[at[1]];
                length = 2;
            }
        } else if (b == ss3) {
            if (left > 2 && isCodeByte(at[1]) && isCodeByte(at[2])) {
                c = t.jis0212[cellIndex(at[1], at[2])];
                length = 3;
            }
        }
        if (c == 0)
            return 0;
        *out++ = c;
        ++result.multiByte;
        return length;
    };
    codec::decodeChunks<true, stopAtStray>(bytes, result, decodeCode);
    return result;
}

} // namespace

Decoded decodeLines(QByteArrayView bytes, bool stopAtStray)
{
    return stopAtStray ? decodeImpl<true>(bytes) : decodeImpl<false>(bytes);
}

codec::Encoded encodeLines(QStringView text, QByteArrayView lineBreak,
                           codec::UnencodableList *unencodable)
{
    const Tables &t = codec::builtOnce<Tables>();
    const auto encodeChar = [&](char32_t c, char *&out) {
        const quint32 v = c < 0x10000 ? t.encode[c] : 0;
        if (v == 0)
            return false;
        if (v >= threeBytes)
            *out++ = char(ss3);
        *out++ = char(v >> 8);
        *out++ = char(v);
        return true;
    };
    return codec::encodeChunks<true>(text, lineBreak, unencodable, encodeChar);
}

} // namespace eucjp
