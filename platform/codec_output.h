#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringView>

#include <algorithm>
#include <memory>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// What the document codecs share: the placeholders that carry bytes no
// character stands for, output written straight into a string's or a byte
// array's storage, and the loops that decode and encode a whole document, in
// which each codec states only how it reads and writes what is not ASCII.
namespace codec {

// A whole document decoded, line ends joined in the same pass: CR LF, a
// lone CR and a lone LF each become '\n'.
struct DecodedLines {
    QString text;
    bool hasLf = false;  // some line ended in a lone LF
    bool hasCr = false;  // some line ended in CR LF or a lone CR
    // Bytes that started no valid sequence (each kept as a placeholder).
    qsizetype strays = 0;
};

struct Encoded {
    QByteArray bytes;
    // UTF-16 index of the first character the encoding cannot hold, or -1.
    qsizetype firstUnencodable = -1;
};

// Where an encoder that meets a character it cannot hold goes on: without a
// list it stops there (bytes hold what came before); with one it notes the
// character's UTF-16 index, writes nothing for it and carries on.
using UnencodableList = QList<qsizetype>;

// U+F0000 + byte (or + CP932 code): supplementary private-use characters, so
// they show as boxes and never stand for real text.
constexpr char32_t placeholderBase = 0xF0000;

inline void putSupplementary(char16_t *&out, char32_t c)
{
    *out++ = QChar::highSurrogate(c);
    *out++ = QChar::lowSurrogate(c);
}

// The character of the surrogate pair at `at` (`left` units from there to
// the end of the text), or 0 when none starts there.
inline char32_t pairAt(const char16_t *at, qsizetype left)
{
    return left > 1 && QChar::isHighSurrogate(at[0]) && QChar::isLowSurrogate(at[1])
            ? QChar::surrogateToUcs4(at[0], at[1])
            : 0;
}

// A codec's tables, built on first use and kept for the program's life.
template<typename Tables>
const Tables &builtOnce()
{
    static const std::unique_ptr<const Tables> t = std::make_unique<const Tables>();
    return *t;
}

// The codec keeps its write pointer in a local of its own, so the compiler
// can hold it in a register; the buffer moves it only when it grows.
template<typename Array, typename Unit>
class Output
{
public:
    explicit Output(qsizetype size) { m_array.resize(size); }

    Unit *begin() { return reinterpret_cast<Unit *>(m_array.data()); }

    // The end of the chunk of input that starts at item `i` (of `size`): the
    // codecs write a chunk between two checks for room, and room is made
    // here for `perItem` units an item and `slack` more, growing the buffer
    // by at least half.
    qsizetype nextChunk(Unit *&out, qsizetype i, qsizetype size, qsizetype perItem, qsizetype slack)
    {
        const qsizetype end = std::min(size, i + 64 * 1024);
        const qsizetype written = out - begin();
        const qsizetype more = perItem * (end - i) + slack;
        if (written + more > m_array.size()) {
            m_array.resize(std::max(written + more, m_array.size() + m_array.size() / 2));
            out = begin() + written;
        }
        return end;
    }

    // What was written up to `out`. A buffer a quarter or more too large is
    // shrunk: cheap for a large block (the allocator remaps it), and a
    // mostly ASCII document does not hold twice its size.
    Array take(const Unit *out)
    {
        m_array.truncate(out - begin());
        if (m_array.capacity() - m_array.size() > m_array.size() / 4)
            m_array.squeeze();
        return std::move(m_array);
    }

private:
    Array m_array;
};

using Utf16Output = Output<QString, char16_t>;
using ByteOutput = Output<QByteArray, char>;

#ifdef __SSE2__
// Bytes from `in` that hold no byte at or above 0x80: how many of the first
// `left`, counted sixteen at a time.
inline qsizetype plainAsciiRun(const uchar *in, qsizetype left)
{
    qsizetype n = 0;
    while (n + 16 <= left
           && _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(in + n))) == 0)
        n += 16;
    return n;
}

// Widens the ASCII bytes at `in` (at most `left`, sixteen at a time; with
// `stopAtCr` a CR ends the run too) to `out`, moving it on; how many there
// were. `sawLf` is set when one of them is LF.
inline qsizetype widenAsciiRun(const uchar *in, qsizetype left, bool stopAtCr, bool &sawLf,
                               char16_t *&out)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    qsizetype n = 0;
    while (n + 16 <= left) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + n));
        const __m128i stop = stopAtCr ? _mm_or_si128(block, _mm_cmpeq_epi8(block, cr)) : block;
        if (_mm_movemask_epi8(stop) != 0)
            break;
        sawLf |= _mm_movemask_epi8(_mm_cmpeq_epi8(block, lf)) != 0;
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + n), _mm_unpacklo_epi8(block, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + n + 8), _mm_unpackhi_epi8(block, zero));
        n += 16;
    }
    out += n;
    return n;
}

// Narrows the ASCII units at `in` (at most `left`, eight at a time; with
// `stopAtLf` a '\n' ends the run too) to `out`, moving it on; how many
// there were.
inline qsizetype narrowAsciiRun(const char16_t *in, qsizetype left, bool stopAtLf, char *&out)
{
    const __m128i notAscii = _mm_set1_epi16(qint16(0xFF80));
    const __m128i zero = _mm_setzero_si128();
    const __m128i lf = _mm_set1_epi16('\n');
    qsizetype n = 0;
    while (n + 8 <= left) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + n));
        __m128i plain = _mm_cmpeq_epi16(_mm_and_si128(block, notAscii), zero);
        if (stopAtLf)
            plain = _mm_andnot_si128(_mm_cmpeq_epi16(block, lf), plain);
        if (_mm_movemask_epi8(plain) != 0xFFFF)
            break;
        _mm_storel_epi64(reinterpret_cast<__m128i *>(out + n), _mm_packus_epi16(block, block));
        n += 8;
    }
    out += n;
    return n;
}
#else
// Without SSE2 there are no runs: the loops take every unit on its own.
inline qsizetype plainAsciiRun(const uchar *, qsizetype) { return 0; }
inline qsizetype widenAsciiRun(const uchar *, qsizetype, bool, bool &, char16_t *&) { return 0; }
inline qsizetype narrowAsciiRun(const char16_t *, qsizetype, bool, char *&) { return 0; }
#endif

// Decodes `bytes` a chunk at a time. ASCII is itself in every codec: runs of
// it go sixteen bytes at a time and, with `joinLines`, CR LF, a lone CR and
// a lone LF each become '\n'. Any other byte is decodeCode(at, left, out)'s:
// it writes the code at `at` (`left` bytes from there to the end) and returns
// how many bytes it took, or 0 when no valid code starts there. Such a stray
// byte is counted and kept as its placeholder; with `stopAtStray`, decoding
// gives up there instead, leaving `lines.text` alone and returning false.
template<bool joinLines, bool stopAtStray = false, typename DecodeCode>
bool decodeChunks(QByteArrayView bytes, DecodedLines &lines, DecodeCode &&decodeCode)
{
    const uchar *const in = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    bool sawLf = false;
    bool sawCr = false;
    const auto noteLineEnds = [&] {
        lines.hasLf = joinLines && sawLf;
        lines.hasCr = sawCr;
    };

    // Valid text never takes more units than bytes; only placeholders (two
    // units a byte) make the buffer grow.
    Utf16Output output(size);
    char16_t *out = output.begin();
    for (qsizetype i = 0; i < size;) {
        // Two units a byte, +8 for a code that starts in this chunk and ends
        // in the next (four placeholders at most).
        const qsizetype chunkEnd = output.nextChunk(out, i, size, 2, 8);
        while (i < chunkEnd) {
            const uchar b = in[i];
            if (b < 0x80) {
                if constexpr (joinLines) {
                    if (b == '\r') {
                        sawCr = true;
                        *out++ = u'\n';
                        i += i + 1 < size && in[i + 1] == '\n' ? 2 : 1;
                        continue;
                    }
                    sawLf |= b == '\n';
                }
                *out++ = b;
                ++i;
                // Markup and English go sixteen bytes at a time.
                i += widenAsciiRun(in + i, chunkEnd - i, joinLines, sawLf, out);
                continue;
            }
            if (const qsizetype taken = decodeCode(in + i, size - i, out)) {
                i += taken;
                continue;
            }
            ++lines.strays;
            if constexpr (stopAtStray) {
                noteLineEnds();
                return false;
            }
            putSupplementary(out, placeholderBase + b);
            ++i;
        }
    }
    lines.text = output.take(out);
    noteLineEnds();
    return true;
}

// Encodes `text` a chunk at a time, so that mostly ASCII text does not hold
// three times its size. With `translateBreaks`, every '\n' and U+2029 is
// written as `lineBreak` ("\r\n" or "\n"). ASCII is itself in every codec
// (runs of it go eight units at a time) and each placeholder for a byte is
// that byte. Any other character (or lone surrogate) is
// encodeChar(c, out)'s: it writes at most three bytes for a unit, four for a
// pair, and returns false when the codec has no code for it. Such a
// character ends the encoding, or with `unencodable` is listed there and
// left out.
template<bool translateBreaks, typename EncodeChar>
Encoded encodeChunks(QStringView text, QByteArrayView lineBreak, UnencodableList *unencodable,
                     EncodeChar &&encodeChar)
{
    if constexpr (translateBreaks)
        Q_ASSERT(lineBreak.size() == 1 || lineBreak.size() == 2);
    const char16_t *const in = text.utf16();
    const qsizetype size = text.size();
    const bool twoByteBreak = lineBreak.size() == 2;
    Encoded result;

    ByteOutput output(size + size / 2);
    char *out = output.begin();
    for (qsizetype i = 0; i < size;) {
        // +4 for a surrogate pair that starts in this chunk and ends in the next.
        const qsizetype chunkEnd = output.nextChunk(out, i, size, 3, 4);
        while (i < chunkEnd) {
            const char16_t c = in[i];
            if (translateBreaks && (c == u'\n' || c == u'\u2029')) {
                *out++ = lineBreak[0];
                if (twoByteBreak)
                    *out++ = lineBreak[1];
                ++i;
                continue;
            }
            if (c < 0x80) {
                *out++ = char(c);
                ++i;
                // With LF line ends '\n' is written as itself and can stay in a run.
                i += narrowAsciiRun(in + i, chunkEnd - i, translateBreaks && twoByteBreak, out);
                continue;
            }
            if (!QChar::isSurrogate(c)) {
                if (encodeChar(char32_t(c), out)) {
                    ++i;
                    continue;
                }
            } else if (const char32_t pair = pairAt(in + i, size - i)) {
                if (pair >= placeholderBase && pair <= placeholderBase + 0xFF) {
                    *out++ = char(pair - placeholderBase);
                    i += 2;
                    continue;
                }
                if (encodeChar(pair, out)) {
                    i += 2;
                    continue;
                }
            } else if (encodeChar(char32_t(c), out)) {
                ++i;
                continue;
            }
            if (!unencodable) {
                result.firstUnencodable = i;
                result.bytes = output.take(out);
                return result;
            }
            unencodable->append(i);
            i += pairAt(in + i, size - i) ? 2 : 1;
        }
    }
    if (unencodable && !unencodable->isEmpty())
        result.firstUnencodable = unencodable->first();
    result.bytes = output.take(out);
    return result;
}

} // namespace codec
