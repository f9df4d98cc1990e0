#pragma once

#include <QtEndian>
#include <QtGlobal>

#include <cerrno>

#include <iconv.h>

// One glibc converter, for building a codec's tables at start. It stops at
// the first character it cannot convert, so whole strings never go through
// it.
class IconvConverter
{
public:
    IconvConverter(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~IconvConverter()
    {
        if (isValid())
            iconv_close(m_cd);
    }
    IconvConverter(const IconvConverter &) = delete;
    IconvConverter &operator=(const IconvConverter &) = delete;

    bool isValid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts all of `in`, or returns -1.
    qsizetype convert(const void *in, size_t inSize, void *out, size_t outSize)
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char *inPtr = static_cast<char *>(const_cast<void *>(in));
        char *outPtr = static_cast<char *>(out);
        size_t inLeft = inSize;
        size_t outLeft = outSize;
        if (iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1) || inLeft != 0)
            return -1;
        return qsizetype(outSize - outLeft);
    }

private:
    iconv_t m_cd;
};

// An encoding's converters to and from UTF-32, asked a character at a time
// while a codec builds its tables.
class CharConverter
{
public:
    explicit CharConverter(const char *encoding)
        : m_to(encoding, "UTF-32LE"), m_from("UTF-32LE", encoding)
    {
        if (!isValid())
            qWarning("iconv has no %s converter (errno %d)", encoding, errno);
    }

    bool isValid() const { return m_to.isValid() && m_from.isValid(); }

    // Calls found(c, bytes, size) for each character from U+0080 to U+FFFF
    // that the encoding has.
    template<typename Found>
    void forEachEncoded(Found &&found)
    {
        for (char32_t c = 0x80; c < 0x10000; ++c) {
            if (c >= 0xD800 && c <= 0xDFFF)
                continue;
            const quint32 in = qToLittleEndian(quint32(c));
            uchar out[8];
            const qsizetype n = m_to.convert(&in, sizeof in, out, sizeof out);
            if (n > 0)
                found(c, out, n);
        }
    }

    // The one character below U+10000 that `bytes` stand for, or 0.
    char16_t decode(const uchar *bytes, size_t size)
    {
        quint32 out[4];
        if (m_from.convert(bytes, size, out, sizeof out) != qsizetype(sizeof(quint32)))
            return 0;
        const char32_t c = qFromLittleEndian(out[0]);
        return c < 0x10000 ? char16_t(c) : 0;
    }

private:
    IconvConverter m_to;
    IconvConverter m_from;
};
