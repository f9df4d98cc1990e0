#include "bench/open_and_type.h"

#include "app/main_form.h"
#include "bench/bench_support.h"
#include "bench/page_samples.h"
#include "document/doc_editor.h"
#include "document/mdi_child.h"

#include <QTextDocument>

void openAndPaint(benchmark::State &state, const QString &name, const QString &text)
{
    const SampleFiles &files = sampleFiles(name, text);
    OursAndFloor split;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<TMainForm> form = shownMainForm();
        state.ResumeTiming();

        split.startOurs();
        TMDIChild *doc = form->OpenDocumentWindow(files.cp932);
        paintNow(doc->txtDoc);
        split.stopOurs();

        state.PauseTiming();
        if (doc->txtDoc->document()->characterCount() != text.size() + 1) {
            state.SkipWithError("the document does not hold the file");
            break;
        }
        // Shown empty, as our window is shown before its text arrives.
        std::unique_ptr<QPlainTextEdit> edit = bareEditorLike(doc->txtDoc);
        edit->show();
        form.reset();
        settle();

        split.startFloor();
        edit->setPlainText(readShiftJis(files.cp932));
        paintNow(edit.get());
        split.stopFloor();

        edit.reset();
        settle();
        state.ResumeTiming();
    }
    split.report(state);
}

void keystroke(benchmark::State &state, const QString &name, const QString &text, int position)
{
    const SampleFiles &files = sampleFiles(name, text);
    std::unique_ptr<TMainForm> form = shownMainForm();
    TMDIChild *doc = form->OpenDocumentWindow(files.cp932);
    paintNow(doc->txtDoc);
    moveCaret(doc->txtDoc, position);
    paintNow(doc->txtDoc);
    // The same history as ours: shown before the text arrives, the top
    // painted first. It matters: Qt's layout scans every block whenever the
    // widest block it knows of gets narrower, and whether the widest block
    // is a full line depends on the order of the first layouts.
    std::unique_ptr<QPlainTextEdit> edit = bareEditorLike(doc->txtDoc);
    edit->show();
    settle();
    edit->setPlainText(text);
    paintNow(edit.get());
    moveCaret(edit.get(), position);
    paintNow(edit.get());

    OursAndFloor split;
    int typed = 0;
    for (auto _ : state) {
        const bool erase = typed % 2 == 1;
        const int letter = (typed / 2) % 26;
        const int code = erase ? int(Qt::Key_Backspace) : int(Qt::Key_A) + letter;
        const QString key = erase ? QString() : QString(QChar(u'a' + letter));
        ++typed;

        split.startOurs();
        sendKey(doc->txtDoc, code, key);
        paintNow(doc->txtDoc);
        split.stopOurs();

        state.PauseTiming();
        split.startFloor();
        sendKey(edit.get(), code, key);
        paintNow(edit.get());
        split.stopFloor();
        state.ResumeTiming();
    }
    split.report(state);
    const int expected = int(text.size()) + 1 + typed % 2;
    if (doc->txtDoc->document()->characterCount() != expected
        || edit->document()->characterCount() != expected)
        state.SkipWithError("a keystroke did not type");
    form.reset();
    settle();
}

