#include "dialogs/browser_settings.h"
#include "dialogs/links/browser_command.h"
#include "dialogs/links/browser_dialog.h"
#include "support/dialog_accessibility.h"
#include "document/file_commands.h"
#include "support/dialog_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const QString saveQuestion = u"ブラウザで表示するには、ファイルを保存する必要があります。ファイルを保存しますか？"_s;
const QString noBrowser = u"ブラウザを指定してください"_s;

QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class PreviewTest : public DialogFixture
{
protected:
    const QString browser = u"/usr/bin/firefox"_s;

    void SetUp() override { owner.browserSettings().setBrowserPath(browser); }

    QString page(const char *name) const { return fake.folder.filePath(QString::fromUtf8(name)); }

    // A document saved as `name` and not changed since.
    void saveAs(const char *name, const QString &content)
    {
        setText(content);
        doc->setFileName(page(name));
        doc->setModified(true);
        ASSERT_TRUE(saveDocument(*doc));
    }

    void expectSaveQuestion(qsizetype at = 0) const
    {
        ASSERT_GT(fake.messages.size(), at);
        const FakePlatform::Message &m = fake.messages.at(at);
        EXPECT_EQ(m.kind, MessageKind::Information);
        EXPECT_EQ(m.buttons, MessageButtons::YesNo);
        EXPECT_EQ(m.title, QString());  // the kind's own: 情報
        EXPECT_EQ(m.text, saveQuestion);
    }
};

using Start = FakePlatform::BrowserStart;

TEST_F(PreviewTest, ASavedUnchangedDocumentIsShownWithoutAQuestion)
{
    saveAs("page.html", u"<P>saved</P>"_s);
    ToolDspClick(*doc, nullptr);
    EXPECT_TRUE(fake.messages.isEmpty());
    EXPECT_EQ(fake.browserStarts, (QList<Start>{{browser, page("page.html")}}));
}

TEST_F(PreviewTest, YesSavesTheChangesThenShowsTheSavedFile)
{
    saveAs("page.html", u"old"_s);
    QTest::keyClicks(doc->txtDoc, u"new "_s);
    fake.answers = {Answer::Yes};
    whenShown<TfrmBrowser>([](TfrmBrowser &dlg) { dlg.close(); });
    ToolDspClick(*doc, nullptr);
    expectSaveQuestion();
    EXPECT_EQ(fake.messages.size(), 1);
    EXPECT_TRUE(fake.saveRequests.isEmpty());  // it has a name
    EXPECT_EQ(fileContents(page("page.html")), "new old");
    EXPECT_FALSE(doc->isModified());
    EXPECT_EQ(fake.browserStarts, (QList<Start>{{browser, page("page.html")}}));
}

TEST_F(PreviewTest, NoOrClosingTheQuestionShowsNothingAndSavesNothing)
{
    saveAs("page.html", u"old"_s);
    QTest::keyClicks(doc->txtDoc, u"new "_s);
    for (Answer answer : {Answer::No, Answer::Cancel}) {
        fake.answers = {answer};
        ToolDspClick(*doc, nullptr);
        EXPECT_TRUE(fake.browserStarts.isEmpty());
        EXPECT_EQ(fileContents(page("page.html")), "old");
        EXPECT_TRUE(doc->isModified());
    }
    expectSaveQuestion(1);
}

TEST_F(PreviewTest, ANeverSavedDocumentIsAskedForAName)
{
    setText(u"<P>新しい</P>"_s);
    doc->setModified(true);
    fake.answers = {Answer::Yes};
    fake.saveNames = {page("neu.html")};
    ToolDspClick(*doc, nullptr);
    expectSaveQuestion();
    ASSERT_EQ(fake.saveRequests.size(), 1);
    EXPECT_EQ(fileContents(page("neu.html")), QByteArray("<P>\x90\x56\x82\xb5\x82\xa2</P>"));
    EXPECT_EQ(doc->windowTitle(), page("neu.html"));
    EXPECT_EQ(fake.browserStarts, (QList<Start>{{browser, page("neu.html")}}));
}

// Nothing to save in an untouched new document, and a cancelled name: the
// browser comes up without a page.
TEST_F(PreviewTest, ANeverSavedDocumentLeftWithoutANameStartsTheBrowserAlone)
{
    for (bool modified : {false, true}) {
        setText(u"text"_s);
        doc->setModified(modified);
        fake.messages.clear();
        fake.browserStarts.clear();
        fake.saveRequests.clear();
        fake.answers = {Answer::Yes};
        fake.saveNames = {std::nullopt};
        ToolDspClick(*doc, nullptr);
        expectSaveQuestion();
        EXPECT_EQ(fake.saveRequests.size(), modified ? 1 : 0);
        EXPECT_EQ(fake.browserStarts, (QList<Start>{{browser, QString()}}));
        EXPECT_EQ(doc->isModified(), modified);
    }
}

TEST_F(PreviewTest, AFileThatCouldNotBeWrittenIsNotShown)
{
    setText(u"text"_s);
    doc->setFileName(page("missing/page.html"));
    doc->setModified(true);
    fake.answers = {Answer::Yes};
    ToolDspClick(*doc, nullptr);
    ASSERT_EQ(fake.messages.size(), 2);
    expectSaveQuestion();
    EXPECT_EQ(fake.messages[1].text, u"ﾌｧｲﾙ %1 を作成できません"_s.arg(page("missing/page.html")));
    EXPECT_TRUE(fake.browserStarts.isEmpty());
    EXPECT_TRUE(doc->isModified());
}

TEST_F(PreviewTest, ABrowserPathOfBlanksIsNoBrowser)
{
    saveAs("page.html", u"x"_s);
    for (const QString &path : {u""_s, u"   "_s, u" \t\r\n"_s, u"\u3000\x01"_s}) {
        owner.browserSettings().setBrowserPath(path);
        fake.messages.clear();
        whenShown<TfrmBrowser>([path](TfrmBrowser &dlg) {
            EXPECT_EQ(dlg.txtFilename->text(), path);  // the desktop names none here
            dlg.CancelBtn->click();
        });
        ToolDspClick(*doc, nullptr);
        ASSERT_EQ(fake.messages.size(), 1);
        EXPECT_EQ(fake.messages[0].kind, MessageKind::Information);
        EXPECT_EQ(fake.messages[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(fake.messages[0].text, noBrowser);
    }
    EXPECT_TRUE(fake.browserStarts.isEmpty());

    // Asked after the save question, and the save has happened.
    QTest::keyClicks(doc->txtDoc, u"y"_s);
    fake.messages.clear();
    fake.answers = {Answer::Yes};
    whenShown<TfrmBrowser>([](TfrmBrowser &dlg) { dlg.CancelBtn->click(); });
    ToolDspClick(*doc, nullptr);
    expectSaveQuestion();
    ASSERT_EQ(fake.messages.size(), 2);
    EXPECT_EQ(fake.messages[1].text, noBrowser);
    EXPECT_EQ(fileContents(page("page.html")), "yx");
    EXPECT_TRUE(fake.browserStarts.isEmpty());
}

TEST_F(PreviewTest, WithNoBrowserTheDesktopsDefaultIsProposedAndOkGoesOn)
{
    saveAs("page.html", u"x"_s);
    owner.browserSettings().setBrowserPath(QString());
    const QString firefox = fake.folder.filePath(u"lib/firefox-esr/firefox-esr"_s);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(firefox).path()));
    fake.desktopBrowser = firefox;
    fake.openNames = {std::nullopt};
    whenShown<TfrmBrowser>([](TfrmBrowser &dlg) {
        dlg.cmdSansyo->click();
        dlg.OKBtn->click();
    });
    ToolDspClick(*doc, nullptr);
    EXPECT_EQ(fake.messageTexts(), QStringList{noBrowser});
    ASSERT_EQ(fake.openRequests.size(), 1);
    EXPECT_EQ(fake.openRequests[0].initialName, firefox);  // browsing starts in its folder
    EXPECT_EQ(owner.browserSettings().browserPath(), firefox);
    EXPECT_EQ(QString::fromUtf8(fileContents(fake.configFilePath())), u"[Marquill]\r\nBrowserPath="_s + firefox + u"\r\n"_s);
    EXPECT_EQ(fake.browserStarts, (QList<Start>{{firefox, page("page.html")}}));
}

TEST_F(PreviewTest, TheBrowserPathIsUsedAsStoredAndTheDocumentsPathInFull)
{
    saveAs("page.html", u"x"_s);
    owner.browserSettings().setBrowserPath(u" /opt/My Browser/run "_s);
    // A name from the command line may be relative to where we started.
    doc->setFileName(QDir::current().relativeFilePath(page("page.html")));
    ASSERT_TRUE(QDir::isRelativePath(doc->fileName()));
    ToolDspClick(*doc, nullptr);
    EXPECT_EQ(fake.browserStarts, (QList<Start>{{u" /opt/My Browser/run "_s, page("page.html")}}));
}

TEST_F(PreviewTest, ABrowserThatCannotBeStartedIsReported)
{
    saveAs("page.html", u"x"_s);
    fake.browserStartSucceeds = false;
    ToolDspClick(*doc, nullptr);
    EXPECT_EQ(fake.browserStarts.size(), 1);
    ASSERT_EQ(fake.messages.size(), 1);
    EXPECT_EQ(fake.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(fake.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(fake.messages[0].text, u"ブラウザ /usr/bin/firefox を起動できません"_s);
}

class BrowserPathTest : public DialogFixture
{
protected:
    QString ini() const { return QString::fromUtf8(fileContents(fake.configFilePath())); }
};

TEST_F(BrowserPathTest, OkTakesThePathAsTypedAndWritesItAtOnce)
{
    whenShown<TfrmBrowser>([](TfrmBrowser &dlg) {
        EXPECT_EQ(dlg.windowTitle(), u"ブラウザの指定"_s);
        EXPECT_EQ(dlg.txtFilename->text(), QString());
        EXPECT_EQ(dlg.focusWidget(), dlg.txtFilename);
        QTest::keyClicks(dlg.txtFilename, u" /opt/Fire Fox/firefox "_s);
        dlg.OKBtn->click();
    });
    KP1Click(*doc, nullptr);
    EXPECT_EQ(owner.browserSettings().browserPath(), u" /opt/Fire Fox/firefox "_s);
    EXPECT_EQ(ini(), u"[Marquill]\r\nBrowserPath= /opt/Fire Fox/firefox \r\n"_s);

    // The next show starts from it; an empty path is taken too.
    whenShown<TfrmBrowser>([](TfrmBrowser &dlg) {
        EXPECT_EQ(dlg.txtFilename->text(), u" /opt/Fire Fox/firefox "_s);
        dlg.txtFilename->clear();
        QTest::keyClick(dlg.txtFilename, Qt::Key_Return);
    });
    KP1Click(*doc, nullptr);
    EXPECT_EQ(owner.browserSettings().browserPath(), QString());
    EXPECT_EQ(ini(), u"[Marquill]\r\nBrowserPath=\r\n"_s);
    EXPECT_TRUE(fake.messages.isEmpty());
}

TEST_F(BrowserPathTest, CancelKeepsThePathAndWritesNothing)
{
    const std::function<void(TfrmBrowser &)> closes[] = {
        [](TfrmBrowser &dlg) { dlg.CancelBtn->click(); },
        [](TfrmBrowser &dlg) { QTest::keyClick(&dlg, Qt::Key_Escape); },
        [](TfrmBrowser &dlg) { dlg.close(); },
    };
    for (const auto &close : closes) {
        whenShown<TfrmBrowser>([close](TfrmBrowser &dlg) {
            dlg.txtFilename->setText(u"/usr/bin/chromium"_s);
            close(dlg);
        });
        KP1Click(*doc, nullptr);
        EXPECT_EQ(owner.browserSettings().browserPath(), QString());
        EXPECT_FALSE(QFile::exists(fake.configFilePath()));
    }

    owner.browserSettings().setBrowserPath(u"/usr/bin/firefox"_s);
    const QString before = ini();
    whenShown<TfrmBrowser>([](TfrmBrowser &dlg) {
        dlg.txtFilename->setText(u"/usr/bin/chromium"_s);
        dlg.CancelBtn->click();
    });
    KP1Click(*doc, nullptr);
    EXPECT_EQ(owner.browserSettings().browserPath(), u"/usr/bin/firefox"_s);
    EXPECT_EQ(ini(), before);
}

TEST_F(BrowserPathTest, AnUnwritableSettingsFileIsReportedAndThePathStillTaken)
{
    ASSERT_TRUE(QDir().mkpath(fake.configFilePath()));  // a folder where the file should be
    whenShown<TfrmBrowser>([](TfrmBrowser &dlg) {
        dlg.txtFilename->setText(u"/usr/bin/firefox"_s);
        dlg.OKBtn->click();
    });
    KP1Click(*doc, nullptr);
    EXPECT_EQ(owner.browserSettings().browserPath(), u"/usr/bin/firefox"_s);
    ASSERT_EQ(fake.messages.size(), 1);
    EXPECT_EQ(fake.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(fake.messages[0].title, u"Marquill 32"_s);
    EXPECT_EQ(fake.messages[0].text, u"ﾌｧｲﾙ %1 を作成できません"_s.arg(fake.configFilePath()));
}

TEST_F(BrowserPathTest, BrowsingTakesTheWholePathAsChosen)
{
    TfrmBrowser &dlg = attributeDialog<TfrmBrowser>();
    dlg.txtFilename->setText(u"/old/browser"_s);
    dlg.reset();
    fake.openNames = {u"/Opt/Firefox ESR/FireFox-Bin"_s, std::nullopt};
    dlg.cmdSansyo->click();
    ASSERT_EQ(fake.openRequests.size(), 1);
    EXPECT_EQ(fake.openRequests[0].filter, u"実行ﾌｧｲﾙ(*.EXE)|*.EXE|全てのﾌｧｲﾙ(*.*)|*.*"_s);
    EXPECT_EQ(dlg.browserPath(), u"/Opt/Firefox ESR/FireFox-Bin"_s);
    // A cancelled file dialog changes nothing.
    dlg.cmdSansyo->click();
    EXPECT_EQ(dlg.browserPath(), u"/Opt/Firefox ESR/FireFox-Bin"_s);
    EXPECT_GE(expectControlsAccessible(dlg, "TfrmBrowser"), 4);
}

} // namespace
