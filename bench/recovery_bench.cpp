#include "bench/bench_support.h"

#include "document/doc_editor.h"
#include "document/mdi_child.h"
#include "document/page_recovery.h"
#include "platform/recovery_session.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

// A 50 MB page (as CP932 bytes), half Japanese, one line of markup repeated.
const QString &page50()
{
    static const QString text = [] {
        const QString line =
                u"<p>吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。"
                u"The quick brown fox jumps over the lazy dog.</p>\n"_s;
        QString page;
        while (page.size() * 3 / 2 < 50'000'000)
            page += line;
        return page;
    }();
    return text;
}

struct Split {
    qint64 oursNs = 0;
    qint64 floorNs = 0;
    QElapsedTimer timer;

    void report(benchmark::State &state) const
    {
        const double n = double(state.iterations());
        state.counters["ours_ms"] = double(oursNs) / 1e6 / n;
        state.counters["floor_ms"] = double(floorNs) / 1e6 / n;
        state.counters["ratio"] = floorNs > 0 ? double(oursNs) / double(floorNs) : 0.0;
    }
};

void type(QWidget *editor, int typed)
{
    const bool erase = typed % 2 == 1;
    const int key = erase ? int(Qt::Key_Backspace) : int(Qt::Key_A);
    const QString text = erase ? QString() : u"a"_s;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(editor, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(editor, &release);
}

void middle(QPlainTextEdit *editor)
{
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(editor->document()->characterCount() / 2);
    editor->setTextCursor(cursor);
}

// What the editor's thread spends on one copy of a 50 MB page: taking the
// text out of the editor and handing it over. The floor takes the text out.
void BM_RecoveryCopy50(benchmark::State &state)
{
    benchPlatform();
    EditorPair pair = shownEditorPair(page50());
    QTemporaryDir dir;
    auto session = std::make_shared<RecoverySession>(dir.path());
    auto *recovery = new PageRecovery(*pair.doc, 1, session);
    pair.doc->setModified(true);
    Split split;
    for (auto _ : state) {
        split.timer.start();
        recovery->copyNow();
        split.oursNs += split.timer.nsecsElapsed();

        state.PauseTiming();
        session->flush();
        split.timer.start();
        QString copy = pair.bare->document()->toRawText();
        benchmark::DoNotOptimize(copy);
        split.floorNs += split.timer.nsecsElapsed();
        state.ResumeTiming();
    }
    split.report(state);
}

// The copy's own thread: the text to UTF-8, written and flushed to disk,
// renamed into place. The floor writes the same UTF-8 with QSaveFile.
void BM_RecoveryWrite50(benchmark::State &state)
{
    benchPlatform();
    QString raw = page50();
    raw.replace(u'\n', QChar::ParagraphSeparator);
    QTemporaryDir dir;
    RecoverySession session(dir.path());
    Split split;
    for (auto _ : state) {
        split.timer.start();
        session.store(1, {u"page"_s, u"/page.html"_s, LineEnd::CrLf, TextEncoding::ShiftJis, std::nullopt, raw});
        session.flush();
        split.oursNs += split.timer.nsecsElapsed();

        state.PauseTiming();
        split.timer.start();
        QSaveFile file(dir.filePath(u"floor.txt"_s));
        file.open(QIODevice::WriteOnly);
        QString text = raw;
        text.replace(QChar::ParagraphSeparator, u'\n');
        file.write(text.toUtf8());
        file.commit();
        split.floorNs += split.timer.nsecsElapsed();
        state.ResumeTiming();
    }
    split.report(state);
}

// A keystroke in the middle of a 50 MB page, with its paint, in a window
// whose copy is being written at that moment; the floor is the same
// keystroke in a bare editor with nothing written.
void BM_RecoveryKeystrokeDuringWrite50(benchmark::State &state)
{
    benchPlatform();
    EditorPair pair = shownEditorPair(page50());
    QTemporaryDir dir;
    auto session = std::make_shared<RecoverySession>(dir.path());
    new PageRecovery(*pair.doc, 1, session);
    middle(pair.doc->txtDoc);
    middle(pair.bare.get());
    paintNow(pair.doc->txtDoc);
    paintNow(pair.bare.get());
    const QString raw = pair.doc->txtDoc->rawText();
    Split split;
    int typed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        session->store(2, {u"page"_s, {}, LineEnd::CrLf, TextEncoding::ShiftJis, std::nullopt, raw});
        state.ResumeTiming();
        split.timer.start();
        type(pair.doc->txtDoc, typed);
        paintNow(pair.doc->txtDoc);
        split.oursNs += split.timer.nsecsElapsed();

        state.PauseTiming();
        session->flush();
        settle();  // nothing of ours is left for the floor's paint to run
        split.timer.start();
        type(pair.bare.get(), typed);
        paintNow(pair.bare.get());
        split.floorNs += split.timer.nsecsElapsed();
        ++typed;
        settle();
        state.ResumeTiming();
    }
    split.report(state);
    session->discard(2);
    pair.doc->setModified(false);
}

} // namespace

BENCHMARK(BM_RecoveryCopy50)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();
BENCHMARK(BM_RecoveryWrite50)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_RecoveryKeystrokeDuringWrite50)->Unit(benchmark::kMillisecond)->Iterations(20)
        ->UseRealTime();
