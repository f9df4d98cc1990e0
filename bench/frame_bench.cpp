#include "bench/bench_support.h"
#include "app/main_form.h"
#include "dialogs/dialog_owner.h"
#include "dialogs/text/base_font_dialog.h"
#include "dialogs/text/bgc_data_dialog.h"
#include "dialogs/text/font_dialog.h"
#include "dialogs/text/heading_dialog.h"
#include "dialogs/text/list_dialog.h"
#include "dialogs/text/page_dialog.h"
#include "dialogs/text/rule_dialog.h"
#include "dialogs/text/table_dialog.h"
#include "platform/platform.h"

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTableWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

// Start-up and the first show of each attribute dialog, each beside the same
// amount of bare Qt work: a main window or dialog holding as many widgets of
// each kind as ours, built and shown until its first paint.

namespace {

struct Split {
    qint64 oursNs = 0;
    qint64 floorNs = 0;

    void report(benchmark::State &state) const
    {
        const double n = double(state.iterations());
        state.counters["ours_ms"] = double(oursNs) / 1e6 / n;
        state.counters["floor_ms"] = double(floorNs) / 1e6 / n;
        state.counters["ratio"] = floorNs > 0 ? double(oursNs) / double(floorNs) : 0.0;
    }
};

// Tells when `window` has painted for the first time.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *window, std::function<void()> then = {})
        : m_then(std::move(then))
    {
        window->installEventFilter(this);
    }
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            if (m_then)
                QTimer::singleShot(0, m_then);
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

void waitForPaint(const FirstPaint &paint)
{
    while (!paint.painted)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// How many widgets of each standard kind a window holds.
std::map<QByteArray, int> widgetKinds(const QWidget &root)
{
    static const QList<const QMetaObject *> kinds = {
        &QCheckBox::staticMetaObject, &QRadioButton::staticMetaObject,
        &QPushButton::staticMetaObject, &QToolButton::staticMetaObject,
        &QLineEdit::staticMetaObject, &QComboBox::staticMetaObject,
        &QSlider::staticMetaObject, &QLabel::staticMetaObject,
        &QTabWidget::staticMetaObject, &QTableWidget::staticMetaObject,
        &QFrame::staticMetaObject,
    };
    std::map<QByteArray, int> counts;
    for (const QWidget *w : root.findChildren<QWidget *>()) {
        for (const QMetaObject *kind : kinds) {
            if (w->metaObject()->inherits(kind)) {
                ++counts[kind->className()];
                break;
            }
        }
    }
    return counts;
}

QWidget *makeBare(const QByteArray &kind, QWidget *parent)
{
    if (kind == "QCheckBox")
        return new QCheckBox(u"ﾁｪｯｸ"_s, parent);
    if (kind == "QRadioButton")
        return new QRadioButton(u"ﾗｼﾞｵ"_s, parent);
    if (kind == "QPushButton")
        return new QPushButton(u"ﾎﾞﾀﾝ"_s, parent);
    if (kind == "QToolButton")
        return new QToolButton(parent);
    if (kind == "QLineEdit")
        return new QLineEdit(parent);
    if (kind == "QComboBox") {
        auto *combo = new QComboBox(parent);
        combo->addItems({u"左寄せ"_s, u"中央"_s, u"右寄せ"_s});
        return combo;
    }
    if (kind == "QSlider")
        return new QSlider(Qt::Horizontal, parent);
    if (kind == "QLabel")
        return new QLabel(u"ﾗﾍﾞﾙ"_s, parent);
    if (kind == "QTabWidget")
        return new QTabWidget(parent);
    if (kind == "QTableWidget")
        return new QTableWidget(5, 5, parent);
    auto *frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return frame;
}

// A plain dialog with the same kinds and numbers of widgets, in a grid.
std::unique_ptr<QDialog> bareDialogLike(const std::map<QByteArray, int> &kinds)
{
    auto dialog = std::make_unique<QDialog>();
    auto *grid = new QGridLayout(dialog.get());
    int i = 0;
    for (const auto &[kind, count] : kinds) {
        for (int n = 0; n < count; ++n, ++i)
            grid->addWidget(makeBare(kind, dialog.get()), i / 8, i % 8);
    }
    grid->setSizeConstraint(QLayout::SetFixedSize);
    return dialog;
}

// --- start-up ----------------------------------------------------------------

void BM_StartupToFirstPaint(benchmark::State &state)
{
    benchPlatform();
    Split split;
    QElapsedTimer timer;
    for (auto _ : state) {
        timer.start();
        auto form = std::make_unique<TMainForm>();
        FirstPaint paint(form.get());
        form->show();
        waitForPaint(paint);
        split.oursNs += timer.nsecsElapsed();

        state.PauseTiming();
        const int actions = int(form->findChildren<QAction *>().size());
        const std::map<QByteArray, int> kinds = widgetKinds(*form);
        const QSize size = form->size();
        form.reset();
        settle();

        timer.start();
        QMainWindow bare;
        bare.setCentralWidget(new QMdiArea);
        QMenu *menu = bare.menuBar()->addMenu(u"ﾒﾆｭｰ"_s);
        for (int i = 0; i < actions; ++i)
            menu->addAction(u"項目"_s);
        auto *rows = new QWidget;
        auto *grid = new QGridLayout(rows);
        int i = 0;
        for (const auto &[kind, count] : kinds) {
            for (int n = 0; n < count; ++n, ++i)
                grid->addWidget(makeBare(kind, rows), i / 40, i % 40);
        }
        bare.setMenuWidget(bare.menuBar());
        bare.statusBar()->addWidget(rows);
        bare.resize(size);
        FirstPaint barePaint(&bare);
        bare.show();
        waitForPaint(barePaint);
        split.floorNs += timer.nsecsElapsed();
        state.ResumeTiming();
    }
    split.report(state);
}

// --- first show of a dialog ---------------------------------------------------

// From the command asking for the dialog (made on first use) to its first
// paint; the dialog is then cancelled.
template <typename Dialog>
void BM_DialogFirstShow(benchmark::State &state)
{
    benchPlatform();
    Split split;
    QElapsedTimer timer;
    for (auto _ : state) {
        auto owner = std::make_unique<DialogOwner>();
        qint64 shownAfter = 0;
        std::map<QByteArray, int> kinds;
        timer.start();
        Dialog &dlg = attributeDialog<Dialog>();
        FirstPaint paint(&dlg, [&] {
            kinds = widgetKinds(dlg);
            dlg.reject();
        });
        QTimer::singleShot(0, [&] {
            // The dialog is showing; the paint may still be pending.
            if (!paint.painted)
                waitForPaint(paint);
            shownAfter = timer.nsecsElapsed();
        });
        dlg.run();
        split.oursNs += shownAfter;

        state.PauseTiming();
        owner.reset();
        settle();
        state.ResumeTiming();

        timer.start();
        std::unique_ptr<QDialog> bare = bareDialogLike(kinds);
        qint64 bareAfter = 0;
        QDialog *barePtr = bare.get();
        FirstPaint barePaint(barePtr, [barePtr] { barePtr->reject(); });
        QTimer::singleShot(0, [&] {
            if (!barePaint.painted)
                waitForPaint(barePaint);
            bareAfter = timer.nsecsElapsed();
        });
        bare->exec();
        split.floorNs += bareAfter;

        state.PauseTiming();
        bare.reset();
        settle();
        state.ResumeTiming();
    }
    split.report(state);
}

} // namespace

BENCHMARK(BM_StartupToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();
#define DIALOG_BENCHMARK(Dialog) \
    BENCHMARK(BM_DialogFirstShow<Dialog>)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime()
DIALOG_BENCHMARK(TfrmBgcData);
DIALOG_BENCHMARK(TfrmFont);
DIALOG_BENCHMARK(TfrmBase);
DIALOG_BENCHMARK(TfrmTitle);
DIALOG_BENCHMARK(TfrmPage);
DIALOG_BENCHMARK(TfrmLine);
DIALOG_BENCHMARK(TfrmMarkList);
DIALOG_BENCHMARK(TfrmNumList);
DIALOG_BENCHMARK(TfrmHyo);
