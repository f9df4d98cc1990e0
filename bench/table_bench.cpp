#include "bench/bench_support.h"
#include "bench/page_samples.h"
#include "dialogs/text/table_command.h"
#include "dialogs/text/table_tag.h"
#include "document/doc_editor.h"
#include "document/mdi_child.h"
#include "platform/platform.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <ctime>
#include <memory>
#include <random>

using namespace Qt::StringLiterals;

// A whole table written into a large page: our command's writing (builder
// and one tag insertion with its whole-text snapshot per line) beside the
// bare Qt floor doing the same per line: copy the whole text, insert the line.

namespace {


const QString &tenMegabytePage()
{
    static const QString text = proseLines(10 * 1000 * 1000);
    return text;
}

// 100 rows of 20 cells, a heading row, a caption and a few attributes.
TableOptions bigTable()
{
    TableOptions o;
    o.rows = 100;
    o.cols = 20;
    o.border = true;
    o.borderValue = u"1"_s;
    o.width = true;
    o.widthValue = u"100"_s;
    o.widthPercent = true;
    o.caption = true;
    o.captionText = u"売上一覧"_s;
    o.fixedCols = true;
    o.fixedColsCount = 1;
    for (int r = 0; r < o.rows; ++r) {
        for (int c = 0; c < o.cols; ++c)
            o.cells.append(r == 0 ? u"項目%1"_s.arg(c) : u"%1-%2"_s.arg(r).arg(c));
    }
    return o;
}

void placeCaret(QPlainTextEdit *editor, int position)
{
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(position);
    editor->setTextCursor(cursor);
    editor->ensureCursorVisible();
}

// Takes out what the last run put in from `from`, so every run starts on
// the same page.
void removeFrom(QPlainTextEdit *editor, int from, int length)
{
    QTextDocument *doc = editor->document();
    doc->setUndoRedoEnabled(false);
    QTextCursor cursor(doc);
    cursor.setPosition(from);
    cursor.setPosition(from + length, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    doc->setUndoRedoEnabled(true);
}

void BM_TableCreate100x20On10MB(benchmark::State &state)
{
    benchPlatform();
    const QString &page = tenMegabytePage();
    const TableOptions options = bigTable();
    const QStringList lines = tablePieces(options);
    int inserted = 0;
    for (const QString &line : lines)
        inserted += int(QString(line).remove(u'\r').size());
    const int middle = int(page.indexOf(u'\n', page.size() / 2) + 1);

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
        state.PauseTiming();
        placeCaret(doc->txtDoc, middle);
        settle();
        state.ResumeTiming();

        timer.start();
        cpuStart = threadCpuNs();
        insertTable(*doc, options);
        settle();
        oursCpuNs += threadCpuNs() - cpuStart;
        oursNs += timer.nsecsElapsed();

        state.PauseTiming();
        if (doc->txtDoc->document()->characterCount() != page.size() + 1 + inserted
            || doc->UndoSnapshot.size() != page.size() + inserted - 8) {
            state.SkipWithError("the table was not written as expected");
            break;
        }
        removeFrom(doc->txtDoc, middle, inserted);
        placeCaret(edit, middle);
        settle();

        timer.start();
        cpuStart = threadCpuNs();
        {
            QTextCursor cursor = edit->textCursor();
            QString snapshot;
            for (const QString &line : lines) {
                snapshot = edit->document()->toRawText();
                cursor.insertText(line);
            }
            edit->setTextCursor(cursor);
            benchmark::DoNotOptimize(snapshot.constData());
        }
        settle();
        floorCpuNs += threadCpuNs() - cpuStart;
        floorNs += timer.nsecsElapsed();

        removeFrom(edit, middle, inserted);
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
    state.counters["lines"] = double(lines.size());
}

} // namespace

BENCHMARK(BM_TableCreate100x20On10MB)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
