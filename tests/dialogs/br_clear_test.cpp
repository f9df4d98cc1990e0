#include "dialogs/media/br_clear_dialog.h"
#include "dialogs/media/br_clear_tag.h"
#include "support/dialog_accessibility.h"
#include "support/dialog_fixture.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

TEST(BrClearTag, WritesTheSideUnquotedInLowerCaseAfterTheSelection)
{
    const struct {
        ClearSide side;
        const char16_t *tag;
    } rows[] = {
        {ClearSide::Left, u"<BR CLEAR=left>"},
        {ClearSide::Right, u"<BR CLEAR=right>"},
        {ClearSide::All, u"<BR CLEAR=all>"},
    };
    for (const auto &row : rows) {
        const TagTexts tags = brClearTag({row.side});
        EXPECT_EQ(tags.start, QString());
        EXPECT_EQ(tags.end, QString::fromUtf16(row.tag));
    }
}

class BrClearTest : public DialogFixture
{
protected:
    TfrmBrClear &dlg = attributeDialog<TfrmBrClear>();
};

TEST_F(BrClearTest, ThreeSidesTopToBottomAndEveryShowStartsOnAll)
{
    EXPECT_EQ(dlg.windowTitle(), u"イメージに重ならない改行"_s);
    const struct {
        QRadioButton *button;
        const char16_t *caption;
        ClearSide side;
    } rows[] = {
        {dlg.RadioButton1, u"左揃えのｲﾒｰｼﾞに重ならない", ClearSide::Left},
        {dlg.RadioButton2, u"右揃えのｲﾒｰｼﾞに重ならない", ClearSide::Right},
        {dlg.RadioButton3, u"全てのｲﾒｰｼﾞに重ならない", ClearSide::All},
    };
    int previousTop = -1;
    dlg.adjustSize();
    for (const auto &row : rows) {
        EXPECT_EQ(row.button->text(), QString::fromUtf16(row.caption));
        EXPECT_GT(row.button->geometry().top(), previousTop) << row.button->objectName().toStdString();
        previousTop = row.button->geometry().top();

        dlg.reset();
        EXPECT_TRUE(dlg.RadioButton3->isChecked());
        EXPECT_EQ(dlg.options().side, ClearSide::All);
        row.button->click();
        EXPECT_EQ(dlg.options().side, row.side);
    }
    dlg.RadioButton1->click();
    dlg.reset();
    EXPECT_FALSE(dlg.RadioButton1->isChecked());
    EXPECT_EQ(dlg.options().side, ClearSide::All);
}

TEST_F(BrClearTest, EveryControlIsKnownByItsCaption)
{
    dlg.reset();
    EXPECT_EQ(expectControlsAccessible(dlg, "TfrmBrClear"), 5);
}

TEST_F(BrClearTest, OkWritesTheTagRightAfterTheSelection)
{
    const struct {
        const char *what;
        QRadioButton *TfrmBrClear::*choice;  // nullptr: the default
        int anchor;
        int position;
        const char16_t *expected;
        int caret;
    } rows[] = {
        {"default, abc selected", nullptr, 2, 5, u"x abc<BR CLEAR=all> y", 19},
        {"left, abc selected", &TfrmBrClear::RadioButton1, 2, 5, u"x abc<BR CLEAR=left> y", 20},
        {"right, selected right to left", &TfrmBrClear::RadioButton2, 5, 2,
         u"x abc<BR CLEAR=right> y", 21},
        {"default, nothing selected", nullptr, 1, 1, u"x<BR CLEAR=all> abc y", 15},
    };
    for (const auto &row : rows) {
        setText(u"x abc y"_s);
        select(row.anchor, row.position);
        whenShown<TfrmBrClear>([&row](TfrmBrClear &shown) {
            if (row.choice)
                (shown.*row.choice)->click();
            shown.OKBtn->click();
        });
        PageBrClick(*doc, nullptr);
        EXPECT_EQ(text(), QString::fromUtf16(row.expected)) << row.what;
        EXPECT_EQ(caret(), row.caret) << row.what;
        EXPECT_EQ(selected(), QString()) << row.what;
        EXPECT_TRUE(doc->isModified()) << row.what;
        doc->UndoItemClick();
        EXPECT_EQ(text(), u"x abc y"_s) << row.what;
    }
}

TEST_F(BrClearTest, LeavingWithoutOkChangesNothing)
{
    for (const char *way : {"CancelBtn", "Esc", "close box"}) {
        setText(u"x abc y"_s);
        selectText(u"abc"_s);
        doc->EndTag = u"<X>"_s;
        whenShown<TfrmBrClear>([way](TfrmBrClear &shown) {
            shown.RadioButton1->click();
            if (way == std::string("CancelBtn"))
                shown.CancelBtn->click();
            else if (way == std::string("Esc"))
                QTest::keyClick(&shown, Qt::Key_Escape);
            else
                shown.close();
        });
        PageBrClick(*doc, nullptr);
        EXPECT_EQ(text(), u"x abc y"_s) << way;
        EXPECT_EQ(selected(), u"abc"_s) << way;
        EXPECT_EQ(doc->EndTag, u"<X>"_s) << way;
        EXPECT_FALSE(doc->isModified()) << way;
    }
}

TEST_F(BrClearTest, OkHasTheFocusFirstAndLaterShowsKeepTheUsersFocus)
{
    setText(u"abc"_s);
    selectText(u"abc"_s);
    whenShown<TfrmBrClear>([](TfrmBrClear &shown) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&shown));
        EXPECT_EQ(QApplication::focusWidget(), shown.OKBtn);
        // Choosing with the mouse moves the focus there; Esc leaves it.
        QTest::mouseClick(shown.RadioButton1, Qt::LeftButton);
        EXPECT_EQ(QApplication::focusWidget(), shown.RadioButton1);
        QTest::keyClick(&shown, Qt::Key_Escape);
    });
    PageBrClick(*doc, nullptr);
    EXPECT_EQ(text(), u"abc"_s);

    whenShown<TfrmBrClear>([](TfrmBrClear &shown) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&shown));
        EXPECT_EQ(QApplication::focusWidget(), shown.RadioButton1);
        EXPECT_TRUE(shown.RadioButton3->isChecked());
        // Enter still means OK, wherever the focus is.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    PageBrClick(*doc, nullptr);
    EXPECT_EQ(text(), u"abc<BR CLEAR=all>"_s);
}

} // namespace
