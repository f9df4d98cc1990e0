#include "bench/bench_support.h"
#include "app/main_form.h"
#include "document/doc_editor.h"
#include "document/edit_commands.h"
#include "document/file_commands.h"
#include "document/find_dialogs.h"
#include "document/mdi_child.h"
#include "platform/cp932_codec.h"
#include "platform/platform.h"
#include "platform/text_file.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <map>
#include <memory>
#include <random>

using namespace Qt::StringLiterals;

// Each benchmark times our operation (the reported time) and, in the same
// run with the timing paused, the bare Qt operation it stands on. The
// counters give both averages and their ratio.

namespace {

constexpr qsizetype megabyte = 1000 * 1000;
constexpr int plantedMatches = 10000;
const QString plantedNeedle = u"<font color=\"red\">"_s;
const QString plantedReplacement = u"<em class=\"warn\">"_s;

QString benchFolder()
{
    static QTemporaryDir dir;
    return dir.path();
}

// One line of a page: markup and ASCII around Japanese prose, about half of
// the characters Japanese, about 80 characters long.
QString pageLine(std::mt19937 &random)
{
    static const QString prose =
            u"吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。何でも薄暗い"
            u"じめじめした所でニャーニャー泣いていた事だけは記憶している。吾輩はここで始めて"
            u"人間というものを見た。しかもあとで聞くとそれは書生という人間中で一番獰悪な種族"
            u"であったそうだ。ｶﾀｶﾅも少し混ぜておく。"_s;
    static const QString ascii =
            u"The quick brown fox jumps over the lazy dog; see page 12, section 3.4 "
            u"for the details &amp; notes (version 1.0.2) and the index at the end. "_s;
    static const QStringList opens = {u"<p>"_s, u"<li>"_s, u"<td align=\"right\">"_s,
                                      u"<div class=\"note\">"_s, u"<h2 id=\"s12\">"_s,
                                      u"<span style=\"color:#336\">"_s};
    static const QStringList closes = {u"</p>"_s, u"</li>"_s, u"</td>"_s,
                                       u"</div>"_s, u"</h2>"_s, u"</span>"_s};
    const int tag = int(random() % opens.size());
    QString line = opens[tag];
    const int japanese = 34 + int(random() % 12);
    const int latin = 74 - japanese - int(line.size() + closes[tag].size());
    line += QStringView(prose).sliced(random() % (prose.size() - japanese), japanese);
    if (latin > 0)
        line += QStringView(ascii).sliced(random() % (ascii.size() - latin), latin);
    line += closes[tag];
    return line;
}

// A page of about `bytes` CP932 bytes (CR LF line ends), as the editor holds
// it: lines joined by '\n'. With `planted`, that many lines start with
// plantedNeedle, evenly spread.
QString pageText(qsizetype bytes, int planted = 0)
{
    std::mt19937 random(20240611);
    QStringList lines;
    qsizetype size = 0;
    while (size < bytes) {
        lines.append(pageLine(random));
        // Japanese takes two bytes, the line end two more.
        size += lines.constLast().size() * 3 / 2 + 2;
    }
    if (planted > 0) {
        const qsizetype step = lines.size() / planted;
        for (int i = 0; i < planted; ++i)
            lines[i * step].prepend(plantedNeedle);
    }
    return lines.join(u'\n');
}

// A single line of `characters` characters, no line break at all.
QString longLineText(qsizetype characters)
{
    std::mt19937 random(7);
    QString text;
    text.reserve(characters + 100);
    while (text.size() < characters)
        text += pageLine(random);
    text.truncate(characters);
    return text;
}

QByteArray encodedFile(const QString &text)
{
    const cp932::Encoded encoded = cp932::encodeLines(text, "\r\n");
    if (encoded.firstUnencodable >= 0)
        qFatal("benchmark sample is not CP932");
    return encoded.bytes;
}

void writeFile(const QString &path, QByteArrayView bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), bytes.size()) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

const QString &pageSample(int mb)
{
    static std::map<int, QString> samples;
    QString &text = samples[mb];
    if (text.isEmpty())
        text = pageText(mb * megabyte);
    return text;
}

const QString &plantedSample(int mb)
{
    static std::map<int, QString> samples;
    QString &text = samples[mb];
    if (text.isEmpty())
        text = pageText(mb * megabyte, plantedMatches);
    return text;
}

const QString &longLineSample()
{
    static const QString text = longLineText(5 * 1000 * 1000);
    return text;
}

struct SampleFiles {
    QString cp932;  // what the editor opens
    QString utf16;  // the same text already decoded, for the floor
};

const SampleFiles &sampleFiles(const QString &name, const QString &text)
{
    static std::map<QString, SampleFiles> files;
    SampleFiles &f = files[name];
    if (f.cp932.isEmpty()) {
        f.cp932 = benchFolder() + u'/' + name + u".htm"_s;
        f.utf16 = benchFolder() + u'/' + name + u".utf16"_s;
        writeFile(f.cp932, encodedFile(text));
        writeFile(f.utf16, QByteArrayView(reinterpret_cast<const char *>(text.utf16()),
                                          text.size() * qsizetype(sizeof(char16_t))));
    }
    return f;
}

QString readDecoded(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        qFatal("cannot read %s", qPrintable(path));
    const QByteArray bytes = file.readAll();
    return QString(reinterpret_cast<const QChar *>(bytes.constData()),
                   bytes.size() / qsizetype(sizeof(QChar)));
}

void sendKey(QWidget *target, int key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
}

// Our time and the floor's, per iteration, as counters.
struct Split {
    qint64 oursNs = 0;
    qint64 floorNs = 0;
    QElapsedTimer timer;

    void startOurs() { timer.start(); }
    void stopOurs() { oursNs += timer.nsecsElapsed(); }
    void startFloor() { timer.start(); }
    void stopFloor() { floorNs += timer.nsecsElapsed(); }

    void report(benchmark::State &state) const
    {
        const double n = double(state.iterations());
        state.counters["ours_ms"] = double(oursNs) / 1e6 / n;
        state.counters["floor_ms"] = double(floorNs) / 1e6 / n;
        state.counters["ratio"] = floorNs > 0 ? double(oursNs) / double(floorNs) : 0.0;
    }
};

// A main window as the program shows it.
std::unique_ptr<TMainForm> shownMainForm()
{
    benchPlatform();
    auto form = std::make_unique<TMainForm>();
    form->resize(1280, 960);
    form->show();
    settle();
    return form;
}

// A bare editor of the same size and font as `like`, shown.
std::unique_ptr<QPlainTextEdit> shownBareEditor(const QPlainTextEdit *like)
{
    auto edit = std::make_unique<QPlainTextEdit>();
    edit->setFont(like->font());
    edit->resize(like->size());
    edit->show();
    settle();
    return edit;
}

// A document window on its own with `text`, shown, caret at the start.
std::unique_ptr<TMDIChild> shownDocument(const QString &text)
{
    benchPlatform();
    auto doc = std::make_unique<TMDIChild>(QSize(1280, 900));
    doc->setAttribute(Qt::WA_DeleteOnClose, false);
    doc->txtDoc->setPlainText(text);
    doc->setModified(false);
    doc->show();
    settle();
    return doc;
}

void moveCaret(QPlainTextEdit *editor, int position, int anchor = -1)
{
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(anchor < 0 ? position : anchor);
    if (anchor >= 0)
        cursor.setPosition(position, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    editor->ensureCursorVisible();
}

// --- open and first display -----------------------------------------------

void openAndPaint(benchmark::State &state, const QString &name, const QString &text)
{
    const SampleFiles &files = sampleFiles(name, text);
    Split split;
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
        std::unique_ptr<QPlainTextEdit> edit = shownBareEditor(doc->txtDoc);
        form.reset();
        settle();

        split.startFloor();
        edit->setPlainText(readDecoded(files.utf16));
        paintNow(edit.get());
        split.stopFloor();

        edit.reset();
        settle();
        state.ResumeTiming();
    }
    split.report(state);
}

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
    Split split;
    for (auto _ : state) {
        state.PauseTiming();
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

void BM_DocFindMissing50(benchmark::State &state)
{
    const bool matchCase = state.range(0) != 0;
    const QString needle = u"見つからない語句"_s;
    const QString &text = pageSample(50);
    std::unique_ptr<TMDIChild> doc = shownDocument(text);
    const QString plain = doc->txtDoc->document()->toRawText();
    SearchOptions options;
    options.matchCase = matchCase;
    Split split;
    for (auto _ : state) {
        split.startOurs();
        const bool found = FindInEditor(*doc, needle, options);
        split.stopOurs();

        state.PauseTiming();
        if (found) {
            state.SkipWithError("found a missing string");
            break;
        }
        split.startFloor();
        const qsizetype at =
                plain.indexOf(needle, 0, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
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
    TReplaceDialog *dialog = doc->replaceDialog();
    dialog->txtFind->setText(plantedNeedle);
    dialog->txtReplace->setText(plantedReplacement);
    std::unique_ptr<QPlainTextEdit> edit = shownBareEditor(doc->txtDoc);
    Split split;
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
    std::unique_ptr<QPlainTextEdit> edit = shownBareEditor(doc->txtDoc);
    edit->setPlainText(text);
    settle();
    const int middle = int(text.size() / 2);
    Split split;
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
            const QString snapshot = edit->toPlainText();
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

// One keystroke per iteration at `position`, in our editor (opened the way
// the program opens files) and in a bare one, each followed by its paint. A
// letter and Backspace take turns, so the line keeps its length.
void keystroke(benchmark::State &state, const QString &name, const QString &text, int position)
{
    const SampleFiles &files = sampleFiles(name, text);
    std::unique_ptr<TMainForm> form = shownMainForm();
    TMDIChild *doc = form->OpenDocumentWindow(files.cp932);
    paintNow(doc->txtDoc);
    moveCaret(doc->txtDoc, position);
    paintNow(doc->txtDoc);
    // The same history as ours: text set before the editor is shown, the top
    // painted first. It matters: Qt's layout scans every block whenever the
    // widest block it knows of gets narrower, and whether the widest block
    // is a full line depends on the order of the first layouts.
    auto edit = std::make_unique<QPlainTextEdit>();
    edit->setFont(doc->txtDoc->font());
    edit->resize(doc->txtDoc->size());
    edit->setPlainText(text);
    edit->show();
    settle();
    paintNow(edit.get());
    moveCaret(edit.get(), position);
    paintNow(edit.get());

    Split split;
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

void BM_DocKeystroke50(benchmark::State &state)
{
    const QString &text = pageSample(50);
    keystroke(state, u"page50"_s, text, int(text.size() / 2));
}

// --- one line of millions of characters -----------------------------------

void BM_DocLongLineOpen(benchmark::State &state)
{
    openAndPaint(state, u"longline"_s, longLineSample());
}

void BM_DocLongLineKeystroke(benchmark::State &state)
{
    const QString &text = longLineSample();
    keystroke(state, u"longline"_s, text, int(text.size() / 2));
}

} // namespace

BENCHMARK(BM_DocOpen)->ArgName("MB")->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)
        ->Iterations(3)->UseRealTime();
BENCHMARK(BM_DocSave50)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_DocFindMissing50)->ArgName("matchCase")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)
        ->Iterations(5)->UseRealTime();
BENCHMARK(BM_DocReplaceAll)->ArgName("MB")->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)
        ->Iterations(3)->UseRealTime();
BENCHMARK(BM_DocInsertTagPair10)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();
BENCHMARK(BM_DocKeystroke50)->Unit(benchmark::kMillisecond)->Iterations(200)->UseRealTime();
BENCHMARK(BM_DocLongLineOpen)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();
BENCHMARK(BM_DocLongLineKeystroke)->Unit(benchmark::kMillisecond)->Iterations(4)->UseRealTime();
