#include "bench/bench_support.h"
#include "bench/page_samples.h"
#include "document/save_checks.h"
#include "platform/euc_jp_codec.h"
#include "platform/text_file.h"
#include "platform/unencodable_dialog.h"

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

// What the encodings' new work costs beside the work it grew from: listing
// every character Shift-JIS cannot hold beside the encode that stopped at
// the first one, and reading an EUC-JP page beside reading the same page in
// Shift-JIS.

namespace {

constexpr int unencodableCount = 100000;
const QString emoji = u"😀"_s;

// The 50 MB page with `count` characters CP932 cannot hold, evenly spread
// over its text and its attribute values.
QString pageWith(int count)
{
    const QString &page = pageSample(50);
    const qsizetype step = page.size() / (count + 1);
    QString text;
    text.reserve(page.size() + count * emoji.size());
    for (int i = 0; i < count; ++i) {
        text += QStringView(page).sliced(i * step, step);
        text += emoji;
    }
    text += QStringView(page).sliced(count * step);
    return text;
}

// The save's listing (the encode that goes on past each character, their
// places in the markup, lines and columns of those shown) beside the encode
// that stops at the first: on a page whose one such character is its last,
// so that it reads the whole page as the listing does.
void BM_ListUnencodable50(benchmark::State &state)
{
    static const QString listed = pageWith(unencodableCount);
    static const QString last = pageSample(50) + emoji;
    OursAndFloor split;
    for (auto _ : state) {
        split.startOurs();
        QList<qsizetype> all;
        const EncodedText encoded = encodeDocument(listed, LineEnd::CrLf, TextEncoding::ShiftJis, &all);
        const qsizetype found = unencodableReport(listed, all, u"Shift_JIS"_s).count;
        benchmark::DoNotOptimize(encoded.bytes.data());
        split.stopOurs();
        state.PauseTiming();
        split.startFloor();
        const qsizetype line = encodeDocument(last, LineEnd::CrLf, TextEncoding::ShiftJis).line;
        split.stopFloor();
        state.ResumeTiming();
        if (found != unencodableCount || line == 0) {
            state.SkipWithError("the characters were not all found");
            return;
        }
    }
    split.report(state);
}

// Reading a 50 MB EUC-JP page (telling its encoding, decoding, line ends
// joined) beside reading the same page written in Shift-JIS.
void BM_EucJpRead50(benchmark::State &state)
{
    static const QByteArray euc = eucjp::encodeLines(pageSample(50), "\r\n").bytes;
    static const QByteArray sjis = encodeDocument(pageSample(50), LineEnd::CrLf).bytes;
    OursAndFloor split;
    for (auto _ : state) {
        split.startOurs();
        const LoadedText ours = decodeDocument(euc);
        benchmark::DoNotOptimize(ours.text.data());
        split.stopOurs();
        state.PauseTiming();
        split.startFloor();
        const LoadedText bare = decodeDocument(sjis);
        benchmark::DoNotOptimize(bare.text.data());
        split.stopFloor();
        const TextEncoding read = ours.encoding;
        const TextEncoding floor = bare.encoding;
        state.ResumeTiming();
        if (read != TextEncoding::EucJp || floor != TextEncoding::ShiftJis) {
            state.SkipWithError("a page was read in the wrong encoding");
            return;
        }
    }
    split.report(state);
}

} // namespace

BENCHMARK(BM_ListUnencodable50)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_EucJpRead50)->Unit(benchmark::kMillisecond)->Iterations(5);
