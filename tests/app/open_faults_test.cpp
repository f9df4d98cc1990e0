#include "main_form_fixture.h"

#include "app/program.h"
#include "document/file_commands.h"
#include "support/file_bytes.h"
#include "support/unprivileged.h"

#include <QDir>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

class OpenFaults : public MainFormFixture
{
protected:
    QString cannotOpen(const QString &name) const { return u"ﾌｧｲﾙ "_s + name + u" は開けません"_s; }
};

// Whatever names them, by the Open dialog, a recent entry or the command
// line: a message, at once, and no window.
TEST_F(OpenFaults, WhatIsNoPageIsRefusedWithAMessageAndNeverWaitedOn)
{
    const QString fifo = path("fifo.html");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString folder = path("folder.html");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString big = path("big.html");
    {
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(MaxPageBytes + 1));  // sparse
    }
    const struct {
        QString name;
        QString message;
    } cases[] = {
        {fifo, cannotOpen(fifo)},
        {folder, cannotOpen(folder)},
        {u"/dev/zero"_s, cannotOpen(u"/dev/zero"_s)},
        {u"/dev/null"_s, cannotOpen(u"/dev/null"_s)},
        {big, u"ﾌｧｲﾙ "_s + big + u" は大きすぎて開けません (512 MB まで)"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        fake.messages.clear();
        fake.openNames = {c.name};
        form->FileOpenItemClick();
        openStartupFiles(*form, {c.name});
        form->Recent.set(0, c.name);
        form->OpenFile1Click(form->OpenFile[0]);

        ASSERT_EQ(fake.messages.size(), 3);
        for (const FakePlatform::Message &message : std::as_const(fake.messages)) {
            EXPECT_EQ(message.kind, MessageKind::Error);
            EXPECT_EQ(message.title, u"Marquill 32"_s);
            EXPECT_EQ(message.text, c.message);
        }
        EXPECT_TRUE(form->ClientArea->subWindowList().isEmpty());
        EXPECT_EQ(form->DocumentCounter, 0);
    }
}

TEST_F(OpenFaults, AnUnwritableIniAtExitIsReportedAndNothingElseIsLost)
{
    const QString ini = fake.configFilePath();
    const QString page = path("page.html");
    writeBytes(page, "old\r\n");
    const struct {
        const char *name;
        bool unprivileged;
    } cases[] = {{"MARQUILL.INI is a folder", false}, {"its folder is read-only", true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        start();
        form->OpenDocumentWindow(page);
        current()->txtDoc->insertPlainText(u"new "_s);
        fake.messages.clear();
        fake.answers = {Answer::Yes};
        QFile::remove(ini);
        const QByteArray folder = QFile::encodeName(fake.folder.path());
        if (c.unprivileged) {
            writeBytes(ini, "[Marquill]\r\nFontSize=9\r\n");
            // The page is saved first, before the folder turns read-only.
            ASSERT_TRUE(saveDocument(*current()));
            ASSERT_EQ(chmod(folder.constData(), 0555), 0);
            const Unprivileged user;
            ASSERT_TRUE(user.ok());
            form->FileExitItemClick();
        } else {
            ASSERT_TRUE(QDir().mkdir(ini));
            form->FileExitItemClick();
        }
        chmod(folder.constData(), 0755);

        EXPECT_FALSE(form->isVisible());
        EXPECT_TRUE(form->ClientArea->subWindowList().isEmpty());
        EXPECT_EQ(readBytes(page), "new old\r\n");
        ASSERT_FALSE(fake.messages.isEmpty());
        EXPECT_EQ(fake.messages.last().text, u"ﾌｧｲﾙ "_s + ini + u" を作成できません"_s);
        EXPECT_EQ(fake.messages.last().kind, MessageKind::Error);
        if (c.unprivileged) {
            EXPECT_EQ(readBytes(ini), "[Marquill]\r\nFontSize=9\r\n");
        } else {
            EXPECT_TRUE(QFileInfo(ini).isDir());
            QDir().rmdir(ini);
        }
        EXPECT_EQ(QDir(fake.folder.path()).entryList(QDir::Files | QDir::Hidden),
                  (c.unprivileged ? QStringList{u"MARQUILL.INI"_s, u"page.html"_s}
                                  : QStringList{u"page.html"_s}));
        writeBytes(page, "old\r\n");
    }
}

} // namespace
