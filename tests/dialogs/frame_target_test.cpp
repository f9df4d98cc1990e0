#include "dialogs/links/frame_target_dialog.h"
#include "dialogs/links/frame_target_tag.h"
#include "support/dialog_accessibility.h"
#include "support/dialog_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

TEST(FrameTargetTag, WritesTheTargetAsAStartTagAlone)
{
    const struct {
        const char16_t *target;
        QString start;
    } rows[] = {
        {u"_top", u"<BASE TARGET=\"_top\">\r\n"_s},
        {u"", u"<BASE TARGET=\"\">\r\n"_s},
        {u"本文 \"a\"&b", u"<BASE TARGET=\"本文 \"a\"&b\">\r\n"_s},
    };
    for (const auto &row : rows) {
        const TagTexts tags = frameTargetTag({QString::fromUtf16(row.target)});
        EXPECT_EQ(tags.start, row.start);
        EXPECT_EQ(tags.end, QString());
    }
}

class FrameTargetDialogTest : public DialogFixture
{
protected:
    TfrmTarget &dlg = attributeDialog<TfrmTarget>();

    QList<QRadioButton *> buttons() const
    {
        return {dlg.RadioButton1, dlg.RadioButton2, dlg.RadioButton3, dlg.RadioButton4, dlg.RadioButton5};
    }
};

TEST_F(FrameTargetDialogTest, EachChoiceWritesItsTargetAndOnlyTheFirstTakesTheName)
{
    EXPECT_EQ(dlg.windowTitle(), u"デフォルトターゲットフレーム"_s);
    const struct {
        const char16_t *caption;
        const char16_t *target;
    } rows[] = {
        {u"ﾀｰｹﾞｯﾄｳｨﾝﾄﾞｳにﾛｰﾄﾞ", u"main"},
        {u"新しい空白のｳｨﾝﾄﾞｳにﾛｰﾄﾞ", u"_blank"},
        {u"すぐ上の親ｳｨﾝﾄﾞｳにﾛｰﾄﾞ", u"_parent"},
        {u"同じｳｨﾝﾄﾞｳにﾛｰﾄﾞ", u"_self"},
        {u"ｳｨﾝﾄﾞｳ全体にﾛｰﾄﾞ", u"_top"},
    };
    for (int i = 0; i < 5; ++i) {
        dlg.reset();
        dlg.txtName->setText(u"main"_s);
        QRadioButton *button = buttons()[i];
        EXPECT_EQ(button->text(), QString::fromUtf16(rows[i].caption));
        button->click();
        EXPECT_EQ(dlg.txtName->isEnabled(), i == 0) << i;
        EXPECT_EQ(dlg.lblName->isEnabled(), i == 0) << i;
        dlg.OKBtn->click();
        EXPECT_EQ(frameTargetTag(dlg.options()).start,
                  u"<BASE TARGET=\""_s + QString::fromUtf16(rows[i].target) + u"\">\r\n"_s);
    }
}

TEST_F(FrameTargetDialogTest, EachShowStartsOnAnEmptyNameWithTheFocusInIt)
{
    dlg.reset();
    dlg.txtName->setText(u"x"_s);
    dlg.RadioButton4->click();
    EXPECT_FALSE(dlg.txtName->isEnabled());
    dlg.reset();
    EXPECT_TRUE(dlg.RadioButton1->isChecked());
    EXPECT_TRUE(dlg.txtName->isEnabled());
    EXPECT_EQ(dlg.txtName->text(), QString());
    EXPECT_EQ(dlg.focusWidget(), dlg.txtName);
    EXPECT_EQ(frameTargetTag(dlg.options()).start, u"<BASE TARGET=\"\">\r\n"_s);
    EXPECT_EQ(dlg.lblName->buddy(), dlg.txtName);
    EXPECT_EQ(dlg.txtName->accessibleDescription(), u"ﾀｰｹﾞｯﾄｳｨﾝﾄﾞｳ名"_s);
    EXPECT_GE(expectControlsAccessible(dlg, "TfrmTarget"), 8);
}

TEST_F(FrameTargetDialogTest, ArrowKeysMoveTheChoiceAndTheNameFollows)
{
    dlg.reset();
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    dlg.RadioButton1->setFocus();
    QTest::keyClick(dlg.RadioButton1, Qt::Key_Down);
    EXPECT_TRUE(dlg.RadioButton2->isChecked());
    EXPECT_FALSE(dlg.txtName->isEnabled());
    QTest::keyClick(dlg.RadioButton2, Qt::Key_Up);
    EXPECT_TRUE(dlg.RadioButton1->isChecked());
    EXPECT_TRUE(dlg.txtName->isEnabled());
    dlg.hide();
}

class FrameTargetCommandTest : public DialogFixture
{
};

TEST_F(FrameTargetCommandTest, PutsTheTagBeforeTheSelectionWhichStaysInTheText)
{
    setText(u"x abc y"_s);
    selectText(u"abc"_s);
    whenShown<TfrmTarget>([](TfrmTarget &dlg) {
        dlg.RadioButton5->click();
        dlg.OKBtn->click();
    });
    FrameTergetClick(*doc, nullptr);
    EXPECT_EQ(text(), u"x <BASE TARGET=\"_top\">\r\nabc y"_s);
    EXPECT_EQ(selected(), QString());
    EXPECT_EQ(caret(), int(u"x <BASE TARGET=\"_top\">\n"_s.size()));
    EXPECT_TRUE(doc->isModified());
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"x abc y"_s);
}

TEST_F(FrameTargetCommandTest, TheTypedNameIsTheTarget)
{
    setText(u"ab"_s);
    select(2, 1);
    whenShown<TfrmTarget>([](TfrmTarget &dlg) {
        dlg.txtName->insert(u"本文"_s);
        dlg.OKBtn->click();
    });
    FrameTergetClick(*doc, nullptr);
    EXPECT_EQ(text(), u"a<BASE TARGET=\"本文\">\r\nb"_s);
}

TEST_F(FrameTargetCommandTest, CancelAndEscapeChangeNothing)
{
    expectLeavingWithoutOkChangesNothing<TfrmTarget>(FrameTergetClick, [](TfrmTarget &dlg) {
        dlg.RadioButton2->click();
    });
}

} // namespace
