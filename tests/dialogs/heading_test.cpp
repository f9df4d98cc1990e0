#include "support/dialog_fixture.h"
#include "dialogs/text/heading_dialog.h"
#include "dialogs/text/heading_tag.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

using namespace Qt::StringLiterals;

namespace {

TEST(HeadingTag, StartAndEndCarryTheSameLevel)
{
    const struct {
        HeadingOptions options;
        const char16_t *start;
        const char16_t *end;
    } rows[] = {
        {{u"1"_s, {}}, u"<H1>", u"</H1>"},
        {{u"2"_s, u"left"_s}, u"<H2 ALIGN=left>", u"</H2>"},
        {{u"3"_s, u"left"_s}, u"<H3 ALIGN=left>", u"</H3>"},
        {{u"4"_s, u"center"_s}, u"<H4 ALIGN=center>", u"</H4>"},
        {{u"5"_s, u"right"_s}, u"<H5 ALIGN=right>", u"</H5>"},
        {{u"6"_s, {}}, u"<H6>", u"</H6>"},
        {{u"1"_s, u"center"_s}, u"<H1 ALIGN=center>", u"</H1>"},
    };
    for (const auto &row : rows) {
        const TagTexts tags = headingTag(row.options);
        EXPECT_EQ(tags.start, QString::fromUtf16(row.start));
        EXPECT_EQ(tags.end, QString::fromUtf16(row.end));
    }
}

class HeadingDialogTest : public DialogFixture
{
protected:
    TfrmTitle &dlg = attributeDialog<TfrmTitle>();

    QString confirmed()
    {
        dlg.OKBtn->click();
        const TagTexts tags = headingTag(dlg.options());
        return tags.start + u"…"_s + tags.end;
    }
};

TEST_F(HeadingDialogTest, LevelIsSevenMinusThePosition)
{
    dlg.reset();
    EXPECT_EQ(confirmed(), u"<H3 ALIGN=left>…</H3>"_s);
    const char16_t *const expected[] = {
        u"<H6 ALIGN=left>…</H6>", u"<H5 ALIGN=left>…</H5>", u"<H4 ALIGN=left>…</H4>",
        u"<H3 ALIGN=left>…</H3>", u"<H2 ALIGN=left>…</H2>", u"<H1 ALIGN=left>…</H1>",
    };
    int lastPoints = 0;
    for (int position = 1; position <= 6; ++position) {
        dlg.reset();
        dlg.TrackBar1->setValue(position);
        // Further right: a bigger sample, a smaller level number.
        EXPECT_GT(dlg.lblSize->font().pointSize(), lastPoints) << position;
        lastPoints = dlg.lblSize->font().pointSize();
        EXPECT_EQ(confirmed(), QString::fromUtf16(expected[position - 1])) << position;
    }
}

TEST_F(HeadingDialogTest, EveryShowResetsSliderAndAlignmentButNotThePositionBox)
{
    EXPECT_TRUE(dlg.chkPosition->isChecked());
    dlg.reset();
    dlg.TrackBar1->setValue(6);
    dlg.optRight->click();
    dlg.chkPosition->click();

    dlg.reset();
    EXPECT_EQ(dlg.TrackBar1->value(), 4);
    EXPECT_EQ(dlg.txtSize->text(), u"3"_s);
    EXPECT_TRUE(dlg.optLeft->isChecked());
    EXPECT_EQ(dlg.txtPosition->text(), u"left"_s);
    EXPECT_FALSE(dlg.chkPosition->isChecked());
    EXPECT_FALSE(dlg.optLeft->isEnabled());
    EXPECT_EQ(dlg.focusWidget(), dlg.TrackBar1);
    EXPECT_EQ(confirmed(), u"<H3>…</H3>"_s);
}

TEST_F(HeadingDialogTest, EachRadioButtonSetsItsKeyword)
{
    const struct {
        QRadioButton *button;
        const char16_t *expected;
    } rows[] = {
        {dlg.optCenter, u"<H3 ALIGN=center>…</H3>"},
        {dlg.optRight, u"<H3 ALIGN=right>…</H3>"},
        {dlg.optLeft, u"<H3 ALIGN=left>…</H3>"},
    };
    dlg.reset();
    for (const auto &row : rows) {
        row.button->click();
        EXPECT_EQ(confirmed(), QString::fromUtf16(row.expected))
            << row.button->objectName().toStdString();
    }
}

TEST_F(HeadingDialogTest, ThePositionBoxGatesTheRadioButtonsAndKeepsTheChoice)
{
    dlg.reset();
    dlg.optCenter->click();
    dlg.chkPosition->click();
    for (QWidget *w : {static_cast<QWidget *>(dlg.optLeft), static_cast<QWidget *>(dlg.optCenter),
                       static_cast<QWidget *>(dlg.optRight),
                       static_cast<QWidget *>(dlg.txtPosition)})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();

    dlg.chkPosition->click();
    EXPECT_TRUE(dlg.optCenter->isEnabled());
    EXPECT_TRUE(dlg.optCenter->isChecked());
    EXPECT_EQ(confirmed(), u"<H3 ALIGN=center>…</H3>"_s);
}

TEST_F(HeadingDialogTest, AnUncheckedPositionBoxEmptiesTheHolderAtOkOnly)
{
    dlg.reset();
    dlg.chkPosition->click();
    EXPECT_EQ(dlg.txtPosition->text(), u"left"_s);
    dlg.CancelBtn->click();
    EXPECT_EQ(dlg.txtPosition->text(), u"left"_s);
    dlg.OKBtn->click();
    EXPECT_EQ(dlg.txtPosition->text(), QString());
}

using HeadingCommandTest = DialogFixture;

TEST_F(HeadingCommandTest, WrapsTheSelection)
{
    const struct {
        const char *name;
        std::function<void(TfrmTitle &)> interact;
        const char16_t *expected;
    } rows[] = {
        {"as shown", [](TfrmTitle &) {}, u"<H3 ALIGN=left>Title</H3>"},
        {"slider at 6, centre",
         [](TfrmTitle &dlg) {
             dlg.TrackBar1->setValue(6);
             dlg.optCenter->click();
         },
         u"<H1 ALIGN=center>Title</H1>"},
        {"slider at 1, no position",
         [](TfrmTitle &dlg) {
             dlg.TrackBar1->setValue(1);
             dlg.chkPosition->click();
         },
         u"<H6>Title</H6>"},
        // The box stays unchecked from the last use.
        {"next use",
         [](TfrmTitle &dlg) { EXPECT_FALSE(dlg.chkPosition->isChecked()); },
         u"<H3>Title</H3>"},
        // Checked again, the show's "left" is offered.
        {"position again", [](TfrmTitle &dlg) { dlg.chkPosition->click(); },
         u"<H3 ALIGN=left>Title</H3>"},
    };
    for (const auto &row : rows) {
        setText(u"a Title b"_s);
        selectText(u"Title"_s);
        whenShown<TfrmTitle>([&row](TfrmTitle &dlg) {
            EXPECT_EQ(dlg.focusWidget(), dlg.TrackBar1) << row.name;
            row.interact(dlg);
            dlg.OKBtn->click();
        });
        MidashiClick(*doc, nullptr);
        const QString inserted = QString::fromUtf16(row.expected);
        EXPECT_EQ(text(), u"a "_s + inserted + u" b"_s) << row.name;
        EXPECT_EQ(caret(), 2 + inserted.size()) << row.name;
    }
}

TEST_F(HeadingCommandTest, WithNothingSelectedTheEmptyHeadingGoesInAtTheCaret)
{
    setText(u"ab"_s);
    select(1, 1);
    whenShown<TfrmTitle>([](TfrmTitle &dlg) { dlg.OKBtn->click(); });
    MidashiClick(*doc, nullptr);
    EXPECT_EQ(text(), u"a<H3 ALIGN=left></H3>b"_s);
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"ab"_s);
}

TEST_F(HeadingCommandTest, CancellingChangesNothing)
{
    expectLeavingWithoutOkChangesNothing<TfrmTitle>(MidashiClick, moveSlider<TfrmTitle>);
}

} // namespace
