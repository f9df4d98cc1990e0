#include "bench/bench_support.h"
#include "bench/page_samples.h"
#include "dialogs/media/script_command.h"
#include "dialogs/media/script_templates.h"
#include "document/doc_editor.h"
#include "document/mdi_child.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <ctime>
#include <memory>
#include <random>

using namespace Qt::StringLiterals;

// The status-bar scroller placed in front of </head> on a 10 MB page,
// through the document window (read the text, find the tag, keep the undo
// snapshot, replace the whole text), beside the bare Qt floor doing the
// same with a plain editor: copy the text out, find the tag ignoring case,
// insert the block, set the whole text. Argument 0 puts </head> near the
// top of the page, as pages have it; 1 puts it at the very end, so both
// searches cross the whole page.

namespace {

constexpr qsizetype pageBytes = 10 * 1000 * 1000;

// About `pageBytes` CP932 bytes of body (Japanese two bytes, line ends two)
// with the head end near the top or at the end, lines joined by '\n'.
QString pageText(bool headAtEnd)
{
    const QString body = proseLines(pageBytes);
    const QString top = u"<HTML>\n<HEAD>\n<TITLE>吾輩は猫である</TITLE>\n"_s;
    if (headAtEnd)
        return top + u"<BODY>\n"_s + body + u"</BODY>\n</Head>\n</HTML>\n"_s;
    return top + u"</Head>\n<BODY>\n"_s + body + u"</BODY>\n</HTML>\n"_s;
}

void BM_ScrollerBeforeHeadEndOn10MB(benchmark::State &state)
{
    const QString page = pageText(state.range(0) != 0);
    const QString block = statusBarScroller(ScrollDirection::Left);
    QString blockLines = block;
    blockLines.replace(u"\r\n"_s, QString(QChar::ParagraphSeparator));
    // The page, the line break in front of the block, and the block.
    const int placedCount = int(page.size() + 1 + blockLines.size() + 1);

    EditorPair editors = shownEditorPair(page);
    TMDIChild *doc = editors.doc.get();
    QPlainTextEdit *edit = editors.bare.get();

    qint64 oursNs = 0;
    qint64 floorNs = 0;
    qint64 oursCpuNs = 0;
    qint64 floorCpuNs = 0;
    QElapsedTimer timer;
    qint64 cpuStart = 0;
    for (auto _ : state) {
        timer.start();
        cpuStart = threadCpuNs();
        placeBeforeHeadEnd(*doc, block);
        settle();
        oursCpuNs += threadCpuNs() - cpuStart;
        oursNs += timer.nsecsElapsed();

        state.PauseTiming();
        if (doc->txtDoc->document()->characterCount() != placedCount
            || doc->UndoSnapshot.size() != page.size()) {
            state.SkipWithError("the scroller was not placed as expected");
            break;
        }
        state.ResumeTiming();

        timer.start();
        cpuStart = threadCpuNs();
        {
            QString text = edit->document()->toRawText();
            const qsizetype at = text.indexOf(u"</head>", 0, Qt::CaseInsensitive);
            text.insert(at, QChar::ParagraphSeparator + blockLines);
            edit->setPlainText(text);
            edit->moveCursor(QTextCursor::End);
        }
        settle();
        floorCpuNs += threadCpuNs() - cpuStart;
        floorNs += timer.nsecsElapsed();

        state.PauseTiming();
        if (edit->document()->characterCount() != placedCount) {
            state.SkipWithError("the floor did not place the block");
            break;
        }
        // Both start the next round from the bare page.
        doc->txtDoc->setPlainText(page);
        edit->setPlainText(page);
        settle();
        state.ResumeTiming();
    }
    const double n = double(state.iterations());
    state.counters["ours_ms"] = double(oursNs) / 1e6 / n;
    state.counters["floor_ms"] = double(floorNs) / 1e6 / n;
    state.counters["ratio"] = floorNs > 0 ? double(oursNs) / double(floorNs) : 0.0;
    state.counters["ours_cpu_ms"] = double(oursCpuNs) / 1e6 / n;
    state.counters["floor_cpu_ms"] = double(floorCpuNs) / 1e6 / n;
    state.counters["cpu_ratio"] = floorCpuNs > 0 ? double(oursCpuNs) / double(floorCpuNs) : 0.0;
}

} // namespace

BENCHMARK(BM_ScrollerBeforeHeadEndOn10MB)
        ->Arg(0)
        ->Arg(1)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5)
        ->UseRealTime();
