#include "platform/recovery_session.h"

#include "support/file_bytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

RecoveryRecord page(const QString &caption, const QString &text)
{
    return {caption, u"/pages/"_s + caption, LineEnd::CrLf, TextEncoding::ShiftJis, std::nullopt, text};
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

class RecoverySessionTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString root = dir.filePath(u"recovery"_s);

    QString pageFile(const RecoverySession &session, int number) const
    {
        return session.folder() + u'/' + RecoverySession::pageFileName(number);
    }
};

TEST_F(RecoverySessionTest, KeepsTheNewestCopyOfEachPageUntilDiscarded)
{
    RecoverySession session(root);
    session.store(1, page(u"a"_s, u"first"_s));
    session.store(2, page(u"b"_s, u"other"_s));
    session.store(1, page(u"a"_s, u"second"_s));
    session.flush();
    EXPECT_EQ(readBytes(pageFile(session, 1)), recoveryBytes(page(u"a"_s, u"second"_s)));
    EXPECT_EQ(readBytes(pageFile(session, 2)), recoveryBytes(page(u"b"_s, u"other"_s)));
    EXPECT_EQ(entries(session.folder()),
              (QStringList{u"lock"_s, u"page-1.recovery"_s, u"page-2.recovery"_s}));

    session.discard(1);
    session.store(2, page(u"b"_s, u"dropped before written"_s));
    session.discard(2);
    session.flush();
    EXPECT_EQ(entries(session.folder()), QStringList{u"lock"_s});
    EXPECT_TRUE(OrphanedPages(root).pages().isEmpty());
}

TEST_F(RecoverySessionTest, PagesLeftAtTheEndAreOfferedOnceAndGoWhenDiscarded)
{
    {
        RecoverySession session(root);
        session.store(12, page(u"later"_s, u"L"_s));
        session.store(3, page(u"earlier"_s, u"E"_s));
    }
    {
        OrphanedPages orphans(root);
        ASSERT_EQ(orphans.pages().size(), 2);
        EXPECT_EQ(orphans.pages()[0].record.caption, u"earlier"_s);
        EXPECT_EQ(orphans.pages()[1].record.text, u"L"_s);
        // Claimed: a second start at the same moment gets none of them.
        EXPECT_TRUE(OrphanedPages(root).pages().isEmpty());
        orphans.discard(orphans.pages()[0]);
    }
    OrphanedPages rest(root);
    ASSERT_EQ(rest.pages().size(), 1);
    rest.discard(rest.pages()[0]);
    EXPECT_EQ(rest.pages().size(), 0);
}

TEST_F(RecoverySessionTest, APagesOwnerIsKnownByItsLockAliveOrKilled)
{
    const QString folder = root + u"/1-99999"_s;
    ASSERT_TRUE(QDir().mkpath(folder));
    writeBytes(folder + u"/page-1.recovery"_s, recoveryBytes(page(u"held"_s, u"text"_s)));
    const QByteArray lockPath = QFile::encodeName(folder + u"/lock"_s);
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Only system calls here: the parent's threads are gone.
        const int fd = ::open(lockPath.constData(), O_RDWR | O_CREAT, 0600);
        const char ok = (fd >= 0 && ::flock(fd, LOCK_EX) == 0) ? 'y' : 'n';
        (void)::write(ready[1], &ok, 1);
        ::pause();
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    ::close(ready[0]);
    ::close(ready[1]);
    ASSERT_EQ(ok, 'y');

    const qsizetype whileAlive = OrphanedPages(root).pages().size();
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);

    EXPECT_EQ(whileAlive, 0);
    OrphanedPages orphans(root);
    ASSERT_EQ(orphans.pages().size(), 1);
    EXPECT_EQ(orphans.pages()[0].record.caption, u"held"_s);
}

TEST_F(RecoverySessionTest, ADiskThatFillsUpLeavesNoPartialCopy)
{
    RecoverySession session(root);
    session.store(1, page(u"small"_s, u"kept"_s));
    session.flush();
    const QByteArray kept = readBytes(pageFile(session, 1));

    struct rlimit saved = {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    session.store(1, page(u"small"_s, QString(100000, u'x')));
    session.store(2, page(u"big"_s, QString(100000, u'y')));
    session.flush();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(readBytes(pageFile(session, 1)), kept);
    EXPECT_EQ(entries(session.folder()), (QStringList{u"lock"_s, u"page-1.recovery"_s}));
    session.store(2, page(u"big"_s, u"fits again"_s));
    session.flush();
    EXPECT_EQ(readBytes(pageFile(session, 2)), recoveryBytes(page(u"big"_s, u"fits again"_s)));
}

} // namespace
