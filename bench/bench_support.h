#pragma once

#include <QElapsedTimer>
#include <QFont>
#include <QPlainTextEdit>
#include <QSize>
#include <QString>
#include <benchmark/benchmark.h>
#include <memory>

class TMainForm;
class TMDIChild;

// What the benchmarks share: a desktop that never waits for a user, the
// event-loop and timing helpers, and a document window beside a bare editor
// holding the same page, so each measures our operation next to the same
// work done with plain Qt.

// Installs (once) a platform that answers every box with its safe button and
// cancels every dialog.
void benchPlatform();

// Runs what is pending: deferred deletes, then posted events.
void settle();

// This thread's processor time: on a shared machine the wall clock also
// counts the time other processes held the processor.
qint64 threadCpuNs();

// Paints `editor` now: its pending update, or a forced one when none was pending.
void paintNow(QPlainTextEdit *editor);

// This process's processor time, every thread counted.
qint64 processCpuNs();

// A bare editor that lays text out as ours does: the same font, size, wrap
// modes and scroll bars, so a floor never gains from a layout ours cannot
// have. Not shown.
std::unique_ptr<QPlainTextEdit> bareEditorLike(const QPlainTextEdit *like);

// The font the program shows documents in (the main window's display font).
QFont programDisplayFont();

// A main window as the program shows it, with the program's display font.
std::unique_ptr<TMainForm> shownMainForm();

// A document window on its own with `text` in the program's display font,
// shown, caret at the start.
std::unique_ptr<TMDIChild> shownDocument(const QString &text);

void moveCaret(QPlainTextEdit *editor, int position, int anchor = -1);

// A key press and release, as typed.
void sendKey(QWidget *target, int key, const QString &text);

// Our time and the floor's, per iteration, as counters.
struct OursAndFloor {
    qint64 oursNs = 0;
    qint64 floorNs = 0;
    QElapsedTimer timer;

    void startOurs() { timer.start(); }
    void stopOurs() { oursNs += timer.nsecsElapsed(); }
    void startFloor() { timer.start(); }
    void stopFloor() { floorNs += timer.nsecsElapsed(); }
    void report(benchmark::State &state) const;
};

// A shown document window and a shown bare editor of the same size and font,
// both holding `page`.
struct EditorPair {
    std::unique_ptr<TMDIChild> doc;
    std::unique_ptr<QPlainTextEdit> bare;
};
EditorPair shownEditorPair(const QString &page, QSize size = {1280, 900});
