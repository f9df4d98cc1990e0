#include "dialogs/links/frame_dialog.h"
#include "dialogs/links/frame_tag.h"
#include "support/dialog_accessibility.h"
#include "support/dialog_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

TEST(FrameTag, WritesTheAttributesInTheirOrder)
{
    const struct {
        FrameOptions options;
        QString start;
    } rows[] = {
        {{.source = u"a.htm"_s}, u"<FRAME SRC=\"a.htm\">"_s},
        {{}, u"<FRAME SRC=\"\">"_s},
        {{.name = true, .nameValue = u"main"_s}, u"<FRAME SRC=\"\" NAME=\"main\">"_s},
        {{.name = true}, u"<FRAME SRC=\"\" NAME=\"\">"_s},
        // Margins: each only when its box holds something.
        {{.margin = true, .marginWidth = u"4"_s, .marginHeight = u"2"_s},
         u"<FRAME SRC=\"\" MARGINWIDTH=\"4\" MARGINHEIGHT=\"2\">"_s},
        {{.margin = true}, u"<FRAME SRC=\"\">"_s},
        {{.margin = true, .marginWidth = u" $1F"_s}, u"<FRAME SRC=\"\" MARGINWIDTH=\" $1F\">"_s},
        {{.margin = true, .marginHeight = u"-3"_s}, u"<FRAME SRC=\"\" MARGINHEIGHT=\"-3\">"_s},
        {{.scroll = FrameScroll::Auto}, u"<FRAME SRC=\"\" SCROLLING=\"auto\">"_s},
        {{.scroll = FrameScroll::Yes}, u"<FRAME SRC=\"\" SCROLLING=\"yes\">"_s},
        {{.scroll = FrameScroll::No}, u"<FRAME SRC=\"\" SCROLLING=\"no\">"_s},
        {{.noFrameBorder = true}, u"<FRAME SRC=\"\" FRAMEBORDER=\"no\">"_s},
        // The spacing is written even when its box is empty.
        {{.frameSpacing = true}, u"<FRAME SRC=\"\" FRAMESPACING=\"\">"_s},
        {{.frameSpacing = true, .frameSpacingValue = u"3"_s}, u"<FRAME SRC=\"\" FRAMESPACING=\"3\">"_s},
        {{.noResize = true}, u"<FRAME SRC=\"\" NORESIZE>"_s},
        // What is not ticked is not written.
        {{.source = u"b.htm"_s, .nameValue = u"n"_s, .marginWidth = u"1"_s, .marginHeight = u"2"_s,
          .frameSpacingValue = u"3"_s},
         u"<FRAME SRC=\"b.htm\">"_s},
        // Everything, in its order; texts as typed, never escaped.
        {{.source = u"ﾄｯﾌﾟ \"1\"&2.htm"_s, .name = true, .nameValue = u"本文<>"_s, .margin = true,
          .marginWidth = u"4"_s, .marginHeight = u"2"_s, .scroll = FrameScroll::No,
          .noFrameBorder = true, .frameSpacing = true, .frameSpacingValue = u"0"_s, .noResize = true},
         u"<FRAME SRC=\"ﾄｯﾌﾟ \"1\"&2.htm\" NAME=\"本文<>\" MARGINWIDTH=\"4\" MARGINHEIGHT=\"2\""
         " SCROLLING=\"no\" FRAMEBORDER=\"no\" FRAMESPACING=\"0\" NORESIZE>"_s},
    };
    for (const auto &row : rows) {
        const TagTexts tags = frameTag(row.options);
        EXPECT_EQ(tags.start, row.start);
        EXPECT_EQ(tags.end, u"</FRAME>\r\n"_s);
    }
}

class FrameDialogTest : public DialogFixture
{
protected:
    TfrmFrame &dlg = attributeDialog<TfrmFrame>();

    QString start() const { return frameTag(dlg.options()).start; }
};

TEST_F(FrameDialogTest, ControlsAreKnownByTheirNamesAndLabels)
{
    EXPECT_EQ(dlg.lblVm->buddy(), dlg.txtVm);
    EXPECT_EQ(dlg.lblHm->buddy(), dlg.txtHm);
    EXPECT_EQ(dlg.txtFilename->accessibleDescription(), u"URLまたはﾌｧｲﾙ名"_s);
    EXPECT_EQ(dlg.cboScroll->accessibleDescription(), u"ｽｸﾛｰﾙﾊﾞｰ"_s);
    dlg.reset();
    EXPECT_GE(expectControlsAccessible(dlg, "TfrmFrame"), 14);
}

TEST_F(FrameDialogTest, EachShowEmptiesTheBoxesButKeepsTheScrollChoice)
{
    dlg.reset();
    EXPECT_EQ(dlg.cboScroll->currentIndex(), -1);
    EXPECT_EQ(start(), u"<FRAME SRC=\"\">"_s);
    for (int choice : {2, 0}) {
        dlg.txtFilename->setText(u"a.htm"_s);
        dlg.txtName->setText(u"n"_s);
        dlg.txtVm->setText(u"1"_s);
        dlg.txtHm->setText(u"2"_s);
        dlg.txtSpace->setText(u"3"_s);
        for (QCheckBox *box : {dlg.chkName, dlg.chkMargin, dlg.chkBorder, dlg.chkSpace, dlg.chkSize})
            box->setChecked(true);
        dlg.cboScroll->setCurrentIndex(choice);

        dlg.reset();
        for (QLineEdit *box : {dlg.txtFilename, dlg.txtName, dlg.txtVm, dlg.txtHm, dlg.txtSpace})
            EXPECT_EQ(box->text(), QString()) << box->objectName().toStdString();
        for (QCheckBox *box : {dlg.chkName, dlg.chkMargin, dlg.chkBorder, dlg.chkSpace, dlg.chkSize})
            EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
        for (QWidget *w : std::initializer_list<QWidget *>{dlg.txtName, dlg.txtVm, dlg.txtHm, dlg.lblVm,
                                                           dlg.lblHm, dlg.txtSpace})
            EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
        EXPECT_EQ(dlg.focusWidget(), dlg.txtFilename);
        EXPECT_EQ(dlg.cboScroll->currentIndex(), choice);
    }
    EXPECT_EQ(start(), u"<FRAME SRC=\"\" SCROLLING=\"auto\">"_s);
}

TEST_F(FrameDialogTest, EachBoxGatesItsControls)
{
    const struct {
        QCheckBox *box;
        QList<QWidget *> controls;
    } rows[] = {
        {dlg.chkName, {dlg.txtName}},
        {dlg.chkMargin, {dlg.lblVm, dlg.txtVm, dlg.lblHm, dlg.txtHm}},
        {dlg.chkSpace, {dlg.txtSpace}},
    };
    dlg.reset();
    for (const auto &row : rows) {
        for (bool checked : {true, false, true}) {
            row.box->setChecked(checked);
            for (QWidget *w : row.controls)
                EXPECT_EQ(w->isEnabled(), checked) << w->objectName().toStdString();
        }
    }
    for (QWidget *w : std::initializer_list<QWidget *>{dlg.txtFilename, dlg.cmdSansyo, dlg.cboScroll})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
}

TEST_F(FrameDialogTest, OkEmptiesMarginsAndSpacingThatAreNotWholeNumbers)
{
    const struct {
        const char16_t *typed;
        const char16_t *after;
    } rows[] = {
        {u"", u""}, {u"abc", u""}, {u"1.5", u""}, {u"3 ", u""}, {u"99999999999", u""},
        {u" 3", u" 3"}, {u"-2", u"-2"}, {u"$1F", u"$1F"}, {u"0", u"0"},
    };
    for (const auto &row : rows) {
        for (bool ticked : {true, false}) {
            dlg.reset();
            dlg.chkMargin->setChecked(ticked);
            dlg.chkSpace->setChecked(ticked);
            for (QLineEdit *box : {dlg.txtVm, dlg.txtHm, dlg.txtSpace})
                box->setText(QString::fromUtf16(row.typed));
            dlg.OKBtn->click();
            EXPECT_EQ(dlg.result(), QDialog::Accepted);
            for (QLineEdit *box : {dlg.txtVm, dlg.txtHm, dlg.txtSpace})
                EXPECT_EQ(box->text(), QString::fromUtf16(row.after)) << box->objectName().toStdString();
            EXPECT_EQ(dlg.chkMargin->isChecked(), ticked);
        }
    }
    // A spacing emptied by OK is still written; emptied margins are not.
    dlg.reset();
    dlg.chkMargin->setChecked(true);
    dlg.chkSpace->setChecked(true);
    dlg.txtVm->setText(u"x"_s);
    dlg.txtHm->setText(u"8"_s);
    dlg.txtSpace->setText(u"y"_s);
    dlg.OKBtn->click();
    EXPECT_EQ(start(), u"<FRAME SRC=\"\" MARGINHEIGHT=\"8\" FRAMESPACING=\"\">"_s);
    // The box labelled 縦 gives the width.
    dlg.reset();
    dlg.chkMargin->setChecked(true);
    dlg.txtVm->setText(u"5"_s);
    dlg.txtHm->setText(u"7"_s);
    dlg.OKBtn->click();
    EXPECT_EQ(start(), u"<FRAME SRC=\"\" MARGINWIDTH=\"5\" MARGINHEIGHT=\"7\">"_s);
}

TEST_F(FrameDialogTest, EveryScrollChoiceReachesTheMarkup)
{
    const char16_t *const values[] = {u"auto", u"yes", u"no"};
    for (int i = 0; i < 3; ++i) {
        dlg.reset();
        dlg.cboScroll->setCurrentIndex(i);
        EXPECT_EQ(start(), u"<FRAME SRC=\"\" SCROLLING=\""_s + QString::fromUtf16(values[i]) + u"\">"_s);
    }
}

TEST_F(FrameDialogTest, BrowsePutsTheBareLowerCaseName)
{
    dlg.reset();
    fake.openNames = {u"/home/user/Site/Pages/Top Page.HTML"_s, std::nullopt};
    dlg.cmdSansyo->click();
    ASSERT_EQ(fake.openRequests.size(), 1);
    EXPECT_EQ(fake.openRequests[0].filter, u"HTMLﾌｧｲﾙ(*.HTM*)|*.htm*|全てのﾌｧｲﾙ(*.*)|*.*"_s);
    EXPECT_EQ(dlg.txtFilename->text(), u"top page.html"_s);

    // Cancelled: the name stays.
    dlg.cmdSansyo->click();
    EXPECT_EQ(fake.openRequests.size(), 2);
    EXPECT_EQ(start(), u"<FRAME SRC=\"top page.html\">"_s);
}

class FrameCommandTest : public DialogFixture
{
};

TEST_F(FrameCommandTest, WithOnlyAFileNameWrapsTheSelection)
{
    setText(u"x abc y"_s);
    selectText(u"abc"_s);
    whenShown<TfrmFrame>([](TfrmFrame &dlg) {
        EXPECT_EQ(dlg.focusWidget(), dlg.txtFilename);
        QTest::keyClicks(dlg.txtFilename, u"menu.htm"_s);
        dlg.OKBtn->click();
    });
    FrameFrameClick(*doc, nullptr);
    EXPECT_EQ(text(), u"x <FRAME SRC=\"menu.htm\">abc</FRAME>\r\n y"_s);
    EXPECT_EQ(selected(), QString());
    EXPECT_TRUE(doc->isModified());
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"x abc y"_s);
}

TEST_F(FrameCommandTest, TheScrollChoiceStaysForTheNextUseEvenAfterCancel)
{
    setText(u"ab"_s);
    select(1, 1);
    whenShown<TfrmFrame>([](TfrmFrame &dlg) {
        dlg.cboScroll->setCurrentIndex(2);
        dlg.chkSize->click();
        dlg.CancelBtn->click();
    });
    FrameFrameClick(*doc, nullptr);
    EXPECT_EQ(text(), u"ab"_s);

    whenShown<TfrmFrame>([](TfrmFrame &dlg) {
        EXPECT_FALSE(dlg.chkSize->isChecked());
        dlg.txtFilename->setText(u"b.htm"_s);
        dlg.chkName->click();
        dlg.txtName->setText(u"main"_s);
        dlg.OKBtn->click();
    });
    FrameFrameClick(*doc, nullptr);
    EXPECT_EQ(text(), u"a<FRAME SRC=\"b.htm\" NAME=\"main\" SCROLLING=\"no\"></FRAME>\r\nb"_s);
}

TEST_F(FrameCommandTest, CancelAndEscapeChangeNothing)
{
    expectLeavingWithoutOkChangesNothing<TfrmFrame>(FrameFrameClick, [](TfrmFrame &dlg) {
        dlg.txtFilename->setText(u"a.htm"_s);
    });
}

} // namespace
