#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <memory>

class RecoverySession;
class TMDIChild;

struct RecoveryTiming {
    // Quiet time after an edit before the text is copied.
    std::chrono::milliseconds idle{3000};
    // While typing never pauses that long: the most an edit waits for a copy.
    // Below 30 s, leaving time for the copy to reach the disk.
    std::chrono::milliseconds longest{25000};
};

// Keeps a copy of a document window's unsaved text in the recovery session,
// so that a crash or a kill takes at most RecoveryTiming::longest of typing.
// Nothing happens on the keystroke itself but restarting two timers; the text
// is copied out when one of them fires and written on the session's thread.
// A save, a close, or an undo back to the saved text removes the copy.
class PageRecovery : public QObject
{
    Q_OBJECT
public:
    // `page`: the window's number, unique in the run.
    PageRecovery(TMDIChild &doc, int page, std::shared_ptr<RecoverySession> session,
                 RecoveryTiming timing = {});

    // Copies the text at once when it differs from the file, removes the copy
    // when it does not.
    void copyNow();

private:
    void edited();
    void forget();

    TMDIChild &m_doc;
    const int m_page;
    const std::shared_ptr<RecoverySession> m_session;
    QTimer m_idle;
    QTimer m_longest;
    bool m_copied = false;
};
