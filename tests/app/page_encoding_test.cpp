#include "main_form_fixture.h"

#include "dialogs/links/browser_command.h"
#include "document/file_commands.h"
#include "support/file_bytes.h"

#include <QLabel>
#include <QStatusBar>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

class PageEncoding : public MainFormFixture
{
protected:
    // Opens `bytes` from a file of their own.
    TMDIChild *open(const QByteArray &bytes)
    {
        m_file = path(qPrintable(u"page%1.html"_s.arg(m_files++)));
        writeBytes(m_file, bytes);
        return form->OpenDocumentWindow(m_file);
    }

    void edit(TMDIChild *doc, const QString &text)
    {
        doc->txtDoc->selectAll();
        doc->txtDoc->insertPlainText(text);
    }

    QString encodingPanel() const
    {
        return form->statusBar()->findChild<QLabel *>(u"StatusEncoding"_s)->text();
    }

    QString m_file;
    int m_files = 0;
};

// The ways a page is saved, each run with the answers that lead to the write.
const struct SavePath {
    const char *name;
    std::function<void(PageEncoding &, FakePlatform &, TMDIChild &, const QString &file)> save;
    bool closes;
} savePaths[] = {
    {"Save", [](auto &, auto &, TMDIChild &doc, auto &) { FileSaveItemClick(doc, nullptr); }, false},
    {"Save As",
     [](auto &, FakePlatform &fake, TMDIChild &doc, const QString &file) {
         fake.saveNames = {file};
         FileSaveAsItemClick(doc, nullptr);
     },
     false},
    {"the preview's save",
     [](auto &, FakePlatform &fake, TMDIChild &doc, auto &) {
         fake.answers = {Answer::Yes};
         ToolDspClick(doc, nullptr);
     },
     false},
    {"the close question's save",
     [](auto &, FakePlatform &fake, TMDIChild &doc, auto &) {
         fake.answers = {Answer::Yes};
         doc.close();
     },
     true},
};

TEST_F(PageEncoding, EveryWayOfSavingListsTheCharactersAndTakesTheChosenWay)
{
    const QByteArray before = "<P>\x93\xfa</P>\r\n";
    const QString edited = u"<P TITLE=\"😀\">日é</P>\n"_s;
    const struct {
        const char *name;
        UnencodableChoice choice;
        QByteArray written;  // empty: nothing written
        const char *encoding;
    } choices[] = {
        {"references", UnencodableChoice::References, "<P TITLE=\"&#x1F600;\">\x93\xfa&#xE9;</P>\r\n", "Shift_JIS"},
        {"UTF-8", UnencodableChoice::Utf8, "<P TITLE=\"\xf0\x9f\x98\x80\">\xe6\x97\xa5\xc3\xa9</P>\r\n", "UTF-8"},
        {"cancel", UnencodableChoice::Cancel, {}, "Shift_JIS"},
    };
    form->BrowserPath = u"/usr/bin/firefox"_s;  // the preview goes on to its browser
    for (const SavePath &savePath : savePaths) {
        for (const auto &c : choices) {
            SCOPED_TRACE(std::string(savePath.name) + ", " + c.name);
            TMDIChild *doc = open(before);
            ASSERT_NE(doc, nullptr);
            edit(doc, edited);
            QPointer<TMDIChild> alive(doc);
            fake.unencodableReports.clear();
            fake.unencodableChoices = {c.choice};
            savePath.save(*this, fake, *doc, m_file);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

            ASSERT_EQ(fake.unencodableReports.size(), 1);
            const UnencodableReport &report = fake.unencodableReports[0];
            EXPECT_EQ(report.count, 2);
            ASSERT_EQ(report.shown.size(), 2);
            EXPECT_EQ(report.shown[0].character, u"😀"_s);
            EXPECT_EQ(report.shown[0].place, u"属性値"_s);
            EXPECT_EQ(report.shown[1].line, 1);
            EXPECT_EQ(report.shown[1].column, 15);
            EXPECT_EQ(readBytes(m_file).toHex(' '), (c.written.isEmpty() ? before : c.written).toHex(' '));
            const bool saved = !c.written.isEmpty();
            EXPECT_EQ(alive.isNull(), savePath.closes && saved);
            if (alive) {
                EXPECT_EQ(doc->isModified(), !saved);
                EXPECT_EQ(encodingPanel(), QString::fromLatin1(c.encoding));
                if (!saved) {
                    EXPECT_EQ(doc->txtDoc->textCursor().selectedText(), u"😀"_s);
                }
                doc->closeWithoutAsking();
            }
        }
    }
}

TEST_F(PageEncoding, ReferencesAreRefusedWhileACharacterSitsWhereBrowsersReadNone)
{
    TMDIChild *doc = open("<P>\r\n");
    edit(doc, u"<P TITLE=\"😀\">😀</P>\n<SCRIPT>\nalert(\"😀\");\n</SCRIPT>\n"_s);
    fake.unencodableChoices = {UnencodableChoice::References};
    EXPECT_FALSE(saveDocument(*doc));
    ASSERT_EQ(fake.unencodableReports.size(), 1);
    const UnencodableReport &report = fake.unencodableReports[0];
    EXPECT_EQ(report.blocking, 1);
    ASSERT_EQ(report.shown.size(), 3);
    EXPECT_TRUE(report.shown[2].blocksReferences);
    EXPECT_EQ(report.shown[2].place, u"SCRIPT"_s);
    EXPECT_EQ(report.shown[2].line, 3);
    EXPECT_EQ(readBytes(m_file), QByteArray("<P>\r\n"));

    // Without the script's, both others become references, all else as it was.
    edit(doc, u"<P TITLE=\"😀\">😀</P>\n<SCRIPT>\nalert(\"x\");\n</SCRIPT>\n"_s);
    fake.unencodableChoices = {UnencodableChoice::References};
    EXPECT_TRUE(saveDocument(*doc));
    EXPECT_EQ(readBytes(m_file),
              QByteArray("<P TITLE=\"&#x1F600;\">&#x1F600;</P>\r\n<SCRIPT>\r\nalert(\"x\");\r\n</SCRIPT>\r\n"));

    // A double click in the list selects that character.
    fake.unencodableSelect(doc->txtDoc->rawText().indexOf(u"1F600"_s));
    EXPECT_EQ(doc->txtDoc->textCursor().selectedText(), u"1"_s);
}

TEST_F(PageEncoding, ADeclarationOfAnotherEncodingIsMendedOnceAsked)
{
    const QByteArray page = "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=Shift_JIS\">\r\n\x93\xfa\r\n";
    const struct {
        const char *name;
        Answer answer;
        QByteArray written;
    } cases[] = {
        {"yes", Answer::Yes,
         "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\r\n\xe6\x97\xa5\r\n"},
        {"no", Answer::No,
         "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=Shift_JIS\">\r\n\xe6\x97\xa5\r\n"},
        {"cancel", Answer::Cancel, page},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TMDIChild *doc = open(page);
        trigger(u"EncodingUtf8"_s);
        EXPECT_TRUE(doc->isModified());
        fake.messages.clear();
        fake.answers = {c.answer};
        EXPECT_EQ(saveDocument(*doc), c.answer != Answer::Cancel);
        ASSERT_EQ(fake.messages.size(), 1);
        EXPECT_EQ(fake.messages[0].text, u"ﾍﾟｰｼﾞの文字ｺｰﾄﾞの指定を UTF-8 に直して保存しますか？"_s);
        EXPECT_EQ(fake.messages[0].buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(readBytes(m_file).toHex(' '), c.written.toHex(' '));

        // Asked once: a page kept as it is is not asked about again.
        doc->setModified(true);
        fake.answers = {Answer::Yes};
        saveDocument(*doc);
        EXPECT_EQ(fake.messages.size(), c.answer == Answer::Cancel ? 2 : 1);
        doc->closeWithoutAsking();
    }
}

TEST_F(PageEncoding, AnEucJpPageOpensReadableKeepsItsBytesAndReopensAsChosen)
{
    const QByteArray euc = "<P>\xa4\xb3\xa4\xf3\xa4\xcb\xa4\xc1\xa4\xcf \x8e\xb1\x8f\xb0\xa1</P>\n";
    TMDIChild *doc = open(euc);
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(docText(doc), u"<P>こんにちは ｱ丂</P>\r\n"_s);
    EXPECT_EQ(encodingPanel(), u"EUC-JP"_s);
    const QString copy = path("copy.html");
    fake.saveNames = {copy};
    ASSERT_TRUE(saveDocumentAs(*doc));
    EXPECT_EQ(readBytes(copy).toHex(' '), euc.toHex(' '));

    // Read again as Shift_JIS: only the encoding changed, so nothing is asked.
    trigger(u"EncodingShiftJis"_s);
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(encodingPanel(), u"Shift_JIS"_s);
    fake.messages.clear();
    trigger(u"EncodingReopen"_s);
    EXPECT_TRUE(fake.messages.isEmpty());
    EXPECT_TRUE(docText(doc).startsWith(u"<P>､ｳ､"_s)) << docText(doc).toStdString();
    EXPECT_FALSE(doc->isModified());

    // With the text edited it asks, and No keeps the page.
    doc->txtDoc->insertPlainText(u"x"_s);
    trigger(u"EncodingEucJp"_s);
    fake.answers = {Answer::No};
    trigger(u"EncodingReopen"_s);
    ASSERT_EQ(fake.messages.size(), 1);
    EXPECT_EQ(fake.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(doc->isModified());
    fake.answers = {Answer::Yes};
    trigger(u"EncodingReopen"_s);
    EXPECT_TRUE(docText(doc).startsWith(u"<P>こんにちは"_s));
    EXPECT_EQ(encodingPanel(), u"EUC-JP"_s);
    EXPECT_FALSE(doc->isModified());
}

TEST_F(PageEncoding, TheMenuShowsTheChoiceAndTheBomOnlyForUtf8)
{
    TMDIChild *doc = open("<P>\r\n");
    QMenu *menu = doc->findChild<QMenu *>(u"ToolEncoding"_s);
    ASSERT_NE(menu, nullptr);
    const struct {
        const char *entry;
        const char *checked;
        bool bomEnabled;
        bool bomChecked;
        TextEncoding encoding;
    } steps[] = {
        {"EncodingEucJp", "EncodingEucJp", false, false, TextEncoding::EucJp},
        {"EncodingBom", "EncodingEucJp", false, false, TextEncoding::EucJp},
        {"EncodingUtf8", "EncodingUtf8", true, false, TextEncoding::Utf8},
        {"EncodingBom", "EncodingUtf8", true, true, TextEncoding::Utf8Bom},
        {"EncodingUtf8", "EncodingUtf8", true, true, TextEncoding::Utf8Bom},
        {"EncodingBom", "EncodingUtf8", true, false, TextEncoding::Utf8},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.entry);
        trigger(QString::fromLatin1(s.entry));
        Q_EMIT menu->aboutToShow();
        EXPECT_EQ(doc->encoding, s.encoding);
        for (const char *radio : {"EncodingShiftJis", "EncodingEucJp", "EncodingUtf8"})
            EXPECT_EQ(entry(QString::fromLatin1(radio))->isChecked(), qstrcmp(radio, s.checked) == 0) << radio;
        EXPECT_EQ(entry(u"EncodingBom"_s)->isEnabled(), s.bomEnabled);
        EXPECT_EQ(entry(u"EncodingBom"_s)->isChecked(), s.bomChecked);
    }

    // The status bar's panel opens the same choices.
    QLabel *panel = form->statusBar()->findChild<QLabel *>(u"StatusEncoding"_s);
    QTest::mouseClick(panel, Qt::LeftButton);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
}

} // namespace
