#include "document/search_scan.h"

#include <QtNumeric>

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

inline bool isAsciiUpper(char16_t c)
{
    return unsigned(c) - u'A' < 26u;
}

inline bool isAsciiLetter(char16_t c)
{
    return (unsigned(c) | 0x20u) - u'a' < 26u;
}

inline bool isBreakUnit(char16_t c)
{
    return !(c < 0x80 && (unsigned(c) - u'0' < 10u || isAsciiLetter(c)));
}

inline char16_t foldAscii(char16_t c)
{
    return isAsciiUpper(c) ? char16_t(c | 0x20) : c;
}

// The candidate key is the needle's first unit. With folding, ORing 0x20 into
// a unit maps exactly 'A'..'Z' onto 'a'..'z' for a lowercase letter target, so
// one compare per unit finds both cases and nothing else.
struct Key {
    char16_t target;
    char16_t orMask;
};

#if defined(__SSE2__)
inline unsigned laneMask(const char16_t *p, __m128i target, __m128i orMask)
{
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
    return unsigned(_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_or_si128(v, orMask), target)));
}
#endif

// First p in [from, end) holding the key, or -1.
qsizetype findKeyForward(const char16_t *b, qsizetype from, qsizetype end, Key key)
{
    qsizetype p = from;
#if defined(__SSE2__)
    const __m128i target = _mm_set1_epi16(short(key.target));
    const __m128i orMask = _mm_set1_epi16(short(key.orMask));
    for (; p + 32 <= end; p += 32) {
        const unsigned m0 = laneMask(b + p, target, orMask);
        const unsigned m1 = laneMask(b + p + 8, target, orMask);
        const unsigned m2 = laneMask(b + p + 16, target, orMask);
        const unsigned m3 = laneMask(b + p + 24, target, orMask);
        const quint64 all = quint64(m0) | quint64(m1) << 16 | quint64(m2) << 32 | quint64(m3) << 48;
        if (all)
            return p + std::countr_zero(all) / 2;
    }
    for (; p + 8 <= end; p += 8) {
        if (const unsigned m = laneMask(b + p, target, orMask))
            return p + std::countr_zero(m) / 2;
    }
#endif
    for (; p < end; ++p) {
        if ((b[p] | key.orMask) == key.target)
            return p;
    }
    return -1;
}

// Last p in [0, from] holding the key, or -1.
qsizetype findKeyBackward(const char16_t *b, qsizetype from, Key key)
{
    qsizetype end = from + 1; // units [0, end) remain to look at
#if defined(__SSE2__)
    const __m128i target = _mm_set1_epi16(short(key.target));
    const __m128i orMask = _mm_set1_epi16(short(key.orMask));
    for (; end >= 32; end -= 32) {
        const char16_t *p = b + end - 32;
        const unsigned m0 = laneMask(p, target, orMask);
        const unsigned m1 = laneMask(p + 8, target, orMask);
        const unsigned m2 = laneMask(p + 16, target, orMask);
        const unsigned m3 = laneMask(p + 24, target, orMask);
        const quint64 all = quint64(m0) | quint64(m1) << 16 | quint64(m2) << 32 | quint64(m3) << 48;
        if (all)
            return end - 32 + (63 - std::countl_zero(all)) / 2;
    }
    for (; end >= 8; end -= 8) {
        if (const unsigned m = laneMask(b + end - 8, target, orMask))
            return end - 8 + (31 - std::countl_zero(m)) / 2;
    }
#endif
    while (end > 0) {
        --end;
        if ((b[end] | key.orMask) == key.target)
            return end;
    }
    return -1;
}

// Units 1..L-1 of the needle at p; the caller has matched unit 0 and knows the
// needle fits.
template <bool Fold>
inline bool restMatches(const char16_t *at, const char16_t *t, qsizetype L)
{
    for (qsizetype i = 1; i < L; ++i) {
        if constexpr (Fold) {
            if (foldAscii(at[i]) != foldAscii(t[i]))
                return false;
        } else {
            if (at[i] != t[i])
                return false;
        }
    }
    return true;
}

// The word test walks over the text word by word, comparing only where it
// lands. Going down it lands on every word start after `start` and, when the
// walk runs out of room, on the last position the needle fits (taken only when
// a word starts there). Going up it lands on every word start at or before
// `start`, plus offset 1 when the text opens with two breaks. These helpers
// say whether p is such a landing place, so the scan can jump between key
// candidates instead of walking.
inline bool endsWord(const char16_t *b, qsizetype n, qsizetype p, qsizetype L)
{
    return p + L == n || isBreakUnit(b[p + L]);
}

inline bool startsWord(const char16_t *b, qsizetype p)
{
    return p == 0 || isBreakUnit(b[p - 1]);
}

// When the walk runs out of room it stops on the last position the needle
// fits, which may be inside a word: that is no whole word.
inline bool landsDown(const char16_t *b, qsizetype p, qsizetype start, qsizetype last)
{
    return (p == last && startsWord(b, p)) || (p > start && !isBreakUnit(b[p]) && startsWord(b, p));
}

inline bool landsUp(const char16_t *b, qsizetype p)
{
    if (!isBreakUnit(b[p]))
        return p == 0 || isBreakUnit(b[p - 1]);
    return p == 1 && isBreakUnit(b[0]);
}

template <bool Fold, bool WholeWord>
qsizetype scanDown(const char16_t *b, qsizetype n, qsizetype start, const char16_t *t, qsizetype L,
                   Key key)
{
    const qsizetype last = n - L;
    for (qsizetype p = start; p <= last; ++p) {
        p = findKeyForward(b, p, last + 1, key);
        if (p < 0)
            return -1;
        if (!restMatches<Fold>(b + p, t, L))
            continue;
        if (!WholeWord || (endsWord(b, n, p, L) && landsDown(b, p, start, last)))
            return p;
    }
    return -1;
}

template <bool Fold, bool WholeWord>
qsizetype scanUp(const char16_t *b, qsizetype n, qsizetype start, const char16_t *t, qsizetype L,
                 Key key)
{
    for (qsizetype p = qMin(start, n - L); p >= 0; --p) {
        p = findKeyBackward(b, p, key);
        if (p < 0)
            return -1;
        if (!restMatches<Fold>(b + p, t, L))
            continue;
        if (!WholeWord || (endsWord(b, n, p, L) && landsUp(b, p)))
            return p;
    }
    return -1;
}

template <bool Fold>
qsizetype scan(const char16_t *b, qsizetype n, qsizetype start, const char16_t *t, qsizetype L,
               const SearchOptions &options)
{
    const Key key = Fold && isAsciiLetter(t[0]) ? Key{foldAscii(t[0]), 0x20} : Key{t[0], 0};
    if (options.down) {
        return options.wholeWord ? scanDown<Fold, true>(b, n, start, t, L, key)
                                 : scanDown<Fold, false>(b, n, start, t, L, key);
    }
    return options.wholeWord ? scanUp<Fold, true>(b, n, start, t, L, key)
                             : scanUp<Fold, false>(b, n, start, t, L, key);
}

} // namespace

bool isWordBreak(QChar c)
{
    return isBreakUnit(c.unicode());
}

qsizetype ScanBuffer(QStringView buffer, qsizetype selStart, qsizetype selLength,
                     QStringView text, const SearchOptions &options)
{
    const qsizetype n = buffer.size();
    const qsizetype L = text.size();
    if (n <= 0 || L == 0)
        return -1;

    qsizetype start = 0;
    if (options.down) {
        if (qAddOverflow(selStart, selLength, &start) || start < 0 || start > n)
            return -1;
        const qsizetype count = n - start - L;
        if (count < 0 || start + count > n)
            return -1;
    } else {
        if (qSubOverflow(selStart, L, &start) || start < 0 || start > n)
            return -1;
    }
    if (L > n)
        return -1;

    const char16_t *b = buffer.utf16();
    const char16_t *t = text.utf16();

    // Folding only matters when the needle has an ASCII letter; without one the
    // exact search is the same search, and Qt's is the fastest we have.
    bool fold = false;
    if (!options.matchCase) {
        for (qsizetype i = 0; i < L && !fold; ++i)
            fold = isAsciiLetter(t[i]);
    }

    if (!fold && !options.wholeWord) {
        if (options.down)
            return buffer.indexOf(text, start);
        return buffer.lastIndexOf(text, qMin(start, n - L));
    }
    return fold ? scan<true>(b, n, start, t, L, options) : scan<false>(b, n, start, t, L, options);
}
