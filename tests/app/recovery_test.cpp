#include "main_form_fixture.h"

#include "app/recovery_offer.h"
#include "document/file_commands.h"
#include "document/page_recovery.h"
#include "platform/recovery_session.h"
#include "support/file_bytes.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

class Recovery : public MainFormFixture
{
protected:
    // Pages as a run that ended without closing them leaves them.
    void leaveBehind(const QList<RecoveryRecord> &pages)
    {
        RecoverySession earlier(fake.recoveryPath);
        int number = 0;
        for (const RecoveryRecord &page : pages)
            earlier.store(++number, page);
    }

    QStringList filesUnder(const QString &folder) const
    {
        QStringList files;
        QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
        files.sort();
        return files;
    }

    QList<TMDIChild *> windows() const
    {
        QList<TMDIChild *> docs;
        for (QMdiSubWindow *w : form->ClientArea->subWindowList(QMdiArea::CreationOrder))
            docs << qobject_cast<TMDIChild *>(w);
        return docs;
    }

    const QString offerText = u"前回の終了時に保存されていなかった文書があります。\n\n"_s;
};

TEST_F(Recovery, YesOpensEveryPageAsItWasUnderItsOldName)
{
    const QString named = path("named.html");
    writeBytes(named, "on disk\r\n");
    const FileStamp stamp = fileState(named).stamp;
    leaveBehind({{named, named, LineEnd::Lf, TextEncoding::ShiftJis, stamp, u"edited\n日本\n"_s},
                 {u"New-2"_s, {}, LineEnd::CrLf, TextEncoding::Utf8Bom, std::nullopt, u"never saved"_s}});
    fake.answers = {Answer::Yes};

    offerRecoveredPages(*form);

    ASSERT_EQ(fake.messages.size(), 1);
    EXPECT_EQ(fake.messages[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(fake.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(fake.messages[0].text, offerText + u"    "_s + named + u"\n    New-2\n\n復元しますか？"_s);
    const QList<TMDIChild *> docs = windows();
    ASSERT_EQ(docs.size(), 2);
    EXPECT_EQ(docs[0]->windowTitle(), named);
    EXPECT_EQ(docs[0]->fileName(), named);
    EXPECT_EQ(docs[0]->lineEnd, LineEnd::Lf);
    EXPECT_EQ(docs[0]->encoding, TextEncoding::ShiftJis);
    EXPECT_EQ(docs[0]->fileStamp, stamp);
    EXPECT_EQ(docText(docs[0]), u"edited\r\n日本\r\n"_s);
    EXPECT_EQ(docs[1]->windowTitle(), u"New-2"_s);
    EXPECT_TRUE(docs[1]->fileName().isEmpty());
    EXPECT_EQ(docs[1]->encoding, TextEncoding::Utf8Bom);
    EXPECT_EQ(docText(docs[1]), u"never saved"_s);
    for (TMDIChild *doc : docs)
        EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(readBytes(named), "on disk\r\n");

    // This run holds the only copies now, and offers nothing twice.
    const QString own = form->recoverySession().folder();
    EXPECT_EQ(filesUnder(fake.recoveryPath),
              (QStringList{own + u"/lock"_s, own + u"/page-1.recovery"_s, own + u"/page-2.recovery"_s}));
    offerRecoveredPages(*form);
    EXPECT_EQ(fake.messages.size(), 1);

    // Saved, the page is the file's again, without a question.
    EXPECT_TRUE(saveDocument(*docs[0]));
    EXPECT_EQ(readBytes(named), "edited\n\x93\xfa\x96\x7b\n");
    EXPECT_EQ(fake.messages.size(), 1);
}

TEST_F(Recovery, NoDiscardsThePages)
{
    leaveBehind({{u"New-1"_s, {}, LineEnd::CrLf, TextEncoding::ShiftJis, std::nullopt, u"gone"_s}});
    fake.answers = {Answer::No};
    offerRecoveredPages(*form);
    EXPECT_EQ(fake.messageTexts(), QStringList{offerText + u"    New-1\n\n復元しますか？"_s});
    EXPECT_TRUE(windows().isEmpty());
    EXPECT_TRUE(filesUnder(fake.recoveryPath).isEmpty());
}

TEST_F(Recovery, WithoutPagesNothingIsAsked)
{
    offerRecoveredPages(*form);
    leaveBehind({});
    offerRecoveredPages(*form);
    EXPECT_TRUE(fake.messages.isEmpty());
}

TEST_F(Recovery, ThePagesOfARunStillGoingAreNotOffered)
{
    TMainForm other;
    TMDIChild *theirs = other.OpenDocumentWindow(u"New-1"_s);
    ASSERT_NE(theirs, nullptr);
    theirs->txtDoc->insertPlainText(u"theirs"_s);
    theirs->findChild<PageRecovery *>()->copyNow();
    other.recoverySession().flush();
    ASSERT_EQ(filesUnder(fake.recoveryPath).size(), 2);

    offerRecoveredPages(*form);
    EXPECT_TRUE(fake.messages.isEmpty());
    theirs->setModified(false);
}

TEST_F(Recovery, ACleanExitLeavesNoCopy)
{
    form->FileNewItemClick();
    current()->txtDoc->insertPlainText(u"dropped"_s);
    current()->findChild<PageRecovery *>()->copyNow();
    form->FileNewItemClick();
    current()->txtDoc->insertPlainText(u"saved"_s);
    current()->findChild<PageRecovery *>()->copyNow();
    form->recoverySession().flush();
    ASSERT_EQ(filesUnder(fake.recoveryPath).size(), 3);

    fake.answers = {Answer::No, Answer::Yes};
    fake.saveNames = {path("saved.html")};
    form->FileExitItemClick();
    ASSERT_FALSE(form->isVisible());
    form.reset();
    EXPECT_TRUE(filesUnder(fake.recoveryPath).isEmpty());
    EXPECT_TRUE(QDir(fake.recoveryPath).isEmpty());
}

// The real program, typing into a page, killed with SIGKILL: its text comes
// back at the next start.
TEST_F(Recovery, AKilledProgramsTypingIsOfferedAtTheNextStart)
{
    const QString page = path("page.html");
    writeBytes(page, "<HTML>\r\n</HTML>\r\n");
    const QString state = path("state");
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"XDG_STATE_HOME"_s, state);
    environment.insert(u"MARQUILL_TEST_TYPE"_s, u"typed before the kill 日本\n"_s);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(MARQUILL_PROGRAM), {page});
    ASSERT_TRUE(program.waitForStarted(10000));

    // The copy follows a pause of a few seconds.
    const QString recovery = state + u"/marquill/recovery"_s;
    QElapsedTimer clock;
    clock.start();
    QStringList copies;
    while (clock.elapsed() < 30000) {
        copies = filesUnder(recovery).filter(u".recovery"_s);
        if (!copies.isEmpty() && readBytes(copies[0]).contains("kill"))
            break;
        QTest::qWait(100);
    }
    ::kill(pid_t(program.processId()), SIGKILL);
    program.waitForFinished(10000);
    ASSERT_EQ(copies.size(), 1) << "no copy within " << clock.elapsed() << " ms";
    EXPECT_LT(clock.elapsed(), 10000);

    fake.recoveryPath = recovery;
    fake.answers = {Answer::Yes};
    offerRecoveredPages(*form);
    EXPECT_EQ(fake.messageTexts(), QStringList{offerText + u"    "_s + page + u"\n\n復元しますか？"_s});
    ASSERT_NE(current(), nullptr);
    EXPECT_EQ(current()->windowTitle(), page);
    EXPECT_EQ(current()->fileName(), page);
    EXPECT_TRUE(current()->isModified());
    EXPECT_EQ(docText(current()), u"typed before the kill 日本\r\n<HTML>\r\n</HTML>\r\n"_s);
    EXPECT_EQ(readBytes(page), "<HTML>\r\n</HTML>\r\n");
}

} // namespace
