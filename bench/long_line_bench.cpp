#include "bench/bench_support.h"
#include "bench/open_and_type.h"
#include "bench/page_samples.h"
#include "app/main_form.h"
#include "document/doc_editor.h"
#include "document/mdi_child.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QTextDocument>

using namespace Qt::StringLiterals;

// A page that is one line of 5 million characters (a minified page): opening
// it, typing in its middle, and leaving it open with nothing happening.

namespace {

class PaintCount : public QObject
{
public:
    explicit PaintCount(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// Runs the event loop for `seconds` with `editor` focused and the caret in
// the middle of its line; reports the process's processor time over it.
void idleWith(QPlainTextEdit *editor, double seconds, double &cpuPercent, int &paints)
{
    editor->window()->activateWindow();
    editor->setFocus();
    moveCaret(editor, editor->document()->characterCount() / 2);
    paintNow(editor);
    settle();
    PaintCount painted(editor->viewport());
    QElapsedTimer wall;
    const qint64 cpuStart = processCpuNs();
    wall.start();
    QEventLoop idle;
    QTimer::singleShot(int(seconds * 1000), &idle, &QEventLoop::quit);
    idle.exec();
    cpuPercent = 100.0 * double(processCpuNs() - cpuStart) / double(wall.nsecsElapsed());
    paints = painted.count;
}

void BM_LongLineOpen(benchmark::State &state)
{
    openAndPaint(state, u"longline"_s, longLineSample());
}

void BM_LongLineKeystroke(benchmark::State &state)
{
    const QString &text = longLineSample();
    keystroke(state, u"longline"_s, text, int(text.size() / 2));
}

// Ten seconds idle with the line open and focused, caret blinking; beside
// it, a bare editor laid out like ours doing the same.
void BM_LongLineIdle(benchmark::State &state)
{
    const QString &text = longLineSample();
    const SampleFiles &files = sampleFiles(u"longline"_s, text);
    double oursCpu = 0;
    double floorCpu = 0;
    int oursPaints = 0;
    int floorPaints = 0;
    for (auto _ : state) {
        std::unique_ptr<TMainForm> form = shownMainForm();
        TMDIChild *doc = form->OpenDocumentWindow(files.cp932);
        idleWith(doc->txtDoc, 10, oursCpu, oursPaints);
        if (!doc->txtDoc->hasFocus())
            state.SkipWithError("the editor never had the focus");

        state.PauseTiming();
        std::unique_ptr<QPlainTextEdit> edit = bareEditorLike(doc->txtDoc);
        form.reset();
        settle();
        edit->setPlainText(text);
        edit->show();
        idleWith(edit.get(), 10, floorCpu, floorPaints);
        edit.reset();
        settle();
        state.ResumeTiming();
    }
    state.counters["ours_cpu_pct"] = oursCpu;
    state.counters["ours_paints"] = oursPaints;
    state.counters["floor_cpu_pct"] = floorCpu;
    state.counters["floor_paints"] = floorPaints;
}

} // namespace

BENCHMARK(BM_LongLineOpen)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();
BENCHMARK(BM_LongLineKeystroke)->Unit(benchmark::kMillisecond)->Iterations(4)->UseRealTime();
BENCHMARK(BM_LongLineIdle)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
