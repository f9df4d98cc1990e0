#include "bench/bench_support.h"
#include "bench/page_samples.h"
#include "app/main_form.h"
#include "document/doc_editor.h"
#include "document/mdi_child.h"

#include <benchmark/benchmark.h>

#include <QEventLoop>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

using namespace Qt::StringLiterals;

// Markup colouring beside the same editor with colouring off: opening,
// typing and idling, on a 50 MB page and on one line of 5 M characters.

namespace {

std::unique_ptr<TMainForm> formColouring(bool on)
{
    std::unique_ptr<TMainForm> form = shownMainForm();
    form->Views.colourTags = on;
    return form;
}

// Whether the first line shown has colours, as formats or drawn over it.
bool colouredShown(const TDocEditor *editor)
{
    return !editor->extraSelections().isEmpty() || !editor->firstShownBlock().layout()->formats().isEmpty();
}

void openColoured(benchmark::State &state, const QString &name, const QString &text)
{
    const SampleFiles &files = sampleFiles(name, text);
    OursAndFloor split;
    bool oursFirst = true;
    for (auto _ : state) {
        state.PauseTiming();
        // Turn about, so neither side always opens on a cold cache.
        oursFirst = !oursFirst;
        for (const bool on : {oursFirst, !oursFirst}) {
            std::unique_ptr<TMainForm> form = formColouring(on);
            on ? split.startOurs() : split.startFloor();
            TMDIChild *doc = form->OpenDocumentWindow(files.cp932);
            paintNow(doc->txtDoc);
            on ? split.stopOurs() : split.stopFloor();
            if (on && !colouredShown(doc->txtDoc))
                state.SkipWithError("nothing was coloured");
            form.reset();
            settle();
        }
        state.ResumeTiming();
    }
    split.report(state);
}

struct TypingWindow {
    std::unique_ptr<TMainForm> form;
    TMDIChild *doc = nullptr;
};

TypingWindow typingWindow(const SampleFiles &files, bool on, int position)
{
    TypingWindow window{formColouring(on)};
    window.doc = window.form->OpenDocumentWindow(files.cp932);
    paintNow(window.doc->txtDoc);
    moveCaret(window.doc->txtDoc, position);
    paintNow(window.doc->txtDoc);
    return window;
}

// Keystrokes alternate between the two windows, each in its own main
// window; each side is timed in this thread's processor time, which other
// processes on a busy machine do not inflate.
void typeColoured(benchmark::State &state, const QString &name, const QString &text, int position)
{
    const SampleFiles &files = sampleFiles(name, text);
    TypingWindow ours = typingWindow(files, true, position);
    TypingWindow floor = typingWindow(files, false, position);
    qint64 oursNs = 0;
    qint64 floorNs = 0;
    int typed = 0;
    for (auto _ : state) {
        const bool erase = typed % 2 == 1;
        const int letter = (typed / 2) % 26;
        const int code = erase ? int(Qt::Key_Backspace) : int(Qt::Key_A) + letter;
        const QString key = erase ? QString() : QString(QChar(u'a' + letter));
        ++typed;

        qint64 start = threadCpuNs();
        sendKey(ours.doc->txtDoc, code, key);
        paintNow(ours.doc->txtDoc);
        oursNs += threadCpuNs() - start;

        state.PauseTiming();
        start = threadCpuNs();
        sendKey(floor.doc->txtDoc, code, key);
        paintNow(floor.doc->txtDoc);
        floorNs += threadCpuNs() - start;
        state.ResumeTiming();
    }
    state.counters["ours_cpu_ms"] = double(oursNs) / 1e6 / double(typed);
    state.counters["floor_cpu_ms"] = double(floorNs) / 1e6 / double(typed);
    state.counters["ratio"] = floorNs > 0 ? double(oursNs) / double(floorNs) : 0.0;
    if (!colouredShown(ours.doc->txtDoc))
        state.SkipWithError("nothing was coloured");
}

void BM_ColourOpen50(benchmark::State &state)
{
    openColoured(state, u"page50"_s, pageSample(50));
}

void BM_ColourKeystroke50(benchmark::State &state)
{
    const QString &text = pageSample(50);
    typeColoured(state, u"page50"_s, text, int(text.size() / 2));
}

void BM_ColourLongLineKeystroke(benchmark::State &state)
{
    const QString &text = longLineSample();
    typeColoured(state, u"longline"_s, text, int(text.size() / 2));
}

// Ten seconds with the long line open, focused and coloured, caret blinking;
// the same with colouring off as the floor.
void BM_ColourLongLineIdle(benchmark::State &state)
{
    const SampleFiles &files = sampleFiles(u"longline"_s, longLineSample());
    double cpu[2] = {};
    for (auto _ : state) {
        for (const bool on : {true, false}) {
            TypingWindow window = typingWindow(files, on, int(longLineSample().size() / 2));
            window.doc->txtDoc->activateWindow();
            window.doc->txtDoc->setFocus();
            settle();
            // The partner search and the first blinks settle first.
            QEventLoop wait;
            QTimer::singleShot(1000, &wait, &QEventLoop::quit);
            wait.exec();
            QElapsedTimer wall;
            const qint64 cpuStart = processCpuNs();
            wall.start();
            QEventLoop idle;
            QTimer::singleShot(10000, &idle, &QEventLoop::quit);
            idle.exec();
            cpu[on ? 0 : 1] = 100.0 * double(processCpuNs() - cpuStart) / double(wall.nsecsElapsed());
            window.form.reset();
            settle();
        }
    }
    state.counters["ours_cpu_pct"] = cpu[0];
    state.counters["floor_cpu_pct"] = cpu[1];
}

} // namespace

BENCHMARK(BM_ColourOpen50)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_ColourKeystroke50)->Unit(benchmark::kMillisecond)->Iterations(400)->UseRealTime();
BENCHMARK(BM_ColourLongLineKeystroke)->Unit(benchmark::kMillisecond)->Iterations(4)->UseRealTime();
BENCHMARK(BM_ColourLongLineIdle)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
