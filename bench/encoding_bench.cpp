#include "bench/bench_support.h"
#include "app/main_form.h"
#include "document/doc_editor.h"
#include "document/mdi_child.h"
#include "platform/cp932_codec.h"
#include "platform/text_file.h"
#include "platform/utf8_codec.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include <map>
#include <memory>

using namespace Qt::StringLiterals;

// What telling UTF-8 pages from Shift-JIS ones costs: the scan beside Qt's
// own UTF-8 validator, and beside the opening of the same page in a window;
// reading and writing UTF-8 beside Qt's converters.

namespace {

constexpr qsizetype megabyte = 1000 * 1000;

enum Kind { Ascii, ShiftJis, Utf8 };

// A 50 MB page: markup and English only (the scan reads it to the end and
// finds no UTF-8), or half Japanese in Shift-JIS (the scan stops at the
// first Japanese character) or in UTF-8 (the scan reads it all).
const QByteArray &page(Kind kind)
{
    static std::map<Kind, QByteArray> pages;
    QByteArray &bytes = pages[kind];
    if (!bytes.isEmpty())
        return bytes;
    const QString english =
            u"<td align=\"right\">The quick brown fox jumps over the lazy dog; see page 12.</td>\r\n"_s;
    const QString japanese = u"<p class=\"body\">吾輩は猫である。名前はまだ無い。どこで生れたか"
                             u"とんと見当がつかぬ。 ｶﾀｶﾅ, ASCII 0123456789 &amp; <b>text</b></p>\r\n"_s;
    const QByteArray line = kind == Ascii      ? english.toLatin1()
                            : kind == ShiftJis ? cp932::encode(japanese).bytes
                                               : japanese.toUtf8();
    bytes.reserve(50 * megabyte + line.size());
    while (bytes.size() < 50 * megabyte)
        bytes += line;
    return bytes;
}

QString pageFile(Kind kind)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(u"page%1.htm"_s.arg(int(kind)));
    if (!QFile::exists(path)) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(page(kind)) != page(kind).size())
            qFatal("cannot write the benchmark page");
    }
    return path;
}

// Opening the page in the program's window, to first paint, once.
double openMs(Kind kind)
{
    static std::map<Kind, double> measured;
    if (const auto it = measured.find(kind); it != measured.end())
        return it->second;
    benchPlatform();
    auto form = std::make_unique<TMainForm>();
    form->resize(1280, 960);
    form->show();
    settle();
    const qint64 start = threadCpuNs();
    TMDIChild *doc = form->OpenDocumentWindow(pageFile(kind));
    paintNow(doc->txtDoc);
    const double ms = double(threadCpuNs() - start) / 1e6;
    form.reset();
    settle();
    return measured[kind] = ms;
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

// The scan that tells a UTF-8 page, beside QByteArrayView::isValidUtf8(),
// and as a share of opening the page.
void BM_Utf8Detect50(benchmark::State &state)
{
    const Kind kind = Kind(state.range(0));
    const QByteArray &bytes = page(kind);
    const bool expected = kind == Utf8;
    Split split;
    for (auto _ : state) {
        bool ours = false;
        bool floor = false;
        split.oursNs += Split::time([&] { ours = utf8::isMultiByteUtf8(bytes); });
        state.PauseTiming();
        split.floorNs += Split::time([&] { floor = QByteArrayView(bytes).isValidUtf8(); });
        state.ResumeTiming();
        if (ours != expected || floor != (kind != ShiftJis)) {
            state.SkipWithError("the page was not told right");
            return;
        }
    }
    split.report(state);
    const double open = openMs(kind);
    state.counters["open_ms"] = open;
    state.counters["share_of_open"] = double(split.oursNs) / 1e6 / double(state.iterations()) / open;
}

// Reading a UTF-8 page (scan, decode, line ends joined) beside
// QString::fromUtf8().
void BM_Utf8Decode50(benchmark::State &state)
{
    const QByteArray &bytes = page(Utf8);
    Split split;
    for (auto _ : state) {
        split.oursNs += Split::time([&] {
            LoadedText loaded = decodeDocument(bytes);
            benchmark::DoNotOptimize(loaded.text.data());
        });
        state.PauseTiming();
        split.floorNs += Split::time([&] {
            QString text = QString::fromUtf8(bytes);
            benchmark::DoNotOptimize(text.data());
        });
        state.ResumeTiming();
    }
    split.report(state);
}

// Writing a UTF-8 page (line ends, placeholders) beside QString::toUtf8().
void BM_Utf8Encode50(benchmark::State &state)
{
    const QString text = decodeDocument(page(Utf8)).text;
    Split split;
    for (auto _ : state) {
        split.oursNs += Split::time([&] {
            EncodedText encoded = encodeDocument(text, LineEnd::CrLf, TextEncoding::Utf8);
            benchmark::DoNotOptimize(encoded.bytes.data());
        });
        state.PauseTiming();
        split.floorNs += Split::time([&] {
            QByteArray bytes = text.toUtf8();
            benchmark::DoNotOptimize(bytes.data());
        });
        state.ResumeTiming();
    }
    split.report(state);
}

} // namespace

BENCHMARK(BM_Utf8Detect50)->ArgName("page")->Arg(Ascii)->Arg(ShiftJis)->Arg(Utf8)
        ->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Utf8Decode50)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Utf8Encode50)->Unit(benchmark::kMillisecond)->Iterations(5);
