#pragma once

#include <QtGlobal>

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
