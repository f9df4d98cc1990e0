#include "bench/bench_support.h"
#include "bench/open_and_type.h"
#include "bench/page_samples.h"
#include "app/main_form.h"
#include "document/doc_editor.h"
#include "document/edit_commands.h"
#include "document/file_commands.h"
#include "document/find_dialogs.h"
#include "document/mdi_child.h"

#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

using namespace Qt::StringLiterals;

// Each benchmark times our operation (the reported time) and, in the same
// run with the timing paused, the bare Qt operation it stands on. The
// counters give both averages and their ratio.

namespace {

const QString plantedReplacement = u"<em class=\"warn\">"_s;

// --- open and first display -----------------------------------------------

void BM_DocOpen(benchmark::State &state)
{
    const int mb = int(state.range(0));
    openAndPaint(state, u"page%1"_s.arg(mb), pageSample(mb));
}

// --- save -----------------------------------------------------------------

void BM_DocSave50(benchmark::State &state)
{
    const QString &text = pageSample(50);
    const QByteArray bytes = encodedFile(text);
    std::unique_ptr<TMDIChild> doc = shownDocument(text);
    doc->setFileName(benchFolder() + u"/saved.htm"_s);
    const QString floorPath = benchFolder() + u"/floor.htm"_s;
    const QString floorSavePath = benchFolder() + u"/floor-save.htm"_s;
    qint64 saveFileNs = 0;
    OursAndFloor split;
    for (auto _ : state) {
        state.PauseTiming();
        // An edit, as before every real save: the editor's copy of its text
        // is gone, and the save pays for a new one, as the floor does.
        QTextCursor edit(doc->txtDoc->document());
        edit.insertText(u"x"_s);
        edit.deletePreviousChar();
        doc->setModified(true);
        state.ResumeTiming();

        split.startOurs();
        const bool saved = saveDocument(*doc);
        split.stopOurs();

        state.PauseTiming();
        if (!saved || doc->isModified()) {
            state.SkipWithError("save failed");
            break;
        }
        split.startFloor();
        {
            const QString raw = doc->txtDoc->document()->toRawText();
            benchmark::DoNotOptimize(raw.constData());
            QFile file(floorPath);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                state.SkipWithError("floor write failed");
        }
        split.stopFloor();
        // The same bytes through QSaveFile, which also flushes to disk and
        // renames, as every save of ours does.
        QElapsedTimer timer;
        timer.start();
        {
            QSaveFile file(floorSavePath);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()
                || !file.commit())
                state.SkipWithError("floor write failed");
        }
        saveFileNs += timer.nsecsElapsed();
        state.ResumeTiming();
    }
    split.report(state);
    state.counters["savefile_ms"] = double(saveFileNs) / 1e6 / double(state.iterations());
    if (QFile(benchFolder() + u"/saved.htm"_s).size() != bytes.size())
        state.SkipWithError("the saved file differs in size");
}

// --- find -----------------------------------------------------------------

// F3 on an unchanged page, pressed again and again: after the first press
// it costs the scan. The needle has ASCII letters, so with match case off
// both sides fold case: ours folds ASCII letters, the floor Qt's
// case-insensitive search, which folds every letter.
void BM_DocFindNextMissing50(benchmark::State &state)
{
    const bool matchCase = state.range(0) != 0;
    const QString needle = u"<blink class=\"new\">"_s;
    const QString &text = pageSample(50);
    std::unique_ptr<TMDIChild> doc = shownDocument(text);
    TFindDialog &dialog = findDialogOf(*doc);
    dialog.txtFind->setText(needle);
    dialog.chkMatchCase->setChecked(matchCase);
    SearchNextItemClick(*doc, nullptr);
    const QString plain = doc->txtDoc->document()->toRawText();
    const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    OursAndFloor split;
    for (auto _ : state) {
        split.startOurs();
        SearchNextItemClick(*doc, nullptr);
        split.stopOurs();

        state.PauseTiming();
        if (doc->txtDoc->textCursor().hasSelection()) {
            state.SkipWithError("found a missing string");
            break;
        }
        split.startFloor();
        const qsizetype at = plain.indexOf(needle, 0, cs);
        split.stopFloor();
        benchmark::DoNotOptimize(at);
        state.ResumeTiming();
    }
    split.report(state);
}

// --- replace all ----------------------------------------------------------

void BM_DocReplaceAll(benchmark::State &state)
{
    const int mb = int(state.range(0));
    const QString &text = plantedSample(mb);
    std::unique_ptr<TMDIChild> doc = shownDocument(QString());
    TReplaceDialog *dialog = &replaceDialogOf(*doc);
    dialog->txtFind->setText(plantedNeedle);
    dialog->txtReplace->setText(plantedReplacement);
    std::unique_ptr<QPlainTextEdit> edit = bareEditorLike(doc->txtDoc);
    edit->show();
    OursAndFloor split;
    for (auto _ : state) {
        state.PauseTiming();
        doc->txtDoc->setPlainText(text);
        doc->setModified(false);
        moveCaret(doc->txtDoc, 0);
        settle();
        state.ResumeTiming();

        split.startOurs();
        ReplaceDialogReplace(*doc, true);
        split.stopOurs();

        state.PauseTiming();
        const QString after = doc->txtDoc->rawText();
        if (after.count(plantedReplacement) != plantedMatches || after.contains(plantedNeedle)) {
            state.SkipWithError("wrong number of replacements");
            break;
        }
        edit->setPlainText(text);
        settle();

        split.startFloor();
        {
            const QString raw = edit->document()->toRawText();
            QList<qsizetype> found;
            for (qsizetype at = raw.indexOf(plantedNeedle); at >= 0;
                 at = raw.indexOf(plantedNeedle, at + plantedNeedle.size()))
                found.append(at);
            QTextCursor cursor(edit->document());
            cursor.beginEditBlock();
            for (qsizetype i = found.size() - 1; i >= 0; --i) {
                cursor.setPosition(int(found[i]));
                cursor.setPosition(int(found[i] + plantedNeedle.size()), QTextCursor::KeepAnchor);
                cursor.insertText(plantedReplacement);
            }
            cursor.endEditBlock();
        }
        split.stopFloor();
        settle();
        state.ResumeTiming();
    }
    split.report(state);
}

// --- tag pair -------------------------------------------------------------

void BM_DocInsertTagPair10(benchmark::State &state)
{
    const QString &text = pageSample(10);
    std::unique_ptr<TMDIChild> doc = shownDocument(text);
    std::unique_ptr<QPlainTextEdit> edit = bareEditorLike(doc->txtDoc);
    edit->show();
    edit->setPlainText(text);
    settle();
    const int middle = int(text.size() / 2);
    OursAndFloor split;
    for (auto _ : state) {
        state.PauseTiming();
        moveCaret(doc->txtDoc, middle + 12, middle);
        doc->StartTag = u"<b>"_s;
        doc->EndTag = u"</b>"_s;
        doc->CaptureSelection();
        settle();
        state.ResumeTiming();

        split.startOurs();
        doc->InsertTagPair(InsertMode::ReplaceSelection);
        split.stopOurs();

        state.PauseTiming();
        settle();
        moveCaret(edit.get(), middle + 12, middle);
        settle();

        split.startFloor();
        {
            const QString snapshot = edit->document()->toRawText();
            benchmark::DoNotOptimize(snapshot.constData());
            QTextCursor cursor = edit->textCursor();
            cursor.insertText(u"<b>"_s + cursor.selectedText() + u"</b>"_s);
            edit->setTextCursor(cursor);
        }
        split.stopFloor();
        settle();
        state.ResumeTiming();
    }
    split.report(state);
}

// --- a keystroke ----------------------------------------------------------

void BM_DocKeystroke50(benchmark::State &state)
{
    const QString &text = pageSample(50);
    keystroke(state, u"page50"_s, text, int(text.size() / 2));
}

} // namespace

BENCHMARK(BM_DocOpen)->ArgName("MB")->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)
        ->Iterations(3)->UseRealTime();
BENCHMARK(BM_DocSave50)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_DocFindNextMissing50)->ArgName("matchCase")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)
        ->Iterations(5)->UseRealTime();
BENCHMARK(BM_DocReplaceAll)->ArgName("MB")->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)
        ->Iterations(3)->UseRealTime();
BENCHMARK(BM_DocInsertTagPair10)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();
BENCHMARK(BM_DocKeystroke50)->Unit(benchmark::kMillisecond)->Iterations(200)->UseRealTime();
