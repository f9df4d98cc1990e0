#include "platform/utf8_codec.h"

#include "platform/codec_output.h"

#include <algorithm>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace utf8 {
namespace {

using codec::placeholderBase;
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

// Bytes from `in` that hold no byte at or above 0x80 (and, with
// `stopAtCr`, no CR): how many of the first `left`, counted sixteen at a
// time.
inline qsizetype plainAsciiRun(const uchar *in, qsizetype left, bool stopAtCr)
{
    qsizetype n = 0;
#ifdef __SSE2__
    const __m128i cr = _mm_set1_epi8('\r');
    while (n + 16 <= left) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + n));
        const __m128i stop = stopAtCr ? _mm_or_si128(block, _mm_cmpeq_epi8(block, cr)) : block;
        if (_mm_movemask_epi8(stop) != 0)
            break;
        n += 16;
    }
#else
    Q_UNUSED(in);
    Q_UNUSED(left);
    Q_UNUSED(stopAtCr);
#endif
    return n;
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
#ifdef __SSE2__
                const qsizetype run = plainAsciiRun(in + i, chunkEnd - i, true);
                const __m128i zero = _mm_setzero_si128();
                const __m128i lf = _mm_set1_epi8('\n');
                for (qsizetype k = 0; k < run; k += 16) {
                    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i + k));
                    sawLf |= _mm_movemask_epi8(_mm_cmpeq_epi8(block, lf)) != 0;
                    _mm_storeu_si128(reinterpret_cast<__m128i *>(out + k),
                                     _mm_unpacklo_epi8(block, zero));
                    _mm_storeu_si128(reinterpret_cast<__m128i *>(out + k + 8),
                                     _mm_unpackhi_epi8(block, zero));
                }
                out += run;
                i += run;
#endif
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
            const int length = s.length != 0 ? s.length : 1;
            for (int k = 0; k < length; ++k)
                putSupplementary(out, placeholderBase + in[i + k]);
            i += length;
        }
    }

    return {output.take(out), sawLf, sawCr};
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
#ifdef __SSE2__
                // ASCII runs (markup, English) go eight units at a time.
                const __m128i notAscii = _mm_set1_epi16(qint16(0xFF80));
                const __m128i zero = _mm_setzero_si128();
                const __m128i lf = _mm_set1_epi16('\n');
                while (i + 8 <= chunkEnd) {
                    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
                    __m128i plain = _mm_cmpeq_epi16(_mm_and_si128(block, notAscii), zero);
                    if (!breakIsLf)
                        plain = _mm_andnot_si128(_mm_cmpeq_epi16(block, lf), plain);
                    if (_mm_movemask_epi8(plain) != 0xFFFF)
                        break;
                    _mm_storel_epi64(reinterpret_cast<__m128i *>(out), _mm_packus_epi16(block, block));
                    out += 8;
                    i += 8;
                }
#endif
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
