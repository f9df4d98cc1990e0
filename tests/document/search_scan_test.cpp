#include "document/search_scan.h"

#include <QString>
#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

constexpr bool Down = true;
constexpr bool Up = false;
constexpr bool Case = true;  // matchCase
constexpr bool Fold = false; // ASCII letters match either case
constexpr bool Word = true;  // wholeWord
constexpr bool Any = false;

struct Row {
    const char16_t *buffer;
    qsizetype selStart;
    qsizetype selLength;
    const char16_t *needle;
    bool down;
    bool matchCase;
    bool wholeWord;
    qsizetype expected;
    const char *why;
};

SearchOptions optionsOf(bool down, bool matchCase, bool wholeWord)
{
    SearchOptions o;
    o.down = down;
    o.matchCase = matchCase;
    o.wholeWord = wholeWord;
    return o;
}

// The walk exactly as the editor describes it, step by step, with no shortcuts,
// so the fast paths have something independent to agree with.
bool referenceIsBreak(char16_t c)
{
    const bool alnum = (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    return !alnum;
}

qsizetype referenceScan(QStringView buffer, qsizetype selStart, qsizetype selLength, QStringView text,
                        const SearchOptions &o)
{
    const qsizetype n = buffer.size();
    const qsizetype L = text.size();
    if (n <= 0 || L == 0)
        return -1;
    qsizetype step, start, count;
    if (o.down) {
        step = 1;
        start = selStart + selLength;
        count = n - start - L;
        if (count < 0 || start + count > n)
            return -1;
    } else {
        step = -1;
        start = selStart - L;
        count = start;
    }
    if (start < 0 || start > n)
        return -1;

    const auto isBreakAt = [&](qsizetype p) { return p >= n || referenceIsBreak(buffer[p].unicode()); };
    const auto fold = [&](QChar c) -> char16_t {
        const char16_t u = c.unicode();
        return (!o.matchCase && u >= u'A' && u <= u'Z') ? char16_t(u + 32) : u;
    };

    qsizetype pos = start;
    qsizetype limit = start + 1; // going up, each comparison must come before the last
    while (count >= 0) {
        if (o.wholeWord) {
            while (count > 0 && (step == 1) != isBreakAt(pos)) {
                pos += step;
                --count;
            }
            while (count > 0 && (step == -1) != isBreakAt(pos)) {
                pos += step;
                --count;
            }
            if (step == -1 && isBreakAt(pos)) {
                ++pos;
                ++count;
            }
        }
        if (step == -1) {
            if (pos >= limit)
                return -1;
            limit = pos;
        }
        bool full = true;
        for (qsizetype i = 0; i < L; ++i) {
            if (pos + i >= n || fold(buffer[pos + i]) != fold(text[i])) {
                full = false;
                break;
            }
        }
        const bool startsWord = pos == 0 || isBreakAt(pos - 1);
        const bool endsWord = pos + L == n || isBreakAt(pos + L);
        if (full && (!o.wholeWord || (startsWord && endsWord)))
            return pos;
        pos += step;
        --count;
    }
    return -1;
}

const Row rows[] = {
    // Direction and the selection.
    {u"abc abc abc", 0, 3, u"abc", Down, Case, Any, 4, "down skips the selected occurrence"},
    {u"abc abc abc", 4, 3, u"abc", Down, Case, Any, 8, "down from the second selected"},
    {u"abc abc abc", 8, 3, u"abc", Down, Case, Any, -1, "down from the last selected"},
    {u"aaaa", 0, 2, u"aa", Down, Case, Any, 2, "down never overlaps the selection"},
    {u"abc abc abc", 8, 0, u"abc", Up, Case, Any, 4, "up finds the match ending before the caret"},
    {u"abc abc abc", 7, 0, u"abc", Up, Case, Any, 4, "up accepts a match ending at the caret"},
    {u"abc abc abc", 6, 0, u"abc", Up, Case, Any, 0, "up skips a match overlapping the caret"},
    {u"abc abc abc", 5, 0, u"abc", Up, Case, Any, 0, "up with the caret inside a word"},
    {u"abc abc abc", 8, 3, u"abc", Up, Fold, Any, 4, "up ignores the selection length"},
    {u"abc", 3, 0, u"c", Up, Case, Any, 2, "up from the very end"},
    {u"abc", 0, 0, u"a", Up, Case, Any, -1, "up from offset 0"},
    {u"abc", 0, 0, u"a", Up, Fold, Word, -1, "up from offset 0, whole word"},
    {u"abc", 3, 0, u"c", Down, Case, Any, -1, "down from the very end"},
    {u"abc", 2, 1, u"c", Down, Fold, Any, -1, "selection reaching the end"},
    {u"abc", 4, 0, u"a", Down, Case, Any, -1, "down starting past the end"},
    {u"abc", -1, 0, u"a", Down, Case, Any, -1, "down starting before the text"},

    // Degenerate inputs.
    {u"", 0, 0, u"a", Down, Fold, Any, -1, "empty buffer"},
    {u"", 0, 0, u"a", Up, Fold, Word, -1, "empty buffer up"},
    {u"abc", 0, 0, u"", Down, Fold, Any, -1, "empty needle"},
    {u"abc", 3, 0, u"", Up, Case, Word, -1, "empty needle up"},
    {u"ab", 0, 0, u"abc", Down, Fold, Any, -1, "needle longer than the buffer"},
    {u"ab", 2, 0, u"abc", Up, Fold, Any, -1, "needle longer than the buffer up"},
    {u"ab", 5, 0, u"abc", Up, Case, Word, -1, "needle longer, caret past the end"},
    {u"xxabc", 0, 0, u"abc", Down, Case, Any, 2, "match ending the buffer"},
    {u"xxabc", 5, 0, u"abc", Up, Fold, Any, 2, "match ending the buffer up"},
    {u"xxabc", 0, 0, u"abc", Down, Fold, Word, -1, "whole word never takes the tail of a word"},
    {u"x abc", 0, 0, u"abc", Down, Fold, Word, 2, "whole word at the end of the text"},
    {u"abc", 0, 0, u"abc", Down, Fold, Any, 0, "needle is the whole buffer"},

    // Folding: ASCII letters only.
    {u"xABCx", 0, 0, u"abc", Down, Fold, Any, 1, "ASCII folds"},
    {u"xABCx", 0, 0, u"abc", Down, Case, Any, -1, "ASCII with match case"},
    {u"xabcx", 5, 0, u"ABC", Up, Fold, Any, 1, "ASCII folds up"},
    {u"xabcx", 5, 0, u"ABC", Up, Case, Any, -1, "ASCII with match case up"},
    {u"aBc", 0, 0, u"AbC", Down, Fold, Any, 0, "mixed case folds"},
    {u"[@`{", 0, 0, u"{", Down, Fold, Any, 3, "neighbours of the letters do not fold"},
    {u"[@`{", 0, 0, u"`", Down, Fold, Any, 2, "backquote is not a folded @"},
    {u"[@`{", 4, 0, u"@", Up, Fold, Any, 1, "at sign is not a folded backquote"},
    {u"\uFF21\uFF22\uFF23", 0, 0, u"\uFF41\uFF42\uFF43", Down, Fold, Any, -1, "full-width never folds"},
    {u"\uFF21\uFF22\uFF23", 3, 0, u"\uFF41\uFF42\uFF43", Up, Fold, Any, -1, "full-width never folds up"},
    {u"\uFF21\uFF22\uFF23\uFF41\uFF42\uFF43", 0, 0, u"\uFF41\uFF42\uFF43", Down, Fold, Any, 3,
     "full-width matches itself"},
    {u"\u00C9", 0, 0, u"\u00E9", Down, Fold, Any, -1, "accented letters never fold"},
    {u"caf\u00E9\u00C9", 5, 0, u"\u00C9", Up, Fold, Any, 4, "accented letter matches itself"},
    {u"caf\u00E9", 0, 0, u"CAF\u00E9", Down, Fold, Any, 0, "folds the ASCII part of a mixed needle"},
    {u"caf\u00E9", 0, 0, u"CAF\u00C9", Down, Fold, Any, -1, "but not the accented part"},

    // Whole words.
    {u"abc abc", 0, 0, u"abc", Down, Fold, Word, 4, "the word at the start is skipped"},
    {u"abc abc", 7, 0, u"abc", Up, Fold, Word, 4, "up finds the last word"},
    {u"abc abc", 4, 0, u"abc", Up, Fold, Word, 0, "up finds the first word"},
    {u"abcd", 0, 0, u"abc", Down, Fold, Word, -1, "not part of a longer word, down"},
    {u"abcd", 4, 0, u"abc", Up, Fold, Word, -1, "not part of a longer word, up"},
    {u"abcd", 4, 0, u"abc", Up, Fold, Any, 0, "without whole word it is found"},
    {u"abc", 3, 0, u"abc", Up, Fold, Word, 0, "up accepts a word ending the buffer"},
    {u"x abc_", 0, 0, u"abc", Down, Fold, Word, 2, "underscore ends a word"},
    {u"x abc_", 6, 0, u"abc", Up, Fold, Word, 2, "underscore ends a word, up"},
    {u"x abc9", 0, 0, u"abc", Down, Fold, Word, -1, "a digit continues a word"},
    {u"ab_ab", 0, 2, u"ab", Down, Fold, Word, 3, "underscore starts a word too"},
    {u"abcabc abc", 0, 0, u"abc", Down, Case, Word, 7, "skips a repeated word"},
    {u"xx abc", 0, 0, u"abc", Down, Fold, Word, 3, "word ending the buffer"},
    {u"a.abc,", 6, 0, u"ABC", Up, Fold, Word, 2, "punctuation around a folded word"},
    {u"a.abc,", 6, 0, u"ABC", Up, Case, Word, -1, "punctuation around, match case"},
    {u"\u65E5\u672Cabc\u8A9E", 0, 0, u"abc", Down, Fold, Word, 2, "Japanese around a word"},
    {u"\u65E5\u672Cabc\u8A9E", 6, 0, u"abc", Up, Fold, Word, 2, "Japanese around a word, up"},

    // Up walks that would come back to a position already compared.
    {u" xyzw", 5, 0, u"ab", Up, Fold, Word, -1, "leading break, no match"},
    {u"  ", 2, 0, u"x", Up, Fold, Word, -1, "only breaks"},
    {u" ", 1, 0, u"x", Up, Case, Word, -1, "one break"},
    {u"___", 3, 0, u"_", Up, Fold, Word, 1, "break needle in a text of breaks"},
    {u"__a", 3, 0, u"_", Up, Fold, Word, -1, "break needle followed by a letter"},
    {u" xyzw", 3, 0, u"xy", Up, Fold, Word, -1, "word start found but not a whole word"},

    // Non-ASCII needles and line breaks.
    {u"\u65E5\u672C\u8A9E", 0, 0, u"\u672C", Down, Fold, Any, 1, "Japanese needle"},
    {u"\u30C6\u30B9\u30C8\u65E5\u672C\u8A9E\u30C6\u30B9\u30C8", 0, 0, u"\u65E5\u672C", Down, Fold, Any, 3,
     "two-character Japanese needle"},
    {u"\u30C6\u30B9\u30C8\u65E5\u672C\u8A9E\u30C6\u30B9\u30C8", 9, 0, u"\u30C6\u30B9\u30C8", Up, Case, Any, 6,
     "Japanese needle up"},
    {u"\u30C6\u30B9\u30C8\u65E5\u672C\u8A9E\u30C6\u30B9\u30C8", 6, 0, u"\u30C6\u30B9\u30C8", Up, Fold, Any, 0,
     "Japanese needle up, earlier one"},
    {u"Aa\u65E5", 0, 0, u"A\u65E5", Down, Fold, Any, 1, "mixed needle folds its letter"},
    {u"Aa\u65E5", 3, 0, u"a\u65E5", Up, Case, Any, 1, "mixed needle, match case"},
    {u"abc\u2029def\u2029abc", 0, 3, u"abc", Down, Case, Any, 8, "across two line breaks"},
    {u"abc\u2029def\u2029abc", 8, 0, u"abc", Up, Case, Any, 0, "up across two line breaks"},
    {u"abc\u2029def\u2029abc", 0, 0, u"abc", Down, Fold, Word, 8, "line breaks end words"},
    {u"abc\u2029def\u2029abc", 11, 0, u"DEF", Up, Fold, Word, 4, "line breaks end words, up"},
    {u"abc\u2029def\u2029abc", 0, 0, u"c\u2029d", Down, Case, Any, 2, "needle spanning a line break"},
    {u"\u2029\u2029\u2029", 3, 0, u"\u2029\u2029", Up, Case, Any, 1, "needle of line breaks up"},
};

TEST(ScanBufferTable, MatchesExpectedOffsets)
{
    for (const Row &row : rows) {
        SCOPED_TRACE(row.why);
        const QString buffer = QString::fromUtf16(row.buffer);
        const QString needle = QString::fromUtf16(row.needle);
        EXPECT_EQ(ScanBuffer(buffer, row.selStart, row.selLength, needle,
                             optionsOf(row.down, row.matchCase, row.wholeWord)),
                  row.expected);
    }
}

// The cross-checks below lean on the reference; make sure it reads the rules
// the same way the table does.
TEST(ScanBufferTable, ReferenceAgreesWithTable)
{
    for (const Row &row : rows) {
        SCOPED_TRACE(row.why);
        const QString buffer = QString::fromUtf16(row.buffer);
        const QString needle = QString::fromUtf16(row.needle);
        EXPECT_EQ(referenceScan(buffer, row.selStart, row.selLength, needle,
                                optionsOf(row.down, row.matchCase, row.wholeWord)),
                  row.expected);
    }
}

TEST(ScanBufferWordBreak, ClassifiesCharacters)
{
    struct BreakRow {
        char16_t c;
        bool isBreak;
    };
    const BreakRow breakRows[] = {
        {u'0', false}, {u'9', false},  {u'A', false},     {u'Z', false},     {u'a', false},
        {u'z', false}, {u'_', true},   {u' ', true},      {u'/', true},      {u':', true},
        {u'@', true},  {u'[', true},   {u'`', true},      {u'{', true},      {u'\t', true},
        {0x2029, true}, {0x00E9, true}, {0x00C9, true},   {0xFF21, true},    {0xFF10, true},
        {0x65E5, true}, {0x3042, true}, {0x0000, true},   {0x007F, true},
    };
    for (const BreakRow &row : breakRows) {
        SCOPED_TRACE(int(row.c));
        EXPECT_EQ(isWordBreak(QChar(row.c)), row.isBreak);
    }
}

// Replace All calls the scan again and again over one text, each time from the
// match it just found.
TEST(ScanBufferRepeated, WalksAllMatches)
{
    struct WalkRow {
        const char16_t *buffer;
        qsizetype caret;
        const char16_t *needle;
        bool down;
        bool matchCase;
        bool wholeWord;
        std::vector<qsizetype> expected;
    };
    const WalkRow walkRows[] = {
        {u"aaaa", 0, u"aa", Down, Case, Any, {0, 2}},
        {u"aaaaa", 5, u"aa", Up, Case, Any, {3, 1}},
        {u"abc abc abc", 11, u"ABC", Up, Fold, Any, {8, 4, 0}},
        {u"abc abc abc", 11, u"ABC", Up, Case, Any, {}},
        {u"abc ABC aBc", 0, u"abc", Down, Fold, Any, {0, 4, 8}},
        {u"abc ABC aBc", 0, u"abc", Down, Fold, Word, {4, 8}},
        {u"abc abcd abc_abc", 16, u"abc", Up, Fold, Word, {13, 9, 0}},
        {u"\u65E5abc\u65E5abcx\u2029abc", 0, u"abc", Down, Fold, Word, {1, 10}},
    };
    for (const WalkRow &row : walkRows) {
        const QString buffer = QString::fromUtf16(row.buffer);
        const QString needle = QString::fromUtf16(row.needle);
        SCOPED_TRACE(buffer.toStdString());
        const SearchOptions options = optionsOf(row.down, row.matchCase, row.wholeWord);
        std::vector<qsizetype> found;
        qsizetype selStart = row.caret;
        qsizetype selLength = 0;
        while (found.size() <= row.expected.size()) {
            const qsizetype at = ScanBuffer(buffer, selStart, selLength, needle, options);
            if (at < 0)
                break;
            found.push_back(at);
            selStart = at;
            selLength = needle.size();
        }
        EXPECT_EQ(found, row.expected);
    }
}

// The vector paths work in blocks; put a single match at every offset of a
// text long enough to cover several blocks and their tails.
TEST(ScanBufferLongText, FindsAMatchAtEveryOffset)
{
    const qsizetype n = 101;
    for (qsizetype at = 0; at + 2 <= n; ++at) {
        QString buffer(n, QChar(0x65E5));
        buffer[at] = QLatin1Char('A');
        buffer[at + 1] = QLatin1Char('b');
        SCOPED_TRACE(at);
        EXPECT_EQ(ScanBuffer(buffer, 0, 0, u"ab", optionsOf(Down, Fold, Any)), at);
        EXPECT_EQ(ScanBuffer(buffer, n, 0, u"ab", optionsOf(Up, Fold, Any)), at);
        EXPECT_EQ(ScanBuffer(buffer, 0, 0, u"ab", optionsOf(Down, Case, Any)), -1);
        EXPECT_EQ(ScanBuffer(buffer, n, 0, u"Ab", optionsOf(Up, Case, Any)), at);
        // The word under the caret is skipped going down, so a word at 0 is not found.
        EXPECT_EQ(ScanBuffer(buffer, 0, 0, u"AB", optionsOf(Down, Fold, Word)), at == 0 ? -1 : at);
        EXPECT_EQ(ScanBuffer(buffer, n, 0, u"AB", optionsOf(Up, Fold, Word)), at);
        // Bounded by the selection on either side.
        EXPECT_EQ(ScanBuffer(buffer, at + 1, 0, u"ab", optionsOf(Down, Fold, Any)), -1);
        EXPECT_EQ(ScanBuffer(buffer, at + 1, 0, u"ab", optionsOf(Up, Fold, Any)), -1);
        EXPECT_EQ(ScanBuffer(buffer, at, 0, u"ab", optionsOf(Down, Fold, Any)), at);
        EXPECT_EQ(ScanBuffer(buffer, at + 2, 0, u"ab", optionsOf(Up, Fold, Any)), at);
    }
}

QString randomText(std::mt19937 &rng, const QString &alphabet, qsizetype length)
{
    std::uniform_int_distribution<qsizetype> pick(0, alphabet.size() - 1);
    QString s;
    s.reserve(length);
    for (qsizetype i = 0; i < length; ++i)
        s.append(alphabet[pick(rng)]);
    return s;
}

// Outcomes per option combination (down, matchCase, wholeWord as bits).
struct CrossCheckTally {
    int found[8] = {};
    int missed[8] = {};
};

int comboOf(const SearchOptions &o)
{
    return (o.down ? 4 : 0) | (o.matchCase ? 2 : 0) | (o.wholeWord ? 1 : 0);
}

void crossCheck(std::mt19937 &rng, const QString &alphabet, qsizetype maxLength, int rounds,
                CrossCheckTally &tally)
{
    std::uniform_int_distribution<qsizetype> length(0, maxLength);
    std::uniform_int_distribution<int> coin(0, 1);
    std::uniform_int_distribution<int> needleLength(0, 4);
    for (int round = 0; round < rounds; ++round) {
        const QString buffer = randomText(rng, alphabet, length(rng));
        const qsizetype n = buffer.size();
        QString needle;
        if (coin(rng) && n > 0) {
            // A piece of the buffer, so that matches are common.
            std::uniform_int_distribution<qsizetype> from(0, n - 1);
            const qsizetype f = from(rng);
            std::uniform_int_distribution<qsizetype> len(1, qMin<qsizetype>(4, n - f));
            needle = buffer.mid(f, len(rng));
            if (coin(rng))
                needle = needle.toUpper();
        } else {
            needle = randomText(rng, alphabet, needleLength(rng));
        }
        std::uniform_int_distribution<qsizetype> selStartDist(-2, n + 2);
        std::uniform_int_distribution<qsizetype> selLengthDist(-1, 3);
        const qsizetype selStart = selStartDist(rng);
        const qsizetype selLength = selLengthDist(rng);
        const SearchOptions options = optionsOf(coin(rng), coin(rng), coin(rng));

        const qsizetype expected = referenceScan(buffer, selStart, selLength, needle, options);
        const qsizetype actual = ScanBuffer(buffer, selStart, selLength, needle, options);
        if (expected != actual) {
            ADD_FAILURE() << "buffer \"" << buffer.toStdString() << "\" sel " << selStart << "+" << selLength
                          << " needle \"" << needle.toStdString() << "\" down " << options.down << " case "
                          << options.matchCase << " word " << options.wholeWord << ": expected " << expected
                          << ", got " << actual;
            return;
        }
        ++(expected >= 0 ? tally.found : tally.missed)[comboOf(options)];
    }
}

TEST(ScanBufferCrossCheck, SmallBuffersAgreeWithReference)
{
    std::mt19937 rng(20240611);
    CrossCheckTally tally;
    crossCheck(rng, QStringLiteral(u"abA _\u65E5"), 12, 400000, tally);
    // Every combination must see both outcomes often, or the comparison proves little.
    for (int combo = 0; combo < 8; ++combo) {
        SCOPED_TRACE(combo);
        EXPECT_GT(tally.found[combo], 1000);
        EXPECT_GT(tally.missed[combo], 1000);
    }
}

TEST(ScanBufferCrossCheck, LongBuffersAgreeWithReference)
{
    std::mt19937 rng(77);
    CrossCheckTally tally;
    // Mostly breaks, so the letters (and so the candidates) are sparse and the
    // block loops run over long stretches.
    crossCheck(rng, QStringLiteral(u"\u65E5\u65E5\u65E5\u2029  _aAb"), 200, 40000, tally);
    for (int combo = 0; combo < 8; ++combo) {
        SCOPED_TRACE(combo);
        EXPECT_GT(tally.found[combo], 200);
        EXPECT_GT(tally.missed[combo], 200);
    }
}

} // namespace
