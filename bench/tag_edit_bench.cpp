#include "bench/bench_support.h"
#include "bench/page_samples.h"
#include "dialogs/dialog_owner.h"
#include "dialogs/tag_edit_command.h"
#include "dialogs/text/font_dialog.h"
#include "document/doc_editor.h"
#include "document/mdi_child.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

// From the command to its dialog on screen: Ctrl+T with the caret in a FONT
// tag in the middle of a 50 MB page, and of a 5 million character line,
// beside the same dialog opened from its own menu entry on that page.

namespace {

const QString fontTagText = u"<FONT SIZE=3 COLOR=#FF0000 class=x>"_s;

// `page` with the tag in its middle; the caret goes inside the tag.
QString withTagInMiddle(const QString &page, qsizetype &caret)
{
    const qsizetype middle = page.size() / 2;
    caret = middle + 6;
    return QString(page).insert(middle, fontTagText);
}

// The time from `command` until its dialog is showing; then it is cancelled.
qint64 nsToDialog(TMDIChild &doc, void (*command)(TMDIChild &, QObject *))
{
    QElapsedTimer timer;
    qint64 shown = -1;
    QTimer::singleShot(0, [&] {
        if (QWidget *dlg = QApplication::activeModalWidget()) {
            shown = timer.nsecsElapsed();
            static_cast<QDialog *>(dlg)->reject();
        }
    });
    timer.start();
    command(doc, nullptr);
    return shown;
}

void openFromTag(benchmark::State &state, const QString &sample)
{
    benchPlatform();
    DialogOwner owner;
    qsizetype caret = 0;
    const std::unique_ptr<TMDIChild> doc = shownDocument(withTagInMiddle(sample, caret));
    OursAndFloor split;
    for (auto _ : state) {
        state.PauseTiming();
        moveCaret(doc->txtDoc, int(caret));
        settle();
        state.ResumeTiming();
        const qint64 ours = nsToDialog(*doc, ToolTagEditClick);
        const qint64 floor = nsToDialog(*doc, FontColorClick);
        if (ours < 0 || floor < 0) {
            state.SkipWithError("a dialog did not show");
            break;
        }
        split.oursNs += ours;
        split.floorNs += floor;
    }
    split.report(state);
}

void BM_TagEditOpensOn50MBPage(benchmark::State &state)
{
    openFromTag(state, pageSample(50));
}

void BM_TagEditOpensIn5MCharacterLine(benchmark::State &state)
{
    openFromTag(state, longLineSample());
}

} // namespace

BENCHMARK(BM_TagEditOpensOn50MBPage)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();
BENCHMARK(BM_TagEditOpensIn5MCharacterLine)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();
