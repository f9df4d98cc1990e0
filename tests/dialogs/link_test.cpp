#include "dialogs/links/key_link_dialog.h"
#include "dialogs/links/link_command.h"
#include "dialogs/links/link_tag.h"
#include "dialogs/links/url_dialog.h"
#include "support/dialog_accessibility.h"
#include "support/dialog_fixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString htmlFilter = u"HTMLﾌｧｲﾙ(*.HTM*)|*.htm*|全てのﾌｧｲﾙ(*.*)|*.*"_s;

// The ways a dialog closes without OK.
template <typename Dialog>
const std::function<void(Dialog &)> closeWithoutOk[] = {
    [](Dialog &dlg) { dlg.CancelBtn->click(); },
    [](Dialog &dlg) { QTest::keyClick(&dlg, Qt::Key_Escape); },
    [](Dialog &dlg) { dlg.close(); },
};

// The names of the controls Tab visits, starting from `first`, round the dialog.
QStringList tabOrder(QWidget &dialog, QWidget *first)
{
    QStringList reached;
    QWidget *w = first;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && !w->isHidden() && w->window() == &dialog)
            reached << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first);
    return reached;
}

TEST(LinkTag, WritesEachAnchorWithTheTextAsTyped)
{
    const struct {
        TagTexts tags;
        QString start;
        QString end;
    } rows[] = {
        {linkOtherDocTag({u"next.htm"_s}), u"<A HREF=\"next.htm\">"_s, u"</A>"_s},
        {linkOtherDocTag({u"http://www.example.jp/a?b=1&c=2"_s}),
         u"<A HREF=\"http://www.example.jp/a?b=1&c=2\">"_s, u"</A>"_s},
        {linkOtherDocTag({}), u"<A HREF=\"\">"_s, u"</A>"_s},
        // Quotes, blanks and Japanese text go in untouched.
        {linkOtherDocTag({u" 目次.htm\" TARGET=\"_top"_s}), u"<A HREF=\" 目次.htm\" TARGET=\"_top\">"_s,
         u"</A>"_s},

        {linkOwnerDocTag({u"next.htm"_s, u"top"_s}), u"<A HREF=\"next.htm#top\">"_s, u"</A>"_s},
        {linkOwnerDocTag({{}, u"top"_s}), u"<A HREF=\"#top\">"_s, u"</A>"_s},
        {linkOwnerDocTag({u"next.htm"_s, {}}), u"<A HREF=\"next.htm#\">"_s, u"</A>"_s},
        {linkOwnerDocTag({}), u"<A HREF=\"#\">"_s, u"</A>"_s},
        {linkOwnerDocTag({u"章 1.htm"_s, u"はじめに&amp;\""_s}), u"<A HREF=\"章 1.htm#はじめに&amp;\"\">"_s,
         u"</A>"_s},

        {linkKeywordTag(u"top"_s), u"<A NAME=\"top\">"_s, u"</A>\r\n"_s},
        {linkKeywordTag({}), u"<A NAME=\"\">"_s, u"</A>\r\n"_s},
        {linkKeywordTag(u" 見出し\"1\" "_s), u"<A NAME=\" 見出し\"1\" \">"_s, u"</A>\r\n"_s},

        {linkMailtoTag(u"someone@example.jp"_s), u"<A HREF=\"mailto:someone@example.jp\">"_s, u"</A>"_s},
        {linkMailtoTag({}), u"<A HREF=\"mailto:\">"_s, u"</A>"_s},
        {linkMailtoTag(u"a@b.jp?subject=ご意見&cc=c@d.jp"_s),
         u"<A HREF=\"mailto:a@b.jp?subject=ご意見&cc=c@d.jp\">"_s, u"</A>"_s},

        {baseUrlTag(u"http://"_s), u"<BASE HREF=\"http://\">"_s, QString()},
        {baseUrlTag(u"http://www.example.jp/~user/"_s), u"<BASE HREF=\"http://www.example.jp/~user/\">"_s,
         QString()},
        {baseUrlTag({}), u"<BASE HREF=\"\">"_s, QString()},
        {baseUrlTag(u"\"&"_s), u"<BASE HREF=\"\"&\">"_s, QString()},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(row.tags.start, row.start);
        EXPECT_EQ(row.tags.end, row.end) << row.start.toStdString();
    }
}

class UrlDialogTest : public DialogFixture
{
protected:
    TfrmUrl &dlg = attributeDialog<TfrmUrl>();
};

TEST_F(UrlDialogTest, EachShowStartsEmptyWithTheFocusInTheAddress)
{
    dlg.reset();
    EXPECT_EQ(dlg.windowTitle(), u"他のドキュメントへリンク"_s);
    EXPECT_EQ(dlg.txtFilename->text(), QString());
    EXPECT_EQ(dlg.focusWidget(), dlg.txtFilename);

    QTest::keyClicks(dlg.txtFilename, u"old.htm"_s);
    dlg.OKBtn->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.options().fileName, u"old.htm"_s);

    dlg.CancelBtn->setFocus();
    dlg.reset();
    EXPECT_EQ(dlg.txtFilename->text(), QString());
    EXPECT_EQ(dlg.focusWidget(), dlg.txtFilename);
}

TEST_F(UrlDialogTest, BrowseWritesTheBareFileNameInLowerCase)
{
    dlg.reset();
    QTest::keyClicks(dlg.txtFilename, u"typed.htm"_s);
    fake.openNames = {u"/home/user/Site/Sub Dir/Next Page.HTML"_s, std::nullopt,
                      u"/home/user/サイト/目次Ａ.HTM"_s};
    dlg.cmdSansyo->click();
    ASSERT_EQ(fake.openRequests.size(), 1);
    EXPECT_EQ(fake.openRequests[0].filter, htmlFilter);
    EXPECT_EQ(dlg.txtFilename->text(), u"next page.html"_s);

    // Cancelling the file dialog keeps what is there.
    dlg.cmdSansyo->click();
    EXPECT_EQ(fake.openRequests.size(), 2);
    EXPECT_EQ(dlg.txtFilename->text(), u"next page.html"_s);

    dlg.cmdSansyo->click();
    EXPECT_EQ(dlg.txtFilename->text(), u"目次ａ.htm"_s);
    EXPECT_EQ(linkOtherDocTag(dlg.options()).start, u"<A HREF=\"目次ａ.htm\">"_s);
}

TEST_F(UrlDialogTest, KeyboardAndAssistiveToolsReachEveryControl)
{
    dlg.reset();
    EXPECT_EQ(tabOrder(dlg, dlg.txtFilename),
              (QStringList{u"txtFilename"_s, u"cmdSansyo"_s, u"OKBtn"_s, u"CancelBtn"_s}));
    EXPECT_EQ(expectControlsAccessible(dlg, "TfrmUrl"), 4);
    EXPECT_EQ(dlg.txtFilename->accessibleDescription(), u"URLまたはﾌｧｲﾙ名"_s);
}

class KeyLinkDialogTest : public DialogFixture
{
protected:
    TfrmKeyLink &dlg = attributeDialog<TfrmKeyLink>();
};

TEST_F(KeyLinkDialogTest, EachShowStartsEmptyWithTheFocusInTheAddress)
{
    dlg.reset();
    EXPECT_EQ(dlg.windowTitle(), u"特定の位置にリンク"_s);
    QTest::keyClicks(dlg.txtFilename, u"a.htm"_s);
    QTest::keyClicks(dlg.txtKeyword, u"k"_s);
    dlg.OKBtn->click();
    EXPECT_EQ(linkOwnerDocTag(dlg.options()).start, u"<A HREF=\"a.htm#k\">"_s);

    dlg.txtKeyword->setFocus();
    dlg.reset();
    EXPECT_EQ(dlg.txtFilename->text(), QString());
    EXPECT_EQ(dlg.txtKeyword->text(), QString());
    EXPECT_EQ(dlg.focusWidget(), dlg.txtFilename);
    EXPECT_EQ(linkOwnerDocTag(dlg.options()).start, u"<A HREF=\"#\">"_s);
}

TEST_F(KeyLinkDialogTest, BrowseFillsOnlyTheAddress)
{
    dlg.reset();
    QTest::keyClicks(dlg.txtKeyword, u"Top"_s);
    fake.openNames = {u"/srv/www/Chapter/INDEX.Htm"_s};
    dlg.cmdSansyo->click();
    ASSERT_EQ(fake.openRequests.size(), 1);
    EXPECT_EQ(fake.openRequests[0].filter, htmlFilter);
    EXPECT_EQ(dlg.txtFilename->text(), u"index.htm"_s);
    EXPECT_EQ(dlg.txtKeyword->text(), u"Top"_s);
}

TEST_F(KeyLinkDialogTest, KeyboardAndAssistiveToolsReachEveryControl)
{
    dlg.reset();
    EXPECT_EQ(tabOrder(dlg, dlg.txtFilename),
              (QStringList{u"txtFilename"_s, u"cmdSansyo"_s, u"txtKeyword"_s, u"OKBtn"_s, u"CancelBtn"_s}));
    EXPECT_EQ(expectControlsAccessible(dlg, "TfrmKeyLink"), 5);
    EXPECT_EQ(dlg.txtKeyword->accessibleDescription(), u"ｷｰﾜｰﾄﾞ"_s);
}

class LinkCommandTest : public DialogFixture
{
protected:
    // The document "x abc y" with abc selected and a stale tag pair.
    void prepare()
    {
        setText(u"x abc y"_s);
        selectText(u"abc"_s);
        doc->StartTag = u"<X>"_s;
        doc->EndTag = u"</X>"_s;
    }

    void expectUnchanged(const std::string &what)
    {
        EXPECT_EQ(text(), u"x abc y"_s) << what;
        EXPECT_EQ(selected(), u"abc"_s) << what;
        EXPECT_EQ(doc->StartTag, u"<X>"_s) << what;
        EXPECT_EQ(doc->EndTag, u"</X>"_s) << what;
        EXPECT_FALSE(doc->isModified()) << what;
    }
};

TEST_F(LinkCommandTest, ALinkToAnotherDocumentWrapsTheSelection)
{
    setText(u"x abc y"_s);
    select(5, 2);  // right to left
    whenShown<TfrmUrl>([](TfrmUrl &dlg) {
        EXPECT_EQ(dlg.focusWidget(), dlg.txtFilename);
        QTest::keyClicks(dlg.txtFilename, u"next.htm"_s);
        QTest::keyClick(dlg.txtFilename, Qt::Key_Return);  // Enter is OK
    });
    LinkOtherDocClick(*doc, nullptr);
    const QString linked = u"x <A HREF=\"next.htm\">abc</A> y"_s;
    EXPECT_EQ(text(), linked);
    EXPECT_EQ(selected(), QString());
    EXPECT_EQ(caret(), int(linked.indexOf(u"</A>"_s)) + 4);
    EXPECT_TRUE(doc->isModified());
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"x abc y"_s);
}

TEST_F(LinkCommandTest, WithNothingSelectedTheTagsMeetAtTheCaret)
{
    setText(u"ab"_s);
    select(1, 1);
    whenShown<TfrmUrl>([](TfrmUrl &dlg) {
        QTest::keyClicks(dlg.txtFilename, u"a.htm"_s);
        dlg.OKBtn->click();
    });
    LinkOtherDocClick(*doc, nullptr);
    EXPECT_EQ(text(), u"a<A HREF=\"a.htm\"></A>b"_s);
    EXPECT_EQ(caret(), 21);
}

TEST_F(LinkCommandTest, TheBrowsedFileAndEveryLineOfTheSelectionGoIntoTheLink)
{
    setText(u"one\r\ntwo\r\nthree"_s);
    select(0, 7);
    fake.openNames = {u"/home/user/Web/Second.HTM"_s};
    whenShown<TfrmUrl>([](TfrmUrl &dlg) {
        dlg.cmdSansyo->click();
        dlg.OKBtn->click();
    });
    LinkOtherDocClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<A HREF=\"second.htm\">one\r\ntwo</A>\r\nthree"_s);
}

TEST_F(LinkCommandTest, APositionLinkAlwaysWritesTheHash)
{
    const struct {
        const char16_t *file;
        const char16_t *keyword;
        const char16_t *expected;
    } rows[] = {
        {u"next.htm", u"top", u"x <A HREF=\"next.htm#top\">abc</A> y"},
        {u"", u"top", u"x <A HREF=\"#top\">abc</A> y"},
    };
    for (const auto &row : rows) {
        setText(u"x abc y"_s);
        selectText(u"abc"_s);
        whenShown<TfrmKeyLink>([&row](TfrmKeyLink &dlg) {
            EXPECT_EQ(dlg.txtFilename->text(), QString());
            EXPECT_EQ(dlg.txtKeyword->text(), QString());
            dlg.txtFilename->setText(QString::fromUtf16(row.file));
            dlg.txtKeyword->setText(QString::fromUtf16(row.keyword));
            dlg.OKBtn->click();
        });
        LinkOwnerDocClick(*doc, nullptr);
        EXPECT_EQ(text(), QString::fromUtf16(row.expected));
        EXPECT_EQ(selected(), QString());
    }
}

TEST_F(LinkCommandTest, ClosingEitherDialogWithoutOkChangesNothing)
{
    for (const auto &close : closeWithoutOk<TfrmUrl>) {
        prepare();
        whenShown<TfrmUrl>([&close](TfrmUrl &dlg) {
            QTest::keyClicks(dlg.txtFilename, u"next.htm"_s);
            close(dlg);
        });
        LinkOtherDocClick(*doc, nullptr);
        expectUnchanged("LinkOtherDoc");
    }
    for (const auto &close : closeWithoutOk<TfrmKeyLink>) {
        prepare();
        whenShown<TfrmKeyLink>([&close](TfrmKeyLink &dlg) {
            QTest::keyClicks(dlg.txtKeyword, u"top"_s);
            close(dlg);
        });
        LinkOwnerDocClick(*doc, nullptr);
        expectUnchanged("LinkOwnerDoc");
    }
}

struct InputBoxCommand {
    const char *name;
    void (*command)(TMDIChild &, QObject *);
    InputBoxRequest request;
};

const InputBoxCommand inputBoxCommands[] = {
    {"LinkKeyword", LinkKeywordClick, {u"キーワードの設定"_s, u"キーワードを入力して下さい"_s, QString()}},
    {"LinkMailto", LinkMailtoClick, {u"メール送信"_s, u"メールアドレスを入力して下さい"_s, QString()}},
    {"FontUrl", FontUrlClick, {u"ＵＲＬ"_s, u"このドキュメントのＵＲＬを入力して下さい"_s, u"http://"_s}},
};

TEST_F(LinkCommandTest, InputBoxesAskWithTheirTitlesPromptsAndPresets)
{
    for (const InputBoxCommand &c : inputBoxCommands) {
        fake.inputRequests.clear();
        prepare();
        fake.inputs = {std::nullopt};
        c.command(*doc, nullptr);
        ASSERT_EQ(fake.inputRequests.size(), 1) << c.name;
        const InputBoxRequest &asked = fake.inputRequests[0];
        EXPECT_EQ(asked.title, c.request.title) << c.name;
        EXPECT_EQ(asked.prompt, c.request.prompt) << c.name;
        EXPECT_EQ(asked.preset, c.request.preset) << c.name;
        // Cancelled: nothing changes.
        expectUnchanged(c.name);
    }
}

TEST_F(LinkCommandTest, InputBoxCommandsWrapOrPrecedeTheSelection)
{
    const struct {
        void (*command)(TMDIChild &, QObject *);
        const char16_t *typed;
        const char16_t *expected;
        const char16_t *beforeCaret;  // the text up to the caret afterwards
    } rows[] = {
        {LinkKeywordClick, u"top", u"x <A NAME=\"top\">abc</A>\r\n y", u"x <A NAME=\"top\">abc</A>\r\n"},
        // An empty text accepted is not a cancel.
        {LinkKeywordClick, u"", u"x <A NAME=\"\">abc</A>\r\n y", u"x <A NAME=\"\">abc</A>\r\n"},
        {LinkMailtoClick, u"someone@example.jp", u"x <A HREF=\"mailto:someone@example.jp\">abc</A> y",
         u"x <A HREF=\"mailto:someone@example.jp\">abc</A>"},
        // The base address goes in front and the selection stays after it, unselected.
        {FontUrlClick, u"http://", u"x <BASE HREF=\"http://\">abc y", u"x <BASE HREF=\"http://\">"},
    };
    for (const auto &row : rows) {
        prepare();
        fake.inputs = {QString::fromUtf16(row.typed)};
        row.command(*doc, nullptr);
        const QString expected = QString::fromUtf16(row.expected);
        EXPECT_EQ(text(), expected);
        EXPECT_EQ(selected(), QString()) << expected.toStdString();
        // CR LF is one break in the editor.
        EXPECT_EQ(caret(), int(QString::fromUtf16(row.beforeCaret).remove(u'\r').size()))
            << expected.toStdString();
        EXPECT_TRUE(doc->isModified()) << expected.toStdString();
        doc->UndoItemClick();
        EXPECT_EQ(text(), u"x abc y"_s) << expected.toStdString();
    }
}

TEST_F(LinkCommandTest, AKeywordAnchorWithNothingSelectedEndsItsLine)
{
    setText(u"ab"_s);
    select(1, 1);
    fake.inputs = {u"here"_s};
    LinkKeywordClick(*doc, nullptr);
    EXPECT_EQ(text(), u"a<A NAME=\"here\"></A>\r\nb"_s);
    EXPECT_EQ(caret(), 21);
}

} // namespace
