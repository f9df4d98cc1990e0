#include "bench/bench_support.h"
#include "app/document_status.h"
#include "app/main_form.h"
#include "document/doc_editor.h"
#include "document/mdi_child.h"
#include "platform/cp932_codec.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <memory>

using namespace Qt::StringLiterals;

// What the status bar's caret and change panels cost a keystroke on a 50 MB
// page, counted in this thread's processor time (the machine is shared):
// the same window with the panels following it and following nothing, and
// a bare editor holding the same page.

namespace {

// About 50 MB of CP932 bytes, CR LF line ends, half of each line Japanese.
QString fiftyMegabytePage()
{
    const QString japanese = u"吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。"_s;
    QString text;
    text.reserve(36 * 1000 * 1000);
    for (int line = 0; text.size() < 34 * 1000 * 1000; ++line)
        text += u"<p id=\"l%1\">"_s.arg(line) + japanese + u" see page %1 of the index.</p>\n"_s.arg(line % 977);
    return text;
}

// A letter or Backspace, taking turns so the line keeps its length, then
// everything the window has to paint.
qint64 typeOnce(QPlainTextEdit *editor, int n)
{
    const bool erase = n % 2 == 1;
    const qint64 start = threadCpuNs();
    sendKey(editor, erase ? int(Qt::Key_Backspace) : int(Qt::Key_A) + n / 2 % 26,
            erase ? QString() : QString(QChar(u'a' + n / 2 % 26)));
    paintNow(editor);
    return threadCpuNs() - start;
}

void BM_StatusKeystroke50(benchmark::State &state)
{
    benchPlatform();
    const QString text = fiftyMegabytePage();
    QTemporaryDir dir;
    const QString path = dir.filePath(u"page.htm"_s);
    {
        QFile file(path);
        const QByteArray bytes = cp932::encodeLines(text, "\r\n").bytes;
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the benchmark page");
    }
    auto form = std::make_unique<TMainForm>();
    form->resize(1280, 960);
    form->show();
    settle();
    TMDIChild *doc = form->OpenDocumentWindow(path);
    auto *status = form->findChild<DocumentStatus *>();
    QTextCursor middle = doc->txtDoc->textCursor();
    middle.setPosition(int(text.size() / 2));
    doc->txtDoc->setTextCursor(middle);
    paintNow(doc->txtDoc);

    auto bare = std::make_unique<QPlainTextEdit>();
    bare->setFont(doc->txtDoc->font());
    bare->resize(doc->txtDoc->size());
    bare->setPlainText(text);
    bare->show();
    settle();
    bare->setTextCursor(QTextCursor(bare->document()));
    QTextCursor bareMiddle = bare->textCursor();
    bareMiddle.setPosition(int(text.size() / 2));
    bare->setTextCursor(bareMiddle);
    paintNow(bare.get());

    qint64 oursNs = 0;
    qint64 withoutNs = 0;
    qint64 floorNs = 0;
    int typed = 0;
    for (auto _ : state) {
        // Two keystrokes each, so every side types a letter and erases it.
        status->follow(doc);
        settle();
        oursNs += typeOnce(doc->txtDoc, typed) + typeOnce(doc->txtDoc, typed + 1);
        state.PauseTiming();
        status->follow(nullptr);
        settle();
        withoutNs += typeOnce(doc->txtDoc, typed) + typeOnce(doc->txtDoc, typed + 1);
        floorNs += typeOnce(bare.get(), typed) + typeOnce(bare.get(), typed + 1);
        state.ResumeTiming();
        typed += 2;
    }
    const double n = 2.0 * double(state.iterations());
    state.counters["ours_ms"] = double(oursNs) / 1e6 / n;
    state.counters["without_panels_ms"] = double(withoutNs) / 1e6 / n;
    state.counters["floor_ms"] = double(floorNs) / 1e6 / n;
    state.counters["ratio_to_without"] = double(oursNs) / double(withoutNs);
    state.counters["ratio"] = double(oursNs) / double(floorNs);
    if (doc->txtDoc->document()->characterCount() != text.size() + 1)
        state.SkipWithError("a keystroke did not type");
    form.reset();
    settle();
}

} // namespace

BENCHMARK(BM_StatusKeystroke50)->Unit(benchmark::kMillisecond)->Iterations(100);
