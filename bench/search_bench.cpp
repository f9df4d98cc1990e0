#include "document/search_scan.h"

#include <QString>
#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr qsizetype Mega = 1000 * 1000;
constexpr int PlantedMatches = 10000;

// Starts with 'e', like "editor" in the text, so the scans meet a stream of
// near misses rather than a key that never occurs.
const QString needle = QStringLiteral("editorial");

// Editor-like text: ASCII and Japanese words, markup, punctuation and
// paragraph breaks. It never contains `needle`.
QString makeText(qsizetype length)
{
    static const QString words[] = {
        QStringLiteral("the"),    QStringLiteral("editor"), QStringLiteral("text"),
        QStringLiteral("search"), QStringLiteral("Window"), QStringLiteral("file"),
        QStringLiteral("HTML"),   QStringLiteral("<p>"),    QStringLiteral("</p>"),
        QStringLiteral("body"),   QStringLiteral("Table"),  QStringLiteral("line"),
        QStringLiteral("font"),   QStringLiteral("color"),  QStringLiteral("value"),
        QStringLiteral("edit_1"), QStringLiteral(u"日本語"), QStringLiteral(u"テキスト"),
        QStringLiteral(u"検索"),  QStringLiteral(u"置換"),  QStringLiteral(u"文書"),
        QStringLiteral(u"編集"),  QStringLiteral(u"ファイル"), QStringLiteral(u"見出し"),
    };
    static const QString separators[] = {
        QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(u"、"),
        QStringLiteral(u"。"), QStringLiteral(","), QStringLiteral(u"\u2029"),
    };
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> word(0, int(std::size(words)) - 1);
    std::uniform_int_distribution<int> separator(0, int(std::size(separators)) - 1);
    QString text;
    text.reserve(length + 16);
    while (text.size() < length) {
        text += words[word(rng)];
        text += separators[separator(rng)];
    }
    text.truncate(length);
    return text;
}

const QString &missingText()
{
    static const QString text = makeText(50 * Mega);
    return text;
}

// `length` characters with the needle planted as a word PlantedMatches times,
// evenly spread.
QString makePlantedText(qsizetype length)
{
    const QString planted = QLatin1Char(' ') + needle + QLatin1Char(' ');
    const qsizetype gap = length / PlantedMatches - planted.size();
    const QString filler = makeText(length);
    QString text;
    text.reserve(length);
    for (int i = 0; i < PlantedMatches; ++i) {
        text += QStringView(filler).sliced(qsizetype(i) * gap, gap);
        text += planted;
    }
    return text;
}

const QString &plantedText(qsizetype megaChars)
{
    static const QString text10 = makePlantedText(10 * Mega);
    static const QString text50 = makePlantedText(50 * Mega);
    return megaChars == 10 ? text10 : text50;
}

struct Mode {
    const char *label;
    SearchOptions options;
};

const Mode modes[] = {
    {"down, match case", {true, true, false}},
    {"down, ASCII fold", {true, false, false}},
    {"down, whole word", {true, false, true}},
    {"up, match case", {false, true, false}},
    {"up, ASCII fold", {false, false, false}},
    {"up, whole word", {false, false, true}},
};

void BM_MissingFloorIndexOf(benchmark::State &state)
{
    const QString &text = missingText();
    for (auto _ : state)
        benchmark::DoNotOptimize(QStringView(text).indexOf(needle));
    state.SetItemsProcessed(state.iterations() * text.size());
}

void BM_MissingFloorLastIndexOf(benchmark::State &state)
{
    const QString &text = missingText();
    for (auto _ : state)
        benchmark::DoNotOptimize(QStringView(text).lastIndexOf(needle));
    state.SetItemsProcessed(state.iterations() * text.size());
}

void BM_MissingScan(benchmark::State &state)
{
    const QString &text = missingText();
    const Mode &mode = modes[state.range(0)];
    const qsizetype caret = mode.options.down ? 0 : text.size();
    for (auto _ : state) {
        if (ScanBuffer(text, caret, 0, needle, mode.options) != -1) {
            state.SkipWithError("the needle should be missing");
            break;
        }
    }
    state.SetLabel(mode.label);
    state.SetItemsProcessed(state.iterations() * text.size());
}

// What Replace All does: find, then search again from the match.
void BM_ReplaceAllScan(benchmark::State &state)
{
    const QString &text = plantedText(state.range(0));
    const Mode &mode = modes[state.range(1)];
    int found = 0;
    for (auto _ : state) {
        found = 0;
        qsizetype selStart = mode.options.down ? 0 : text.size();
        qsizetype selLength = 0;
        for (;;) {
            const qsizetype at = ScanBuffer(text, selStart, selLength, needle, mode.options);
            if (at < 0)
                break;
            ++found;
            selStart = at;
            selLength = needle.size();
        }
    }
    if (found != PlantedMatches)
        state.SkipWithError("wrong number of matches");
    state.SetLabel(mode.label);
    state.counters["matches"] = found;
}

void BM_ReplaceAllFloorIndexOf(benchmark::State &state)
{
    const QString &text = plantedText(state.range(0));
    const QStringView view(text);
    int found = 0;
    for (auto _ : state) {
        found = 0;
        for (qsizetype at = view.indexOf(needle); at >= 0; at = view.indexOf(needle, at + needle.size()))
            ++found;
    }
    if (found != PlantedMatches)
        state.SkipWithError("wrong number of matches");
    state.counters["matches"] = found;
}

BENCHMARK(BM_MissingFloorIndexOf)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_MissingFloorLastIndexOf)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_MissingScan)->DenseRange(0, 5)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ReplaceAllFloorIndexOf)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReplaceAllScan)
    ->ArgsProduct({{10, 50}, {0, 1, 2, 3, 4, 5}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace
