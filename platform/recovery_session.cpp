#include "platform/recovery_session.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString lockName = u"lock"_s;

QByteArray nativeName(const QString &path)
{
    return QFile::encodeName(path);
}

// The folder's lock, taken without waiting; -1 when another process holds
// it or there is none. Close-on-exec: a browser started from the editor
// must not keep the lock alive after the editor died.
int takeLock(const QString &folder, int createFlag)
{
    const int fd = ::open(nativeName(folder + u'/' + lockName).constData(),
                          O_RDWR | O_CLOEXEC | createFlag, 0600);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

int pageNumber(const QString &fileName)
{
    return QStringView(fileName).sliced(5).split(u'.').first().toInt();
}

QStringList pageFiles(const QString &folder)
{
    QStringList files = QDir(folder).entryList({u"page-*.recovery"_s}, QDir::Files);
    std::sort(files.begin(), files.end(),
              [](const QString &a, const QString &b) { return pageNumber(a) < pageNumber(b); });
    return files;
}

// Lets the lock go, and the folder too when nothing but the lock is left in it.
void release(const QString &folder, int lockFd)
{
    const QStringList left = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                    | QDir::NoDotAndDotDot);
    if (left == QStringList{lockName}) {
        QFile::remove(folder + u'/' + lockName);
        QDir().rmdir(folder);
    }
    ::close(lockFd);
}

} // namespace

RecoverySession::RecoverySession(const QString &root) : m_root(root)
{
    m_worker.moveToThread(&m_thread);
}

RecoverySession::~RecoverySession()
{
    flush();
    m_thread.quit();
    m_thread.wait();
    if (m_lockFd >= 0)
        release(m_folder, m_lockFd);
}

QString RecoverySession::pageFileName(int page)
{
    return u"page-%1.recovery"_s.arg(page);
}

QString RecoverySession::folder() const
{
    const std::lock_guard lock(m_mutex);
    return m_folder;
}

void RecoverySession::store(int page, RecoveryRecord record)
{
    bool queued = false;
    {
        const std::lock_guard lock(m_mutex);
        queued = m_pending.contains(page);
        m_pending[page] = std::move(record);
    }
    if (!queued)
        run([this, page] { writePending(page); });
}

void RecoverySession::discard(int page)
{
    {
        const std::lock_guard lock(m_mutex);
        m_pending.erase(page);
    }
    run([this, page] {
        if (m_lockFd >= 0)
            QFile::remove(m_folder + u'/' + pageFileName(page));
    });
}

void RecoverySession::flush()
{
    if (m_thread.isRunning())
        QMetaObject::invokeMethod(&m_worker, [] {}, Qt::BlockingQueuedConnection);
}

void RecoverySession::run(std::function<void()> job)
{
    if (!m_thread.isRunning())
        m_thread.start();
    QMetaObject::invokeMethod(&m_worker, std::move(job), Qt::QueuedConnection);
}

void RecoverySession::writePending(int page)
{
    RecoveryRecord record;
    {
        const std::lock_guard lock(m_mutex);
        const auto found = m_pending.find(page);
        if (found == m_pending.end())
            return;
        record = std::move(found->second);
        m_pending.erase(found);
    }
    if (!makeFolder())
        return;
    const QByteArray bytes = recoveryBytes(record);
    QSaveFile file(m_folder + u'/' + pageFileName(page));
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return;
    }
    file.commit();
}

// Made under a hidden name and renamed once locked, so that a start looking
// for orphans never takes a session being born for one.
bool RecoverySession::makeFolder()
{
    if (m_lockFd >= 0)
        return true;
    if (!QDir().mkpath(m_root))
        return false;
    const QString pid = QString::number(QCoreApplication::applicationPid());
    const QString born = m_root + u"/.new-"_s + pid;
    QDir(born).removeRecursively();
    if (::mkdir(nativeName(born).constData(), 0700) != 0)
        return false;
    const int fd = takeLock(born, O_CREAT);
    if (fd < 0) {
        QDir(born).removeRecursively();
        return false;
    }
    const QByteArray owner = pid.toLatin1() + '\n';
    if (::write(fd, owner.constData(), size_t(owner.size())) < 0) {
        // The pid is for people looking in; the lock works without it.
    }
    const QString name = m_root + u'/' + QString::number(QDateTime::currentMSecsSinceEpoch())
            + u'-' + pid;
    if (::rename(nativeName(born).constData(), nativeName(name).constData()) != 0) {
        ::close(fd);
        QDir(born).removeRecursively();
        return false;
    }
    const std::lock_guard lock(m_mutex);
    m_folder = name;
    m_lockFd = fd;
    return true;
}

OrphanedPages::OrphanedPages(const QString &root)
{
    const QStringList sessions = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &name : sessions) {
        const QString folder = root + u'/' + name;
        const int fd = takeLock(folder, 0);
        if (fd < 0)
            continue;
        m_claims.append({folder, fd});
        for (const QString &file : pageFiles(folder)) {
            const QString path = folder + u'/' + file;
            QFile in(path);
            if (!in.open(QIODevice::ReadOnly))
                continue;
            if (std::optional<RecoveryRecord> record = parseRecoveryBytes(in.readAll()))
                m_pages.append({path, std::move(*record)});
        }
    }
}

OrphanedPages::~OrphanedPages()
{
    for (const Claim &claim : std::as_const(m_claims))
        release(claim.folder, claim.lockFd);
}

void OrphanedPages::discard(const Page &page)
{
    QFile::remove(page.path);
    m_pages.removeIf([&](const Page &p) { return p.path == page.path; });
}
