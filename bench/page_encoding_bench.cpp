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
    QString text = pageSample(50);
    const qsizetype step = text.size() / (count + 1);
    // From the back, so the earlier positions still hold.
    for (int i = count; i >= 1; --i)
        text.insert(i * step, emoji);
    return text;
}

struct Split {
    qint64 oursNs = 0;
    qint64 floorNs = 0;

    template<typename F>
    static qint64 time(F &&work)
    {
        const qint64 start = threadCpuNs();
        work();
        return threadCpuNs() - start;
    }

    void report(benchmark::State &state) const
    {
        const double n = double(state.iterations());
        state.counters["ours_ms"] = double(oursNs) / 1e6 / n;
        state.counters["floor_ms"] = double(floorNs) / 1e6 / n;
        state.counters["ratio"] = floorNs > 0 ? double(oursNs) / double(floorNs) : 0.0;
    }
};

// The save's listing (the encode that goes on past each character, their
// places in the markup, lines and columns of those shown) beside the encode
// that stops at the first: on a page whose one such character is its last,
// so that it reads the whole page as the listing does.
void BM_ListUnencodable50(benchmark::State &state)
{
    static const QString listed = pageWith(unencodableCount);
    static const QString last = pageSample(50) + emoji;
    Split split;
    for (auto _ : state) {
        qsizetype found = 0;
        split.oursNs += Split::time([&] {
            QList<qsizetype> all;
            const EncodedText encoded = encodeDocument(listed, LineEnd::CrLf, TextEncoding::ShiftJis, &all);
            const UnencodableReport report = unencodableReport(listed, all, u"Shift_JIS"_s);
            benchmark::DoNotOptimize(encoded.bytes.data());
            found = report.count;
        });
        state.PauseTiming();
        qsizetype line = 0;
        split.floorNs += Split::time([&] {
            const EncodedText encoded = encodeDocument(last, LineEnd::CrLf, TextEncoding::ShiftJis);
            line = encoded.line;
        });
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
    Split split;
    for (auto _ : state) {
        TextEncoding read = TextEncoding::ShiftJis;
        split.oursNs += Split::time([&] {
            const LoadedText loaded = decodeDocument(euc);
            benchmark::DoNotOptimize(loaded.text.data());
            read = loaded.encoding;
        });
        state.PauseTiming();
        TextEncoding floor = TextEncoding::EucJp;
        split.floorNs += Split::time([&] {
            const LoadedText loaded = decodeDocument(sjis);
            benchmark::DoNotOptimize(loaded.text.data());
            floor = loaded.encoding;
        });
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
