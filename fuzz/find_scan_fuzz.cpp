// The find scan against a plain walk of the same rules, written out step by
// step with no shortcuts: the two must agree on every text, find text,
// selection and option.
#include "document/search_scan.h"

#include <QString>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

bool breaks(char16_t c)
{
    return !((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'));
}

char16_t upper(char16_t c, bool matchCase)
{
    return !matchCase && c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
}

// The walk: down from the end of the selection, up from the selection start
// less the find text's length, one unit per step. With whole word, each step
// first moves to a word start: down it leaves the word it stands in and the
// breaks after it, up it passes the breaks and the word before them. The
// terminating unit after the text counts as a break. Two rules keep the walk
// honest where it runs out of room: a whole-word match must start and end a
// word, and going up each comparison comes before the one before it, the
// first at or before the start (a match ends at or before the selection).
qsizetype walk(const QString &buffer, qsizetype selStart, qsizetype selLength, const QString &text,
               const SearchOptions &o)
{
    const qsizetype n = buffer.size();
    const qsizetype L = text.size();
    if (n <= 0 || L == 0)
        return -1;
    const auto at = [&](qsizetype p) -> char16_t { return p < n ? buffer[p].unicode() : 0; };

    qsizetype step = 1, start = 0, count = 0;
    if (o.down) {
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

    qsizetype pos = start;
    qsizetype lastCompared = start + 1;
    while (count >= 0) {
        if (o.wholeWord) {
            while (count > 0 && (step == 1) != breaks(at(pos))) {
                pos += step;
                --count;
            }
            while (count > 0 && (step == -1) != breaks(at(pos))) {
                pos += step;
                --count;
            }
            if (step == -1 && breaks(at(pos))) {
                ++pos;
                ++count;
            }
        }
        if (step == -1) {
            if (pos >= lastCompared)
                return -1;
            lastCompared = pos;
        }
        qsizetype i = 0;
        while (i < L && upper(at(pos + i), o.matchCase) == upper(text[i].unicode(), o.matchCase))
            ++i;
        if (i == L) {
            const bool wordStart = pos == 0 || breaks(at(pos - 1));
            if (!o.wholeWord || (wordStart && breaks(at(pos + L))))
                return pos;
        }
        pos += step;
        --count;
    }
    return -1;
}

// Short texts over a small alphabet, so that matches, case pairs and word
// edges are common; the rest of the data decides the selection and options.
QString textFrom(FuzzedDataProvider &in, size_t maxLength)
{
    static const char16_t alphabet[] = u"aAbB0_ .\n\u3042\u30C6\uFF21\U0001F600";
    QString text;
    const size_t length = in.ConsumeIntegralInRange<size_t>(0, maxLength);
    for (size_t i = 0; i < length; ++i)
        text += QChar(alphabet[in.ConsumeIntegralInRange<size_t>(0, std::size(alphabet) - 2)]);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    SearchOptions options;
    options.down = in.ConsumeBool();
    options.matchCase = in.ConsumeBool();
    options.wholeWord = in.ConsumeBool();
    const QString text = textFrom(in, 4);
    const QString buffer = textFrom(in, 200);
    // A selection the editor could have: inside the text.
    const qsizetype selStart = in.ConsumeIntegralInRange<qsizetype>(0, buffer.size());
    const qsizetype selLength = in.ConsumeIntegralInRange<qsizetype>(0, buffer.size() - selStart);

    const qsizetype fast = ScanBuffer(buffer, selStart, selLength, text, options);
    const qsizetype plain = walk(buffer, selStart, selLength, text, options);
    if (fast != plain) {
        std::fprintf(stderr, "\"%s\" in \"%s\", selection %lld+%lld, %s%s%s\n",
                     qPrintable(text), qPrintable(buffer), (long long)selStart, (long long)selLength,
                     options.down ? "down" : "up", options.matchCase ? ", match case" : "",
                     options.wholeWord ? ", whole word" : "");
        std::fprintf(stderr, "find scan: %lld, the plain walk: %lld\n", (long long)fast, (long long)plain);
        std::abort();
    }
    return 0;
}
