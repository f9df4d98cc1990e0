#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

#include <algorithm>

// What the document codecs share: the placeholders that carry bytes no
// character stands for, and output written straight into a string's or a
// byte array's storage.
namespace codec {

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

} // namespace codec
