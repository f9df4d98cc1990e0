#include "document/file_commands.h"
#include "support/doc_fixture.h"

#include "support/file_bytes.h"
#include "support/unprivileged.h"

#include <QDir>
#include <QFile>
#include <QThread>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QString confirmOverwrite = u" は他のﾌﾟﾛｸﾞﾗﾑで変更されています。\n上書きしますか？"_s;

// What may go wrong under a page while it is open, and what a save must do
// then: never lose the text in the window, never leave half a file.
class SaveFaults : public DocFixture
{
protected:
    QString page = fake.folder.filePath(u"page.html"_s);

    void SetUp() override
    {
        writeBytes(page, "old\r\n");
        openPage(page);
    }

    // As the program opens a file: the window remembers the file's state.
    void openPage(const QString &name)
    {
        setText(QString::fromLatin1(readBytes(name)));
        doc->setWindowTitle(name);
        doc->setFileName(name);
        doc->fileStamp = fileState(name).stamp;
        QTextCursor cursor(doc->txtDoc->document());
        cursor.insertText(u"typed "_s);
    }

    QStringList folderEntries(const QString &folder) const
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                      QDir::Name);
    }

    // The window still holds every typed character and still says so.
    void expectTextKept() const
    {
        EXPECT_EQ(text(), u"typed old\r\n"_s);
        EXPECT_TRUE(doc->isModified());
    }

    // Someone else rewrites the page, a few clock ticks later, so that the
    // file's time moves on.
    void rewriteBehindTheEditor(const QByteArray &bytes)
    {
        QThread::msleep(10);
        writeBytes(page, bytes);
    }
};

TEST_F(SaveFaults, APageChangedOnDiskIsNotOverwrittenUnasked)
{
    rewriteBehindTheEditor("new\r\n");  // the same size: only its time tells
    EXPECT_FALSE(saveDocument(*doc));  // the fake answers No
    rewriteBehindTheEditor("someone else's newer text\r\n");
    EXPECT_FALSE(saveDocument(*doc));
    ASSERT_EQ(fake.messages.size(), 2);
    EXPECT_EQ(fake.messages[1].kind, MessageKind::Confirmation);
    EXPECT_EQ(fake.messages[1].buttons, MessageButtons::YesNo);
    EXPECT_EQ(fake.messages[1].text, u"ﾌｧｲﾙ "_s + page + confirmOverwrite);
    EXPECT_EQ(readBytes(page), "someone else's newer text\r\n");
    expectTextKept();

    fake.answers = {Answer::Yes};
    EXPECT_TRUE(saveDocument(*doc));
    EXPECT_EQ(readBytes(page), "typed old\r\n");
    EXPECT_FALSE(doc->isModified());

    // Written by us, the file is ours again: the next save asks nothing.
    QTextCursor(doc->txtDoc->document()).insertText(u"more "_s);
    EXPECT_TRUE(saveDocument(*doc));
    EXPECT_EQ(fake.messages.size(), 3);
    EXPECT_EQ(readBytes(page), "more typed old\r\n");
}

TEST_F(SaveFaults, ClosingWithYesThenNoToTheOverwriteKeepsTheWindow)
{
    rewriteBehindTheEditor("theirs\r\n");
    fake.answers = {Answer::Yes, Answer::No};
    EXPECT_FALSE(doc->close());
    EXPECT_TRUE(alive);
    EXPECT_EQ(readBytes(page), "theirs\r\n");
    expectTextKept();
}

TEST_F(SaveFaults, ADeletedPageIsWrittenAgainWithoutAQuestion)
{
    ASSERT_TRUE(QFile::remove(page));
    EXPECT_TRUE(saveDocument(*doc));
    EXPECT_TRUE(fake.messages.isEmpty());
    EXPECT_EQ(readBytes(page), "typed old\r\n");
}

struct FailCase {
    const char *name;
    std::function<void(const QString &page)> breakIt;
    std::function<void(const QString &page)> check;
};

TEST_F(SaveFaults, AFailedSaveKeepsTheTextAndLeavesNoFileBehind)
{
    const FailCase cases[] = {
        {"page replaced by a folder",
         [](const QString &p) {
             QFile::remove(p);
             QDir().mkdir(p);
         },
         [this](const QString &p) {
             EXPECT_TRUE(QFileInfo(p).isDir());
             EXPECT_TRUE(folderEntries(p).isEmpty());
         }},
        {"page replaced by a FIFO",
         [](const QString &p) {
             QFile::remove(p);
             mkfifo(QFile::encodeName(p).constData(), 0600);
         },
         [](const QString &p) {
             struct stat st = {};
             EXPECT_EQ(stat(QFile::encodeName(p).constData(), &st), 0);
             EXPECT_TRUE(S_ISFIFO(st.st_mode));
         }},
        {"its folder gone", [](const QString &p) { QDir(QFileInfo(p).path()).removeRecursively(); },
         [](const QString &p) { EXPECT_FALSE(QFileInfo::exists(QFileInfo(p).path())); }},
    };
    for (const FailCase &c : cases) {
        SCOPED_TRACE(c.name);
        const QString sub = fake.folder.filePath(QString::fromLatin1(c.name).replace(u' ', u'_'));
        ASSERT_TRUE(QDir().mkdir(sub));
        const QString file = sub + u"/page.html"_s;
        writeBytes(file, "old\r\n");
        fake.messages.clear();
        openPage(file);
        c.breakIt(file);

        EXPECT_FALSE(saveDocument(*doc));
        ASSERT_EQ(fake.messages.size(), 1);
        EXPECT_EQ(fake.messages[0].text, u"ﾌｧｲﾙ "_s + file + u" を作成できません"_s);
        c.check(file);
        if (QFileInfo::exists(sub)) {
            EXPECT_EQ(folderEntries(sub), QStringList{u"page.html"_s});
        }
        expectTextKept();
    }
}

TEST_F(SaveFaults, AFullDiskKeepsTheOldFileWholeAndTheTextInTheWindow)
{
    QTextCursor(doc->txtDoc->document()).insertText(QString(200000, u'x'));
    const QString expected = text();
    struct rlimit saved = {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool savedOk = saveDocument(*doc);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(savedOk);
    EXPECT_EQ(fake.messageTexts(), QStringList{u"ﾌｧｲﾙ "_s + page + u" を作成できません"_s});
    EXPECT_EQ(readBytes(page), "old\r\n");
    EXPECT_EQ(folderEntries(fake.folder.path()), QStringList{u"page.html"_s});
    EXPECT_EQ(text(), expected);
    EXPECT_TRUE(doc->isModified());

    // With room again the same window saves everything.
    EXPECT_TRUE(saveDocument(*doc));
    EXPECT_EQ(readBytes(page), expected.toLatin1());
}

TEST_F(SaveFaults, AReadOnlyFolderRefusesTheSaveAndKeepsTheOldFile)
{
    const QByteArray folder = QFile::encodeName(fake.folder.path());
    ASSERT_EQ(chmod(folder.constData(), 0555), 0);
    bool savedOk = true;
    {
        const Unprivileged user;
        ASSERT_TRUE(user.ok());
        savedOk = saveDocument(*doc);
    }
    chmod(folder.constData(), 0755);
    EXPECT_FALSE(savedOk);
    EXPECT_EQ(fake.messageTexts(), QStringList{u"ﾌｧｲﾙ "_s + page + u" を作成できません"_s});
    EXPECT_EQ(readBytes(page), "old\r\n");
    EXPECT_EQ(folderEntries(fake.folder.path()), QStringList{u"page.html"_s});
    expectTextKept();
}

TEST_F(SaveFaults, SavingThroughALinkKeepsTheLinkAndWritesItsTarget)
{
    const QString real = fake.folder.filePath(u"real.html"_s);
    const QString link = fake.folder.filePath(u"link.html"_s);
    writeBytes(real, "old\r\n");
    ASSERT_TRUE(QFile::link(u"real.html"_s, link));
    openPage(link);
    for (const char *typed : {"first ", "second "}) {
        QTextCursor(doc->txtDoc->document()).insertText(QString::fromLatin1(typed));
        EXPECT_TRUE(saveDocument(*doc));
    }
    EXPECT_TRUE(fake.messages.isEmpty());
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), QFileInfo(real).absoluteFilePath());
    EXPECT_EQ(readBytes(real), "second first typed old\r\n");
}

} // namespace
