#include "bench/bench_support.h"
#include "dialogs/text/list_tag.h"
#include "document/apply_tag.h"
#include "document/doc_editor.h"
#include "document/mdi_child.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>
#include <random>

using namespace Qt::StringLiterals;

// A bulleted list made of 100,000 selected lines in the middle of a 10 MB
// page, through the document window (selection, list builder, snapshot,
// replacement, paint), beside the same edit done with a bare editor. The
// counters give both averages per iteration and their ratio.

namespace {

constexpr qsizetype pageBytes = 10 * 1000 * 1000;
constexpr int itemLines = 100000;

const QString prose =
        u"吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。何でも薄暗い"
        u"じめじめした所でニャーニャー泣いていた事だけは記憶している。吾輩はここで始めて"
        u"人間というものを見た。ｶﾀｶﾅも少し混ぜておく。"_s;
const QString ascii =
        u"The quick brown fox jumps over the lazy dog; see page 12, section 3.4 "
        u"for the details &amp; notes (version 1.0.2) and the index at the end. "_s;

// Shift-JIS size of `line` with its CR LF: two bytes for every non-ASCII
// character (half-width kana take one, close enough here).
qsizetype fileBytes(QStringView line)
{
    qsizetype bytes = 2;
    for (QChar c : line)
        bytes += c.unicode() < 0x80 ? 1 : 2;
    return bytes;
}

QString pageLine(std::mt19937 &random)
{
    const int japanese = 30 + int(random() % 12);
    const int latin = 30 + int(random() % 10);
    return u"<p>"_s + prose.mid(random() % (prose.size() - japanese), japanese)
            + ascii.mid(random() % (ascii.size() - latin), latin) + u"</p>"_s;
}

QString itemLine(std::mt19937 &random, int number)
{
    const int japanese = 6 + int(random() % 10);
    const int latin = 4 + int(random() % 12);
    return u"項目%1 "_s.arg(number) + prose.mid(random() % (prose.size() - japanese), japanese)
            + ascii.mid(random() % (ascii.size() - latin), latin);
}

struct Page {
    QString text;         // lines joined by '\n', as the editor is given them
    int selectionStart;   // the first item line
    int selectionEnd;     // the end of the last item line, before its break
};

// Page lines, the item lines, page lines again: about 10 MB in all.
const Page &page()
{
    static const Page sample = [] {
        std::mt19937 random(20240611);
        QStringList items;
        qsizetype bytes = 0;
        for (int i = 0; i < itemLines; ++i) {
            items.append(itemLine(random, i + 1));
            bytes += fileBytes(items.constLast());
        }
        QStringList before;
        QStringList after;
        while (bytes < pageBytes) {
            QStringList &side = before.size() <= after.size() ? before : after;
            side.append(pageLine(random));
            bytes += fileBytes(side.constLast());
        }
        Page p;
        const QString head = before.join(u'\n') + u'\n';
        const QString body = items.join(u'\n');
        p.text = head + body + u'\n' + after.join(u'\n');
        p.selectionStart = int(head.size());
        p.selectionEnd = int(head.size() + body.size());
        return p;
    }();
    return sample;
}

void selectRange(QPlainTextEdit *editor, int anchor, int position)
{
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
}

void BM_ListMark100kLines(benchmark::State &state)
{
    const Page &sample = page();
    auto doc = std::make_unique<TMDIChild>(QSize(1280, 900));
    doc->setAttribute(Qt::WA_DeleteOnClose, false);
    doc->txtDoc->setFont(programDisplayFont());
    doc->show();
    // The floor: a bare editor laid out like ours. Our edit leaves no undo
    // step in the editor (the snapshot is the undo), so neither does it.
    std::unique_ptr<QPlainTextEdit> edit = bareEditorLike(doc->txtDoc);
    edit->setUndoRedoEnabled(false);
    edit->show();
    settle();

    qint64 oursNs = 0;
    qint64 floorNs = 0;
    QElapsedTimer timer;
    for (auto _ : state) {
        state.PauseTiming();
        doc->txtDoc->setPlainText(sample.text);
        selectRange(doc->txtDoc, sample.selectionStart, sample.selectionEnd);
        paintNow(doc->txtDoc);
        state.ResumeTiming();

        timer.start();
        applyTag(*doc, bulletedList(doc->txtDoc->selectedTextCrLf(), u"disk"_s),
                 Placement::ReplacingSelection);
        paintNow(doc->txtDoc);
        oursNs += timer.nsecsElapsed();

        state.PauseTiming();
        edit->setPlainText(sample.text);
        selectRange(edit.get(), sample.selectionStart, sample.selectionEnd);
        paintNow(edit.get());

        timer.start();
        {
            const QString snapshot = edit->document()->toRawText();
            benchmark::DoNotOptimize(snapshot.constData());
            QTextCursor cursor = edit->textCursor();
            const QString list = u"<UL>\r\n<LI TYPE=disk>"_s
                    + cursor.selectedText().replace(QChar::ParagraphSeparator, u"\r\n<LI>"_s)
                    + u"\r\n</UL>\r\n"_s;
            cursor.insertText(list);
            edit->setTextCursor(cursor);
        }
        paintNow(edit.get());
        floorNs += timer.nsecsElapsed();

        const bool same = doc->txtDoc->rawText() == edit->document()->toRawText()
                && doc->UndoSnapshot.size() == sample.text.size()
                && doc->txtDoc->textCursor().position() == edit->textCursor().position();
        state.ResumeTiming();
        if (!same) {
            state.SkipWithError("the list differs from the bare editor's");
            break;
        }
    }
    const double n = double(state.iterations());
    state.counters["ours_ms"] = double(oursNs) / 1e6 / n;
    state.counters["floor_ms"] = double(floorNs) / 1e6 / n;
    state.counters["ratio"] = floorNs > 0 ? double(oursNs) / double(floorNs) : 0.0;
    state.counters["selected_chars"] = double(sample.selectionEnd - sample.selectionStart);
    doc.reset();
    edit.reset();
    settle();
}

} // namespace

BENCHMARK(BM_ListMark100kLines)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
