#include "bench/bench_support.h"
#include "app/main_form.h"
#include "document/doc_editor.h"
#include "document/fixed_tags.h"
#include "document/mdi_child.h"
#include "platform/text_file.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextCursor>

#include <malloc.h>
#include <unistd.h>

#include <memory>

using namespace Qt::StringLiterals;

// Memory under load: many pages opened and closed, many tags inserted. Each
// benchmark runs once and reports the heap in use (what malloc holds for the
// program, after handing free memory back) and the resident size, for our
// windows and for bare Qt doing the same.

namespace {

constexpr int pageCount = 100;        // the window budget
constexpr qsizetype pageBytes = 1000 * 1000;
constexpr int tagInsertions = 10000;

struct MemoryUse {
    double heapMB = 0;
    double residentMB = 0;
};

MemoryUse memoryNow()
{
    settle();
    malloc_trim(0);
    const struct mallinfo2 info = mallinfo2();
    MemoryUse use;
    use.heapMB = double(info.uordblks + info.hblkhd) / 1e6;
    QFile statm(u"/proc/self/statm"_s);
    if (statm.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> fields = statm.readAll().split(' ');
        if (fields.size() > 1)
            use.residentMB = fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / 1e6;
    }
    return use;
}

// A page of about a megabyte of CP932: markup around Japanese prose.
QString megabytePage()
{
    const QString line = u"<p>吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。"
                         u"The quick brown fox jumps over the lazy dog.</p>"_s;
    QString page;
    while (page.size() * 3 / 2 < pageBytes)
        page += line + u'\n';
    return page;
}

struct PageFiles {
    QTemporaryDir dir;
    QStringList cp932;
    QStringList utf8;
};

const PageFiles &pageFiles()
{
    static PageFiles files = [] {
        PageFiles made;
        const QString page = megabytePage();
        for (int i = 0; i < pageCount; ++i) {
            const QString name = made.dir.filePath(u"page%1.htm"_s.arg(i));
            writeTextFile(name, page, LineEnd::CrLf);
            made.cp932 << name;
            const QString utf8Name = made.dir.filePath(u"page%1.txt"_s.arg(i));
            QFile file(utf8Name);
            if (file.open(QIODevice::WriteOnly))
                file.write(page.toUtf8());
            made.utf8 << utf8Name;
        }
        return made;
    }();
    return files;
}

void reportRound(benchmark::State &state, const char *who, MemoryUse start, MemoryUse open,
                 MemoryUse closed)
{
    const std::string prefix = who;
    state.counters[prefix + "_start_heap_MB"] = start.heapMB;
    state.counters[prefix + "_open_heap_MB"] = open.heapMB;
    state.counters[prefix + "_closed_heap_MB"] = closed.heapMB;
    // What closing left behind, against where it started.
    state.counters[prefix + "_kept_pct"] = (closed.heapMB - start.heapMB) / start.heapMB * 100;
    state.counters[prefix + "_start_rss_MB"] = start.residentMB;
    state.counters[prefix + "_closed_rss_MB"] = closed.residentMB;
}

// 100 pages of 1 MB opened in the main window and closed again, twice; the
// second round is measured. The first brings what Qt keeps once it has been
// needed: glyphs in its font caches, and the room its global shortcut map and
// posted-event queue grew to while 100 windows were open at once. What the
// second round leaves behind is what a window fails to give back.
void BM_LoadHundredPages(benchmark::State &state)
{
    const PageFiles &files = pageFiles();
    for (auto _ : state) {
        benchPlatform();
        // A main window opens at most 100 pages in its life, so each round
        // has a window of its own.
        const auto round = [&](MemoryUse &start, MemoryUse &open, MemoryUse &closed) {
            auto form = std::make_unique<TMainForm>();
            form->resize(1280, 960);
            form->show();
            start = memoryNow();
            for (const QString &name : files.cp932) {
                if (!form->OpenDocumentWindow(name))
                    return false;
            }
            open = memoryNow();
            form->ClientArea->closeAllSubWindows();
            closed = memoryNow();
            return form->ClientArea->subWindowList().isEmpty();
        };
        MemoryUse start;
        MemoryUse open;
        MemoryUse closed;
        if (!round(start, open, closed) || !round(start, open, closed)) {
            state.SkipWithError("a page did not open or did not close");
            return;
        }
        reportRound(state, "ours", start, open, closed);

        // The floor: bare editors in a bare document area, given the same text.
        const auto bareRound = [&](MemoryUse &start, MemoryUse &open, MemoryUse &closed) {
            auto area = std::make_unique<QMdiArea>();
            area->resize(1280, 960);
            area->show();
            start = memoryNow();
            for (const QString &name : files.utf8) {
                QFile file(name);
                if (!file.open(QIODevice::ReadOnly))
                    continue;
                auto *edit = new QPlainTextEdit;
                edit->setPlainText(QString::fromUtf8(file.readAll()));
                QMdiSubWindow *window = area->addSubWindow(edit);
                window->setAttribute(Qt::WA_DeleteOnClose);
                window->show();
            }
            open = memoryNow();
            area->closeAllSubWindows();
            closed = memoryNow();
        };
        bareRound(start, open, closed);
        bareRound(start, open, closed);
        reportRound(state, "floor", start, open, closed);
    }
}
BENCHMARK(BM_LoadHundredPages)->Iterations(1)->Unit(benchmark::kSecond);

// 10,000 rules (<HR> and a line break) put into a new page, each through the
// menu command with its undo snapshot; a line each, since Qt lays a long line
// out again on every change. The heap may grow by what the same text costs a
// bare editor, and no more: the snapshot is one copy, not one per insertion.
void BM_LoadTenThousandTags(benchmark::State &state)
{
    for (auto _ : state) {
        benchPlatform();
        auto form = std::make_unique<TMainForm>();
        form->resize(1280, 960);
        form->show();
        TMDIChild *doc = form->OpenDocumentWindow(u"New-1"_s);
        QTextCursor middle = doc->txtDoc->textCursor();
        middle.setPosition(doc->txtDoc->document()->characterCount() / 2);
        doc->txtDoc->setTextCursor(middle);
        const MemoryUse start = memoryNow();
        const qsizetype charsBefore = doc->txtDoc->document()->characterCount();
        for (int i = 0; i < tagInsertions; ++i)
            KeisenClick(*doc, nullptr);
        const MemoryUse end = memoryNow();
        const qsizetype added = doc->txtDoc->document()->characterCount() - charsBefore;
        if (added != qsizetype(tagInsertions) * 5) {
            state.SkipWithError("the rules did not all go in");
            return;
        }
        // The text itself: the inserted characters, two bytes each. Qt keeps
        // a block and its layout for each line besides, which the floor pays
        // too.
        const double oursMB = end.heapMB - start.heapMB;
        state.counters["text_MB"] = double(added) * 2 / 1e6;
        state.counters["ours_growth_MB"] = oursMB;
        state.counters["ours_rss_growth_MB"] = end.residentMB - start.residentMB;
        form.reset();

        // The floor: a bare editor with the same page and the same insertions
        // through a cursor, Qt's own undo history on.
        auto edit = std::make_unique<QPlainTextEdit>();
        edit->resize(1280, 900);
        edit->setPlainText(u"<HTML>\n<HEAD>\n<TITLE></TITLE>\n</HEAD>\n<BODY>\n\n</BODY>\n</HTML>"_s);
        edit->show();
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(edit->document()->characterCount() / 2);
        const MemoryUse bareStart = memoryNow();
        for (int i = 0; i < tagInsertions; ++i)
            cursor.insertText(u"<HR>\n"_s);
        const MemoryUse bareEnd = memoryNow();
        const double floorMB = bareEnd.heapMB - bareStart.heapMB;
        state.counters["floor_growth_MB"] = floorMB;
        state.counters["ratio"] = floorMB > 0 ? oursMB / floorMB : 0.0;
    }
}
BENCHMARK(BM_LoadTenThousandTags)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
