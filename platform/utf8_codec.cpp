#include "platform/utf8_codec.h"

#include "platform/codec_output.h"

namespace utf8 {
namespace {

using codec::placeholderBase;
using codec::plainAsciiRun;
using codec::putSupplementary;

struct Sequence {
    int length = 0;  // 0: the byte starts no valid sequence
    char32_t c = 0;
};

constexpr bool isContinuation(uchar b)
{
    return (b & 0xC0) == 0x80;
}

// The valid multi-byte sequence at `in` (whose first byte is not ASCII):
// no overlong forms, no surrogates, nothing above U+10FFFF.
inline Sequence sequenceAt(const uchar *in, qsizetype left)
{
    const uchar b0 = in[0];
    if (b0 < 0xC2 || b0 > 0xF4)
        return {};
    if (b0 < 0xE0) {
        if (left < 2 || !isContinuation(in[1]))
            return {};
        return {2, char32_t(b0 & 0x1F) << 6 | (in[1] & 0x3F)};
    }
    if (b0 < 0xF0) {
        const uchar low = b0 == 0xE0 ? 0xA0 : 0x80;
        const uchar high = b0 == 0xED ? 0x9F : 0xBF;
        if (left < 3 || in[1] < low || in[1] > high || !isContinuation(in[2]))
            return {};
        return {3, char32_t(b0 & 0x0F) << 12 | char32_t(in[1] & 0x3F) << 6 | (in[2] & 0x3F)};
    }
    const uchar low = b0 == 0xF0 ? 0x90 : 0x80;
    const uchar high = b0 == 0xF4 ? 0x8F : 0xBF;
    if (left < 4 || in[1] < low || in[1] > high || !isContinuation(in[2]) || !isContinuation(in[3]))
        return {};
    return {4, char32_t(b0 & 0x07) << 18 | char32_t(in[1] & 0x3F) << 12
                       | char32_t(in[2] & 0x3F) << 6 | (in[3] & 0x3F)};
}

// Characters that would not come back out of the editor as they went in.
constexpr bool keptAsText(char32_t c)
{
    return !(c >= placeholderBase && c <= placeholderBase + 0xFF) && c != 0x2029 && c != 0xFDD0
            && c != 0xFDD1;
}

} // namespace

bool isMultiByteUtf8(QByteArrayView bytes)
{
    const uchar *const in = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    bool multiByte = false;
    qsizetype i = 0;
    while (i < size) {
        i += plainAsciiRun(in + i, size - i);
        if (i == size)
            break;
        if (in[i] < 0x80) {
            ++i;
            continue;
        }
        const Sequence s = sequenceAt(in + i, size - i);
        if (s.length == 0)
            return false;
        multiByte = true;
        i += s.length;
    }
    return multiByte;
}

DecodedLines decodeLines(QByteArrayView bytes)
{
    DecodedLines result;
    const auto decodeCode = [](const uchar *at, qsizetype left, char16_t *&out) -> qsizetype {
        const Sequence s = sequenceAt(at, left);
        if (s.length == 0)
            return 0;
        if (!keptAsText(s.c)) {
            for (int k = 0; k < s.length; ++k)
                putSupplementary(out, placeholderBase + at[k]);
        } else if (s.c < 0x10000) {
            *out++ = char16_t(s.c);
        } else {
            putSupplementary(out, s.c);
        }
        return s.length;
    };
    codec::decodeChunks<true>(bytes, result, decodeCode);
    return result;
}

QByteArray encodeLines(QStringView text, QByteArrayView lineBreak)
{
    const auto encodeChar = [](char32_t c, char *&out) {
        if (c < 0x800) {
            *out++ = char(0xC0 | c >> 6);
            *out++ = char(0x80 | (c & 0x3F));
        } else if (QChar::isSurrogate(c)) {
            // A lone surrogate, which no page can hold.
            *out++ = char(0xEF);
            *out++ = char(0xBF);
            *out++ = char(0xBD);
        } else if (c < 0x10000) {
            *out++ = char(0xE0 | c >> 12);
            *out++ = char(0x80 | (c >> 6 & 0x3F));
            *out++ = char(0x80 | (c & 0x3F));
        } else {
            *out++ = char(0xF0 | c >> 18);
            *out++ = char(0x80 | (c >> 12 & 0x3F));
            *out++ = char(0x80 | (c >> 6 & 0x3F));
            *out++ = char(0x80 | (c & 0x3F));
        }
        return true;
    };
    return codec::encodeChunks<true>(text, lineBreak, nullptr, encodeChar).bytes;
}

} // namespace utf8
