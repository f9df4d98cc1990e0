#include "platform/euc_jp_codec.h"

#include "platform/iconv_converter.h"

#include <QtEndian>

#include <array>
#include <cerrno>
#include <memory>

namespace eucjp {
namespace {

using codec::placeholderBase;
using codec::putSupplementary;

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
    IconvConverter toEuc("EUC-JP", "UTF-32LE");
    IconvConverter fromEuc("UTF-32LE", "EUC-JP");
    if (!toEuc.isValid() || !fromEuc.isValid()) {
        // Everything but ASCII still survives as placeholders.
        qWarning("eucjp: iconv has no EUC-JP converter (errno %d)", errno);
        return;
    }

    for (char32_t c = 0x80; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const quint32 in = qToLittleEndian(quint32(c));
        uchar out[8];
        const qsizetype n = toEuc.convert(&in, sizeof in, out, sizeof out);
        if (n == 2 && out[0] == ss2 && out[1] >= 0xA1 && out[1] <= 0xDF)
            encode[c] = quint32(ss2) << 8 | out[1];
        else if (n == 2 && isCodeByte(out[0]) && isCodeByte(out[1]))
            encode[c] = quint32(out[0]) << 8 | out[1];
        else if (n == 3 && out[0] == ss3 && isCodeByte(out[1]) && isCodeByte(out[2]))
            encode[c] = threeBytes | quint32(out[1]) << 8 | out[2];
    }

    // A code gets its character only when that character goes back to it.
    auto decodeOne = [&](const uchar *bytes, size_t size, quint32 code) -> char16_t {
        quint32 out[4];
        if (fromEuc.convert(bytes, size, out, sizeof out) != qsizetype(sizeof(quint32)))
            return 0;
        const char32_t c = qFromLittleEndian(out[0]);
        return c < 0x10000 && encode[c] == code ? char16_t(c) : 0;
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

const Tables &tables()
{
    static const std::unique_ptr<const Tables> t = std::make_unique<const Tables>();
    return *t;
}

template<bool stopAtStray>
Decoded decodeImpl(QByteArrayView bytes)
{
    const Tables &t = tables();
    const uchar *const in = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    Decoded result;

    // Valid text never takes more units than bytes; only placeholders (two
    // units a byte) make the buffer grow.
    codec::Utf16Output output(size);
    char16_t *out = output.begin();

    constexpr qsizetype chunk = 64 * 1024;
    qsizetype i = 0;
    while (i < size) {
        const qsizetype chunkEnd = std::min(size, i + chunk);
        // Two units a byte, +2 for a code that starts in this chunk and ends
        // in the next.
        output.makeRoom(out, 2 * (chunkEnd - i) + 2);
        while (i < chunkEnd) {
            const uchar b = in[i];
            if (b < 0x80) {
                if (b == '\r') {
                    result.hasCr = true;
                    *out++ = u'\n';
                    i += i + 1 < size && in[i + 1] == '\n' ? 2 : 1;
                    continue;
                }
                result.hasLf |= b == '\n';
                *out++ = b;
                ++i;
                // Markup and English go sixteen bytes at a time.
                const qsizetype run = codec::plainAsciiRun(in + i, chunkEnd - i, true);
                result.hasLf |= codec::widenAscii(in + i, run, out);
                out += run;
                i += run;
                continue;
            }
            char16_t c = 0;
            int length = 0;
            if (isCodeByte(b)) {
                if (i + 1 < size && isCodeByte(in[i + 1])) {
                    c = t.jis0208[cellIndex(b, in[i + 1])];
                    length = 2;
                    // Hiragana and katakana.
                    result.kana += c && (b == 0xA4 || b == 0xA5);
                }
            } else if (b == ss2) {
                if (i + 1 < size) {
                    c = t.kana[in[i + 1]];
                    length = 2;
                }
            } else if (b == ss3) {
                if (i + 2 < size && isCodeByte(in[i + 1]) && isCodeByte(in[i + 2])) {
                    c = t.jis0212[cellIndex(in[i + 1], in[i + 2])];
                    length = 3;
                }
            }
            if (c) {
                *out++ = c;
                ++result.multiByte;
                i += length;
                continue;
            }
            ++result.strays;
            if constexpr (stopAtStray) {
                return result;
            }
            putSupplementary(out, placeholderBase + b);
            ++i;
        }
    }
    result.text = output.take(out);
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
    Q_ASSERT(lineBreak.size() == 1 || lineBreak.size() == 2);
    const Tables &t = tables();
    const char16_t *const in = text.utf16();
    const qsizetype size = text.size();
    const bool breakIsLf = lineBreak == QByteArrayView("\n");

    codec::Encoded result;
    // Three bytes a unit at most; the buffer grows chunk by chunk, so
    // mostly ASCII text does not hold three times its size.
    codec::ByteOutput output(size + size / 2);
    char *out = output.begin();

    constexpr qsizetype chunk = 64 * 1024;
    qsizetype i = 0;
    while (i < size) {
        const qsizetype chunkEnd = std::min(size, i + chunk);
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
                const qsizetype run = codec::narrowAsciiRun(in + i, chunkEnd - i, !breakIsLf, out);
                out += run;
                i += run;
                continue;
            }
            if (!QChar::isSurrogate(c)) {
                if (const quint32 v = t.encode[c]) {
                    if (v >= threeBytes)
                        *out++ = char(ss3);
                    *out++ = char(v >> 8);
                    *out++ = char(v);
                    ++i;
                    continue;
                }
            } else if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(in[i + 1])) {
                const char32_t u = QChar::surrogateToUcs4(c, in[i + 1]);
                if (u >= placeholderBase && u <= placeholderBase + 0xFF) {
                    *out++ = char(u - placeholderBase);
                    i += 2;
                    continue;
                }
            }
            // No code for it.
            if (!unencodable) {
                result.firstUnencodable = i;
                result.bytes = output.take(out);
                return result;
            }
            unencodable->append(i);
            i += QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(in[i + 1]) ? 2 : 1;
        }
    }
    if (unencodable && !unencodable->isEmpty())
        result.firstUnencodable = unencodable->first();
    result.bytes = output.take(out);
    return result;
}

} // namespace eucjp
