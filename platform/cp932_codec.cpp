#include "platform/cp932_codec.h"

#include "platform/codec_output.h"
#include "platform/iconv_converter.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <cerrno>
#include <memory>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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
    // Bytes 0x00-0x7F and U+0000-U+007F map to each other one to one, so
    // ASCII runs can be copied without looking anything up.
    bool asciiIsIdentity = false;

    Tables();
};

Tables::Tables()
{
    // glibc knows CP932 as Windows writes it; it is asked once per
    // character while the tables are built and never again.
    IconvConverter toCp932("CP932", "UTF-32LE");
    IconvConverter fromCp932("UTF-32LE", "CP932");
    if (!toCp932.isValid() || !fromCp932.isValid()) {
        // Without glibc's converter only ASCII is known; everything else
        // still survives as placeholders.
        qWarning("cp932: iconv has no CP932 converter (errno %d)", errno);
        for (unsigned b = 0; b < 0x80; ++b) {
            kind[b] = Single;
            single[b] = char16_t(b);
            encode[b] = quint16(singleFlag | b);
        }
        asciiIsIdentity = true;
        return;
    }

    for (char32_t c = 0; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const quint32 in = qToLittleEndian(quint32(c));
        uchar out[8];
        const qsizetype n = toCp932.convert(&in, sizeof in, out, sizeof out);
        if (n == 1)
            encode[c] = quint16(singleFlag | out[0]);
        else if (n == 2 && isLeadByte(out[0]) && isTrailByte(out[1]))
            encode[c] = quint16(out[0] << 8 | out[1]);
    }

    auto decodeOne = [&](const uchar *bytes, size_t size) -> char32_t {
        quint32 out[4];
        if (fromCp932.convert(bytes, size, out, sizeof out) != qsizetype(sizeof(quint32)))
            return 0;
        const char32_t c = qFromLittleEndian(out[0]);
        return c < 0x10000 ? c : 0;
    };

    for (unsigned b = 0; b < 256; ++b) {
        if (isLeadByte(b)) {
            kind[b] = Lead;
            continue;
        }
        const uchar byte = uchar(b);
        const char32_t c = decodeOne(&byte, 1);
        // U+0000 comes back as 0 too; the encode check below tells them apart.
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
            const char32_t c = decodeOne(bytes, 2);
            if (c == 0)
                continue;
            const quint16 code = quint16(lead << 8 | trail);
            if (encode[c] == code)
                pair[code] = char16_t(c);
            else
                duplicate[code] = true;
        }
    }

    asciiIsIdentity = true;
    for (unsigned b = 0; b < 0x80; ++b) {
        if (kind[b] != Single || single[b] != b || encode[b] != (singleFlag | b))
            asciiIsIdentity = false;
    }
}

const Tables &tables()
{
    static const std::unique_ptr<const Tables> t = std::make_unique<const Tables>();
    return *t;
}

// Shared by encode() and encodeLines(): with `translateBreaks`, '\n' and
// U+2029 are written as `lineBreak` instead of being looked up.
template<bool translateBreaks>
Encoded encodeImpl(QStringView text, QByteArrayView lineBreak, codec::UnencodableList *unencodable)
{
    const Tables &t = tables();
    const char16_t *const in = text.utf16();
    const qsizetype size = text.size();
    if constexpr (translateBreaks)
        Q_ASSERT(lineBreak.size() == 1 || lineBreak.size() == 2);
    // With LF line ends '\n' is written as itself and ASCII runs can keep it.
    const bool breakIsLf = lineBreak == QByteArrayView("\n");
    const bool twoByteBreak = lineBreak.size() == 2;

    Encoded result;
    // A UTF-16 unit never needs more than two bytes (a surrogate pair needs
    // at most two for both units), and a line break is at most two bytes.
    codec::ByteOutput output(2 * size);
    char *out = output.begin();

    qsizetype i = 0;
    while (i < size) {
        const char16_t c = in[i];
        if (!QChar::isSurrogate(c)) {
            if constexpr (translateBreaks) {
                if (c == u'\n' || c == u'\u2029') {
                    *out++ = lineBreak[0];
                    if (twoByteBreak)
                        *out++ = lineBreak[1];
                    ++i;
                    continue;
                }
            }
            const quint16 v = t.encode[c];
            if (v == 0) {
                if (!unencodable)
                    break;
                unencodable->append(i++);
                continue;
            }
            // Both bytes are always stored (the buffer has room) and the
            // pointer moves by the real length, which spares a branch that
            // Japanese mixed with ASCII mispredicts often.
            const bool twoBytes = v >= firstDoubleCode;
            out[0] = char(twoBytes ? v >> 8 : v);
            out[1] = char(v);
            out += 1 + twoBytes;
            ++i;
#ifdef __SSE2__
            // An ASCII character often starts a run (markup, English); such
            // runs go eight units at a time.
            if (c < 0x80 && t.asciiIsIdentity) {
                const __m128i notAscii = _mm_set1_epi16(qint16(0xFF80));
                const __m128i zero = _mm_setzero_si128();
                while (i + 8 <= size) {
                    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
                    __m128i plain = _mm_cmpeq_epi16(_mm_and_si128(block, notAscii), zero);
                    if constexpr (translateBreaks) {
                        if (!breakIsLf) {
                            const __m128i lf = _mm_cmpeq_epi16(block, _mm_set1_epi16('\n'));
                            plain = _mm_andnot_si128(lf, plain);
                        }
                    }
                    if (_mm_movemask_epi8(plain) != 0xFFFF)
                        break;
                    _mm_storel_epi64(reinterpret_cast<__m128i *>(out),
                                     _mm_packus_epi16(block, block));
                    out += 8;
                    i += 8;
                }
            }
#endif
            continue;
        }
        const bool pair =
                QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(in[i + 1]);
        const char32_t offset = pair ? QChar::surrogateToUcs4(c, in[i + 1]) - placeholderBase : ~0u;
        if (offset < 0x100) {
            *out++ = char(offset);
        } else if (offset >= firstDoubleCode && offset <= lastDoubleCode && t.duplicate[offset]) {
            *out++ = char(offset >> 8);
            *out++ = char(offset);
        } else {
            if (!unencodable)
                break;
            unencodable->append(i);
        }
        i += pair ? 2 : 1;
    }

    if (i < size)
        result.firstUnencodable = i;
    else if (unencodable && !unencodable->isEmpty())
        result.firstUnencodable = unencodable->first();
    result.bytes = output.take(out);
    return result;
}

struct LineEnds
{
    bool lf = false;
    bool cr = false;
};

// Shared by decode() and decodeLines(): with `joinLines`, CR LF, lone CR and
// lone LF all become '\n' and `ends` says which were seen. CR and LF never
// take part in a double-byte code, so each is seen as a byte of its own.
template<bool joinLines>
QString decodeImpl(QByteArrayView bytes, LineEnds *ends, qsizetype *strays)
{
    const Tables &t = tables();
    const uchar *const in = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    bool sawLf = false;
    bool sawCr = false;

    // One unit per byte covers any text without placeholders; the buffer
    // grows only when stray bytes (two units each) need more.
    codec::Utf16Output output(size);
    char16_t *out = output.begin();

    constexpr qsizetype chunk = 64 * 1024;
    qsizetype i = 0;
    while (i < size) {
        const qsizetype chunkEnd = std::min(size, i + chunk);
        // Each byte yields at most two units; +2 for a code that starts in
        // this chunk and ends in the next.
        output.makeRoom(out, 2 * (chunkEnd - i) + 2);
        while (i < chunkEnd) {
            const uchar b = in[i];
            const quint8 kind = t.kind[b];
            if (kind == Lead && i + 1 < size) {
                const quint16 code = quint16(b << 8 | in[i + 1]);
                if (const char16_t c = t.pair[code]) {
                    *out++ = c;
                    i += 2;
                    continue;
                }
                if (t.duplicate[code]) {
                    putSupplementary(out, placeholderBase + code);
                    i += 2;
                    continue;
                }
            } else if (kind == Single) {
                if constexpr (joinLines) {
                    if (b == '\r') {
                        sawCr = true;
                        *out++ = u'\n';
                        i += i + 1 < size && in[i + 1] == '\n' ? 2 : 1;
                        continue;
                    }
                    sawLf |= b == '\n';
                }
                *out++ = t.single[b];
                ++i;
#ifdef __SSE2__
                // An ASCII byte often starts a run (markup, English); such
                // runs go sixteen bytes at a time.
                if (b < 0x80 && t.asciiIsIdentity) {
                    const __m128i zero = _mm_setzero_si128();
                    while (i + 16 <= chunkEnd) {
                        const __m128i block =
                                _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
                        if constexpr (joinLines) {
                            const __m128i cr = _mm_cmpeq_epi8(block, _mm_set1_epi8('\r'));
                            if (_mm_movemask_epi8(_mm_or_si128(block, cr)) != 0)
                                break;
                            const __m128i lf = _mm_cmpeq_epi8(block, _mm_set1_epi8('\n'));
                            sawLf |= _mm_movemask_epi8(lf) != 0;
                        } else {
                            if (_mm_movemask_epi8(block) != 0)
                                break;
                        }
                        _mm_storeu_si128(reinterpret_cast<__m128i *>(out),
                                         _mm_unpacklo_epi8(block, zero));
                        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 8),
                                         _mm_unpackhi_epi8(block, zero));
                        out += 16;
                        i += 16;
                    }
                }
#endif
                continue;
            }
            putSupplementary(out, placeholderBase + b);
            ++i;
            ++*strays;
        }
    }

    if (ends)
        *ends = {sawLf, sawCr};
    // Double-byte text leaves up to half the buffer unused.
    return output.take(out);
}

} // namespace

QString decode(QByteArrayView bytes)
{
    qsizetype strays = 0;
    return decodeImpl<false>(bytes, nullptr, &strays);
}

DecodedLines decodeLines(QByteArrayView bytes)
{
    LineEnds ends;
    DecodedLines result;
    result.text = decodeImpl<true>(bytes, &ends, &result.strays);
    result.hasLf = ends.lf;
    result.hasCr = ends.cr;
    return result;
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
    return offset >= firstDoubleCode && offset <= lastDoubleCode && tables().duplicate[offset];
}

} // namespace cp932
