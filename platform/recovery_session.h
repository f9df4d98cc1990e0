#pragma once

#include "platform/recovery_record.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QThread>
#include <functional>
#include <map>
#include <mutex>

// The copies of this run's unsaved pages, in a folder of their own under the
// recovery folder, locked while the program lives: the kernel lets the lock
// go when the process dies, however it dies, and the folder is then an
// orphan that the next start offers back.
//
// Copies are written atomically on a thread of their own, so the editor
// never waits on the disk; a newer copy of a page replaces one still
// waiting. Each page is known by a number unique in the run.
class RecoverySession
{
public:
    explicit RecoverySession(const QString &root);
    // Waits for what is queued; with no page left, removes the folder.
    ~RecoverySession();
    RecoverySession(const RecoverySession &) = delete;
    RecoverySession &operator=(const RecoverySession &) = delete;

    void store(int page, RecoveryRecord record);
    void discard(int page);
    // Returns when everything stored or discarded so far is on disk.
    void flush();

    // Empty until the first copy is written.
    QString folder() const;
    static QString pageFileName(int page);

private:
    void run(std::function<void()> job);
    void writePending(int page);
    bool makeFolder();

    const QString m_root;
    QString m_folder;
    int m_lockFd = -1;
    QThread m_thread;
    QObject m_worker;
    mutable std::mutex m_mutex;
    std::map<int, RecoveryRecord> m_pending;
};

// The pages that sessions of dead processes left behind. Each such session is
// claimed (locked) while this object lives, so that two starts never offer
// the same pages.
class OrphanedPages
{
public:
    explicit OrphanedPages(const QString &root);
    ~OrphanedPages();
    OrphanedPages(const OrphanedPages &) = delete;
    OrphanedPages &operator=(const OrphanedPages &) = delete;

    struct Page {
        QString path;
        RecoveryRecord record;
    };
    // Session by session, each page in the order it was opened.
    const QList<Page> &pages() const { return m_pages; }

    // Deletes the copy of `page`; a session left with no page goes entirely.
    void discard(const Page &page);

private:
    struct Claim {
        QString folder;
        int lockFd;
    };
    QList<Claim> m_claims;
    QList<Page> m_pages;
};
