#include "platform/utf8_codec.h"

#include "platform/codec_output.h"

#include <algorithm>

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
        i += plainAsciiRun(in + i, size - i, false);
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
    const uchar *const in = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    bool sawLf = false;
    bool sawCr = false;
    qsizetype strays = 0;

    // Valid text never takes more units than bytes; only placeholders (two
    // units a byte) make the buffer grow.
    codec::Utf16Output output(size);
    char16_t *out = output.begin();

    constexpr qsizetype chunk = 64 * 1024;
    qsizetype i = 0;
    while (i < size) {
        const qsizetype chunkEnd = std::min(size, i + chunk);
        // Two units a byte, +8 for a sequence that starts in this chunk and
        // ends in the next.
        output.makeRoom(out, 2 * (chunkEnd - i) + 8);
        while (i < chunkEnd) {
            const uchar b = in[i];
            if (b < 0x80) {
                if (b == '\r') {
                    sawCr = true;
                    *out++ = u'\n';
                    i += i + 1 < size && in[i + 1] == '\n' ? 2 : 1;
                    continue;
                }
                sawLf |= b == '\n';
                *out++ = b;
                ++i;
                const qsizetype run = plainAsciiRun(in + i, chunkEnd - i, true);
                sawLf |= codec::widenAscii(in + i, run, out);
                out += run;
                i += run;
                continue;
            }
            const Sequence s = sequenceAt(in + i, size - i);
            if (s.length != 0 && keptAsText(s.c)) {
                if (s.c < 0x10000)
                    *out++ = char16_t(s.c);
                else
                    putSupplementary(out, s.c);
                i += s.length;
                continue;
            }
            strays += s.length == 0;
            const int length = s.length != 0 ? s.length : 1;
            for (int k = 0; k < length; ++k)
                putSupplementary(out, placeholderBase + in[i + k]);
            i += length;
        }
    }

    return {output.take(out), sawLf, sawCr, strays};
}

QByteArray encodeLines(QStringView text, QByteArrayView lineBreak)
{
    Q_ASSERT(lineBreak.size() == 1 || lineBreak.size() == 2);
    const char16_t *const in = text.utf16();
    const qsizetype size = text.size();
    const bool breakIsLf = lineBreak == QByteArrayView("\n");

    // Three bytes a unit at most (a line break takes two, a surrogate pair
    // four for its two units); the buffer grows chunk by chunk, so mostly
    // ASCII text does not hold three times its size.
    codec::ByteOutput output(size + size / 2);
    char *out = output.begin();

    constexpr qsizetype chunk = 64 * 1024;
    qsizetype i = 0;
    while (i < size) {
        const qsizetype chunkEnd = std::min(size, i + chunk);
        // +4 for a surrogate pair that starts in this chunk and ends in the next.
        output.makeRoom(out, 3 * (chunkEnd - i) + 4);
        while (i < chunkEnd) {
            const char16_t c = in[i];
            if (c == u'\n' || c == u'\u2029') {
                *out++ = lineBreak[0];
                if (!breakIsLf)
                    *out++ = lineBreak[1];
                ++i;
                continue;
            }
            if (c < 0x80) {
                *out++ = char(c);
                ++i;
                // ASCII runs (markup, English) go eight units at a time.
                const qsizetype run = codec::narrowAsciiRun(in + i, chunkEnd - i, !breakIsLf, out);
                out += run;
                i += run;
                continue;
            }
            if (c < 0x800) {
                *out++ = char(0xC0 | c >> 6);
                *out++ = char(0x80 | (c & 0x3F));
                ++i;
                continue;
            }
            if (!QChar::isSurrogate(c)) {
                *out++ = char(0xE0 | c >> 12);
                *out++ = char(0x80 | (c >> 6 & 0x3F));
                *out++ = char(0x80 | (c & 0x3F));
                ++i;
                continue;
            }
            if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(in[i + 1])) {
                const char32_t u = QChar::surrogateToUcs4(c, in[i + 1]);
                i += 2;
                if (u >= placeholderBase && u <= placeholderBase + 0xFF) {
                    *out++ = char(u - placeholderBase);
                    continue;
                }
                *out++ = char(0xF0 | u >> 18);
                *out++ = char(0x80 | (u >> 12 & 0x3F));
                *out++ = char(0x80 | (u >> 6 & 0x3F));
                *out++ = char(0x80 | (u & 0x3F));
                continue;
            }
            *out++ = char(0xEF);
            *out++ = char(0xBF);
            *out++ = char(0xBD);
            ++i;
        }
    }

    return output.take(out);
}

} // namespace utf8
