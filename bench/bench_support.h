#pragma once

#include <QPlainTextEdit>
#include <QSize>
#include <QString>
#include <memory>

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

// A shown document window and a shown bare editor of the same size and font,
// both holding `page`.
struct EditorPair {
    std::unique_ptr<TMDIChild> doc;
    std::unique_ptr<QPlainTextEdit> bare;
};
EditorPair shownEditorPair(const QString &page, QSize size = {1280, 900});
