#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>

#include <algorithm>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// What the document codecs share: the placeholders that carry bytes no
// character stands for, and output written straight into a string's or a
// byte array's storage.
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

// The codec keeps its write pointer in a local of its own, so the compiler
// can hold it in a register; the buffer moves it only when it grows.
template<typename Array, typename Unit>
class Output
{
public:
    explicit Output(qsizetype size) { m_array.resize(size); }

    Unit *begin() { return reinterpret_cast<Unit *>(m_array.data()); }

    // Room for `more` units after `out`, growing by at least half.
    void makeRoom(Unit *&out, qsizetype more)
    {
        const qsizetype written = out - begin();
        if (written + more <= m_array.size())
            return;
        m_array.resize(std::max(written + more, m_array.size() + m_array.size() / 2));
        out = begin() + written;
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

// Bytes from `in` that hold no byte at or above 0x80 (and, with `stopAtCr`,
// no CR): how many of the first `left`, counted sixteen at a time.
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

// Widens `n` ASCII bytes (a multiple of sixteen, as plainAsciiRun counts)
// to `out`; true when one of them is LF.
inline bool widenAscii(const uchar *in, qsizetype n, char16_t *out)
{
    bool sawLf = false;
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    const __m128i lf = _mm_set1_epi8('\n');
    for (qsizetype k = 0; k < n; k += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + k));
        sawLf |= _mm_movemask_epi8(_mm_cmpeq_epi8(block, lf)) != 0;
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + k), _mm_unpacklo_epi8(block, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + k + 8), _mm_unpackhi_epi8(block, zero));
    }
#else
    for (qsizetype k = 0; k < n; ++k) {
        sawLf |= in[k] == '\n';
        out[k] = in[k];
    }
#endif
    return sawLf;
}

// Narrows the ASCII units at `in` (at most `left`, eight at a time; with
// `stopAtLf` a '\n' ends the run too) to `out`; how many were written.
inline qsizetype narrowAsciiRun(const char16_t *in, qsizetype left, bool stopAtLf, char *out)
{
    qsizetype n = 0;
#ifdef __SSE2__
    const __m128i notAscii = _mm_set1_epi16(qint16(0xFF80));
    const __m128i zero = _mm_setzero_si128();
    const __m128i lf = _mm_set1_epi16('\n');
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
#else
    Q_UNUSED(in);
    Q_UNUSED(left);
    Q_UNUSED(stopAtLf);
    Q_UNUSED(out);
#endif
    return n;
}

} // namespace codec
