#include "dialogs/links/meta_dialog.h"
#include "dialogs/links/meta_tag.h"
#include "support/dialog_accessibility.h"
#include "support/dialog_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

TEST(MetaTag, WritesTheRefreshTagWithALineBreakAfterIt)
{
    const struct {
        MetaOptions options;
        QString start;
    } rows[] = {
        {{.content = u"5"_s}, u"<META HTTP-EQUIV=\"refresh\" CONTENT=\"5\">"_s},
        {{.url = true, .fileName = u"next.htm"_s, .content = u"0"_s},
         u"<META HTTP-EQUIV=\"refresh\" CONTENT=\"0;URL=next.htm\">"_s},
        {{.url = true, .content = u"1"_s}, u"<META HTTP-EQUIV=\"refresh\" CONTENT=\"1;URL=\">"_s},
        // The address counts only when it is chosen.
        {{.fileName = u"next.htm"_s, .content = u"3"_s}, u"<META HTTP-EQUIV=\"refresh\" CONTENT=\"3\">"_s},
        // Numbers and addresses as typed: blanks, signs, hexadecimal, quotes, "&", Japanese.
        {{.content = u" 10"_s}, u"<META HTTP-EQUIV=\"refresh\" CONTENT=\" 10\">"_s},
        {{.content = u"-2"_s}, u"<META HTTP-EQUIV=\"refresh\" CONTENT=\"-2\">"_s},
        {{.content = u"$1F"_s}, u"<META HTTP-EQUIV=\"refresh\" CONTENT=\"$1F\">"_s},
        {{.url = true, .fileName = u"http://www.example.jp/a.cgi?x=1&y=\"2\""_s, .content = u"30"_s},
         u"<META HTTP-EQUIV=\"refresh\" CONTENT=\"30;URL=http://www.example.jp/a.cgi?x=1&y=\"2\"\">"_s},
        {{.url = true, .fileName = u"新着 情報.htm"_s, .content = u"2"_s},
         u"<META HTTP-EQUIV=\"refresh\" CONTENT=\"2;URL=新着 情報.htm\">"_s},
        {{}, u"<META HTTP-EQUIV=\"refresh\" CONTENT=\"\">"_s},
    };
    for (const auto &row : rows) {
        const TagTexts tags = metaTag(row.options);
        EXPECT_EQ(tags.start, row.start);
        EXPECT_EQ(tags.end, u"\r\n"_s) << row.start.toStdString();
    }
}

class MetaDialogTest : public DialogFixture
{
protected:
    TfrmMeta &dlg = attributeDialog<TfrmMeta>();

    QString tag() const { return metaTag(dlg.options()).start; }
    void expectAddressUsable(bool usable, const std::string &when)
    {
        EXPECT_EQ(dlg.txtFilename->isEnabled(), usable) << when;
        EXPECT_EQ(dlg.cmdSansyo->isEnabled(), usable) << when;
    }
};

TEST_F(MetaDialogTest, EachShowStartsFromThisDocumentWithBothBoxesEmpty)
{
    dlg.reset();
    EXPECT_EQ(dlg.windowTitle(), u"自動読み込み"_s);
    EXPECT_TRUE(dlg.optOwn->isChecked());
    EXPECT_FALSE(dlg.optUrl->isChecked());
    expectAddressUsable(false, "first show");
    EXPECT_EQ(dlg.focusWidget(), dlg.optOwn);

    dlg.optUrl->click();
    QTest::keyClicks(dlg.txtFilename, u"next.htm"_s);
    QTest::keyClicks(dlg.txtContent, u"7"_s);
    dlg.OKBtn->click();
    EXPECT_EQ(tag(), u"<META HTTP-EQUIV=\"refresh\" CONTENT=\"7;URL=next.htm\">"_s);

    dlg.txtContent->setFocus();
    dlg.reset();
    EXPECT_TRUE(dlg.optOwn->isChecked());
    EXPECT_FALSE(dlg.optUrl->isChecked());
    EXPECT_EQ(dlg.txtFilename->text(), QString());
    EXPECT_EQ(dlg.txtContent->text(), QString());
    expectAddressUsable(false, "next show");
    EXPECT_EQ(dlg.focusWidget(), dlg.optOwn);
}

TEST_F(MetaDialogTest, TheAddressIsUsableExactlyWhileItIsChosen)
{
    dlg.reset();
    dlg.optUrl->click();
    expectAddressUsable(true, "address clicked");
    dlg.optOwn->click();
    expectAddressUsable(false, "this document clicked");

    // The arrow keys move the choice as clicks do.
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    dlg.optOwn->setFocus();
    QTest::keyClick(dlg.optOwn, Qt::Key_Down);
    EXPECT_TRUE(dlg.optUrl->isChecked());
    expectAddressUsable(true, "arrow down");
    QTest::keyClick(dlg.optUrl, Qt::Key_Up);
    EXPECT_TRUE(dlg.optOwn->isChecked());
    expectAddressUsable(false, "arrow up");
    dlg.hide();
}

TEST_F(MetaDialogTest, OkMakesADelayThatIsNotAWholeNumberOne)
{
    const struct {
        const char16_t *typed;
        const char16_t *kept;
    } rows[] = {
        {u"", u"1"},   {u"abc", u"1"}, {u"5 ", u"1"},  {u"1.5", u"1"},  {u"2147483648", u"1"},
        {u"0", u"0"},  {u" 5", u" 5"}, {u"-3", u"-3"}, {u"$1F", u"$1F"},
    };
    for (bool url : {false, true}) {
        for (const auto &row : rows) {
            dlg.reset();
            if (url)
                dlg.optUrl->click();
            dlg.txtContent->setText(QString::fromUtf16(row.typed));
            dlg.OKBtn->click();
            EXPECT_EQ(dlg.result(), QDialog::Accepted);
            EXPECT_EQ(dlg.txtContent->text(), QString::fromUtf16(row.kept))
                << QString::fromUtf16(row.typed).toStdString();
            EXPECT_EQ(dlg.options().url, url);
        }
    }
    // Cancel checks nothing.
    dlg.reset();
    dlg.txtContent->setText(u"abc"_s);
    dlg.CancelBtn->click();
    EXPECT_EQ(dlg.txtContent->text(), u"abc"_s);
}

TEST_F(MetaDialogTest, BrowseWritesTheBareFileNameInLowerCase)
{
    dlg.reset();
    dlg.optUrl->click();
    fake.openNames = {u"/home/user/Site/News/Latest.HTM"_s, std::nullopt};
    dlg.cmdSansyo->click();
    ASSERT_EQ(fake.openRequests.size(), 1);
    EXPECT_EQ(fake.openRequests[0].filter, u"HTMLﾌｧｲﾙ(*.HTM*)|*.htm*|全てのﾌｧｲﾙ(*.*)|*.*"_s);
    EXPECT_EQ(dlg.txtFilename->text(), u"latest.htm"_s);
    dlg.cmdSansyo->click();
    EXPECT_EQ(dlg.txtFilename->text(), u"latest.htm"_s);
}

TEST_F(MetaDialogTest, KeyboardAndAssistiveToolsReachEveryControl)
{
    dlg.reset();
    dlg.optUrl->click();
    QStringList reached;
    QWidget *w = dlg.optUrl;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && !w->isHidden() && w->window() == &dlg)
            reached << w->objectName();
        w = w->nextInFocusChain();
    } while (w != dlg.optUrl);
    EXPECT_EQ(reached, (QStringList{u"optUrl"_s, u"txtFilename"_s, u"cmdSansyo"_s, u"txtContent"_s,
                                    u"OKBtn"_s, u"CancelBtn"_s, u"optOwn"_s}));
    EXPECT_EQ(expectControlsAccessible(dlg, "TfrmMeta"), 7);
    EXPECT_EQ(dlg.optOwn->text(), u"このﾄﾞｷｭﾒﾝﾄ"_s);
    EXPECT_EQ(dlg.optUrl->text(), QString());
    EXPECT_FALSE(dlg.lblExample->text().isEmpty());
    EXPECT_EQ(dlg.txtFilename->accessibleDescription(), dlg.lblExample->text());
}

class MetaCommandTest : public DialogFixture
{
};

TEST_F(MetaCommandTest, WritesTheTagTheSelectionAndALineBreak)
{
    const struct {
        const char *name;
        std::function<void(TfrmMeta &)> interact;
        const char16_t *tag;
    } rows[] = {
        {"this document, 5",
         [](TfrmMeta &dlg) { QTest::keyClicks(dlg.txtContent, u"5"_s); },
         u"<META HTTP-EQUIV=\"refresh\" CONTENT=\"5\">"},
        {"next.htm, 0",
         [](TfrmMeta &dlg) {
             dlg.optUrl->click();
             QTest::keyClicks(dlg.txtFilename, u"next.htm"_s);
             QTest::keyClicks(dlg.txtContent, u"0"_s);
         },
         u"<META HTTP-EQUIV=\"refresh\" CONTENT=\"0;URL=next.htm\">"},
        {"empty delay", [](TfrmMeta &) {}, u"<META HTTP-EQUIV=\"refresh\" CONTENT=\"1\">"},
        {"empty address",
         [](TfrmMeta &dlg) {
             dlg.optUrl->click();
             QTest::keyClicks(dlg.txtContent, u"3"_s);
         },
         u"<META HTTP-EQUIV=\"refresh\" CONTENT=\"3;URL=\">"},
        {"address typed, then this document chosen",
         [](TfrmMeta &dlg) {
             dlg.optUrl->click();
             QTest::keyClicks(dlg.txtFilename, u"next.htm"_s);
             dlg.optOwn->click();
             QTest::keyClicks(dlg.txtContent, u"x"_s);
         },
         u"<META HTTP-EQUIV=\"refresh\" CONTENT=\"1\">"},
    };
    for (const auto &row : rows) {
        setText(u"ab"_s);
        select(1, 1);
        whenShown<TfrmMeta>([&row](TfrmMeta &dlg) {
            EXPECT_EQ(dlg.focusWidget(), dlg.optOwn) << row.name;
            row.interact(dlg);
            dlg.OKBtn->click();
        });
        PageMetaClick(*doc, nullptr);
        const QString tag = QString::fromUtf16(row.tag);
        EXPECT_EQ(text(), u"a"_s + tag + u"\r\nb"_s) << row.name;
        EXPECT_EQ(caret(), 1 + int(tag.size()) + 1) << row.name;
        EXPECT_TRUE(doc->isModified()) << row.name;
    }
}

TEST_F(MetaCommandTest, TheTagGoesBeforeTheSelectionAndTheBreakAfterIt)
{
    setText(u"<HEAD>\r\n<TITLE>x</TITLE>\r\n</HEAD>"_s);
    selectText(u"<TITLE>x</TITLE>"_s);
    whenShown<TfrmMeta>([](TfrmMeta &dlg) {
        QTest::keyClicks(dlg.txtContent, u"10"_s);
        QTest::keyClick(dlg.txtContent, Qt::Key_Enter);
    });
    PageMetaClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<HEAD>\r\n<META HTTP-EQUIV=\"refresh\" CONTENT=\"10\"><TITLE>x</TITLE>\r\n\r\n</HEAD>"_s);
    EXPECT_EQ(selected(), QString());
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"<HEAD>\r\n<TITLE>x</TITLE>\r\n</HEAD>"_s);
}

TEST_F(MetaCommandTest, ClosingWithoutOkChangesNothing)
{
    expectLeavingWithoutOkChangesNothing<TfrmMeta>(PageMetaClick, [](TfrmMeta &dlg) {
        dlg.optUrl->click();
        QTest::keyClicks(dlg.txtContent, u"5"_s);
    });
}

} // namespace
