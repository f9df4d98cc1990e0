#include "dialogs/color_code.h"
#include "dialogs/text/rule_dialog.h"
#include "dialogs/text/rule_tag.h"
#include "support/dialog_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

TEST(RuleTag, WritesTheRuleInTheEndTag)
{
    const QColor red(255, 0, 0);
    const struct {
        RuleOptions options;
        QString rule;
    } rows[] = {
        {{}, u"<HR>\r\n"_s},
        {{.size = true, .sizeValue = u"3"_s, .width = true, .widthValue = u"50"_s, .percent = true,
          .position = true, .align = RuleAlign::Center, .color = true, .colorValue = red, .noShade = true},
         u"<HR SIZE=3 WIDTH=\"50%\" ALIGN=center COLOR=#FF0000 NOSHADE>\r\n"_s},
        {{.size = true, .sizeValue = u"2"_s, .width = true, .widthValue = u"80"_s},
         u"<HR SIZE=2 WIDTH=\"80\">\r\n"_s},
        // Numbers are written as typed.
        {{.size = true, .sizeValue = u" 3"_s, .width = true, .widthValue = u"-2"_s, .percent = true},
         u"<HR SIZE= 3 WIDTH=\"-2%\">\r\n"_s},
        {{.size = true, .sizeValue = u"$1F"_s}, u"<HR SIZE=$1F>\r\n"_s},
        {{.position = true}, u"<HR ALIGN=left>\r\n"_s},
        {{.position = true, .align = RuleAlign::Right}, u"<HR ALIGN=right>\r\n"_s},
        {{.color = true}, u"<HR COLOR=#000000>\r\n"_s},
        {{.color = true, .colorValue = QColor(0, 0, 128), .noShade = true}, u"<HR COLOR=#000080 NOSHADE>\r\n"_s},
        {{.noShade = true}, u"<HR NOSHADE>\r\n"_s},
        // What is not ticked is not written.
        {{.sizeValue = u"4"_s, .widthValue = u"9"_s, .percent = true, .align = RuleAlign::Right,
          .colorValue = red},
         u"<HR>\r\n"_s},
    };
    for (const auto &row : rows) {
        const TagTexts tags = ruleTag(row.options);
        EXPECT_EQ(tags.start, QString()) << row.rule.toStdString();
        EXPECT_EQ(tags.end, row.rule);
    }
}

class RuleDialogTest : public DialogFixture
{
protected:
    TfrmLine &dlg = attributeDialog<TfrmLine>();

    ColorSwatch *swatch(int number)
    {
        return dlg.findChild<ColorSwatch *>(u"p"_s + QString::number(number));
    }
    QString rule() const { return ruleTag(dlg.options()).end; }
};

TEST_F(RuleDialogTest, UnitsAndPositionsReachTheMarkup)
{
    const struct {
        int unit;
        int position;
        QString rule;
    } rows[] = {
        {0, 0, u"<HR WIDTH=\"60\" ALIGN=left>\r\n"_s},
        {1, 1, u"<HR WIDTH=\"60%\" ALIGN=center>\r\n"_s},
        {0, 2, u"<HR WIDTH=\"60\" ALIGN=right>\r\n"_s},
    };
    for (const auto &row : rows) {
        dlg.reset();
        dlg.chkWidth->click();
        dlg.chkPos->click();
        QTest::keyClicks(dlg.txtWidth, u"60"_s);
        dlg.cboTani->setCurrentIndex(row.unit);
        dlg.cboPos->setCurrentIndex(row.position);
        dlg.OKBtn->click();
        EXPECT_EQ(rule(), row.rule);
    }
}

TEST_F(RuleDialogTest, EachShowStartsFromAPlainRuleButKeepsTheColourBox)
{
    dlg.reset();
    EXPECT_FALSE(dlg.chkColor->isChecked());
    EXPECT_FALSE(dlg.picker->isEnabled());
    EXPECT_EQ(rule(), u"<HR>\r\n"_s);

    for (QCheckBox *box : {dlg.chkSize, dlg.chkWidth, dlg.chkPos, dlg.chkNoShade, dlg.chkColor})
        box->setChecked(true);
    dlg.txtSize->setText(u"4"_s);
    dlg.txtWidth->setText(u"5"_s);
    dlg.cboTani->setCurrentIndex(1);
    dlg.cboPos->setCurrentIndex(2);
    swatch(10)->click();

    dlg.reset();
    for (QCheckBox *box : {dlg.chkSize, dlg.chkWidth, dlg.chkPos, dlg.chkNoShade})
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_EQ(dlg.txtSize->text(), QString());
    EXPECT_EQ(dlg.txtWidth->text(), QString());
    EXPECT_EQ(dlg.cboTani->currentText(), u"ﾋﾟｸｾﾙ"_s);
    EXPECT_EQ(dlg.cboPos->currentText(), u"左寄せ"_s);
    for (QWidget *w : std::initializer_list<QWidget *>{dlg.txtSize, dlg.txtWidth, dlg.cboTani, dlg.cboPos})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(dlg.focusWidget(), dlg.chkSize);
    EXPECT_TRUE(dlg.chkColor->isChecked());
    EXPECT_TRUE(dlg.picker->isEnabled());
    EXPECT_EQ(rule(), u"<HR COLOR=#000000>\r\n"_s);
}

TEST_F(RuleDialogTest, EachBoxGatesItsControls)
{
    const struct {
        QCheckBox *box;
        QList<QWidget *> controls;
    } rows[] = {
        {dlg.chkSize, {dlg.txtSize}},
        {dlg.chkWidth, {dlg.txtWidth, dlg.cboTani}},
        {dlg.chkPos, {dlg.cboPos}},
        {dlg.chkColor,
         {dlg.picker->pnlColor, dlg.findChild<QToolButton *>(u"cmdSansyo"_s), swatch(1), swatch(16)}},
    };
    dlg.reset();
    for (const auto &row : rows) {
        for (bool checked : {true, false, true}) {
            row.box->setChecked(checked);
            for (QWidget *w : row.controls)
                EXPECT_EQ(w->isEnabled(), checked) << w->objectName().toStdString();
        }
    }
}

TEST_F(RuleDialogTest, OkDropsASizeOrLengthThatIsNotAWholeNumber)
{
    const struct {
        bool ticked;
        const char16_t *typed;
        bool tickedAfter;
        const char16_t *textAfter;
    } rows[] = {
        {true, u"", false, u"0"},       {true, u"abc", false, u"0"},   {true, u"3 ", false, u"0"},
        {true, u"1.5", false, u"0"},    {true, u" 3", true, u" 3"},    {true, u"-2", true, u"-2"},
        {true, u"$1F", true, u"$1F"},   {false, u"abc", false, u"abc"}, {false, u"", false, u""},
    };
    for (const auto &row : rows) {
        for (auto [box, field] : {std::pair{dlg.chkSize, dlg.txtSize}, std::pair{dlg.chkWidth, dlg.txtWidth}}) {
            dlg.reset();
            box->setChecked(row.ticked);
            field->setText(QString::fromUtf16(row.typed));
            dlg.OKBtn->click();
            EXPECT_EQ(dlg.result(), QDialog::Accepted);
            EXPECT_EQ(box->isChecked(), row.tickedAfter) << field->objectName().toStdString();
            EXPECT_EQ(field->text(), QString::fromUtf16(row.textAfter)) << field->objectName().toStdString();
        }
    }

    // One bad field does not drop the other.
    dlg.reset();
    dlg.chkSize->setChecked(true);
    dlg.txtSize->setText(u"x"_s);
    dlg.chkWidth->setChecked(true);
    dlg.txtWidth->setText(u"80"_s);
    dlg.OKBtn->click();
    EXPECT_EQ(rule(), u"<HR WIDTH=\"80\">\r\n"_s);
}

TEST_F(RuleDialogTest, EverySwatchYieldsItsColour)
{
    const char *const codes[16] = {
        "000000", "800000", "008000", "808000", "000080", "800080", "008080", "808080",
        "C0C0C0", "FF0000", "00FF00", "FFFF00", "0000FF", "FF00FF", "00FFFF", "FFFFFF",
    };
    dlg.chkColor->setChecked(true);
    for (int i = 1; i <= 16; ++i) {
        dlg.reset();
        swatch(i)->click();
        EXPECT_EQ(rule(), u"<HR COLOR=#%1>\r\n"_s.arg(QString::fromLatin1(codes[i - 1]))) << "p" << i;
    }
}

TEST_F(RuleDialogTest, TheColourDialogStartsOnItsLastConfirmedColour)
{
    dlg.chkColor->setChecked(true);
    dlg.reset();
    auto *button = dlg.findChild<QToolButton *>(u"cmdSansyo"_s);
    fake.colors = {QColor(1, 2, 3), std::nullopt};
    button->click();
    EXPECT_EQ(rule(), u"<HR COLOR=#010203>\r\n"_s);
    dlg.reset();
    button->click();
    EXPECT_EQ(fake.colorRequests.value(1), QColor(1, 2, 3));
    EXPECT_EQ(rule(), u"<HR COLOR=#000000>\r\n"_s);
}

class RuleCommandTest : public DialogFixture
{
};

TEST_F(RuleCommandTest, TheRuleGoesAfterTheSelectionWhichStays)
{
    setText(u"x abc y"_s);
    selectText(u"abc"_s);
    whenShown<TfrmLine>([](TfrmLine &dlg) {
        EXPECT_EQ(dlg.focusWidget(), dlg.chkSize);
        dlg.chkSize->click();
        QTest::keyClicks(dlg.txtSize, u"3"_s);
        dlg.chkWidth->click();
        QTest::keyClicks(dlg.txtWidth, u"50"_s);
        dlg.cboTani->setCurrentIndex(1);
        dlg.chkPos->click();
        dlg.cboPos->setCurrentIndex(1);
        dlg.chkColor->click();
        dlg.findChild<ColorSwatch *>(u"p10"_s)->click();
        dlg.chkNoShade->click();
        dlg.OKBtn->click();
    });
    PageKeisenClick(*doc, nullptr);
    const QString rule = u"<HR SIZE=3 WIDTH=\"50%\" ALIGN=center COLOR=#FF0000 NOSHADE>\r\n"_s;
    EXPECT_EQ(text(), u"x abc"_s + rule + u" y"_s);
    EXPECT_EQ(selected(), QString());
    EXPECT_EQ(caret(), 5 + int(rule.size()) - 1);  // CR LF is one break in the editor
    EXPECT_TRUE(doc->isModified());
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"x abc y"_s);
}

TEST_F(RuleCommandTest, TheColourBoxStaysTickedForTheNextRule)
{
    setText(u""_s);
    whenShown<TfrmLine>([](TfrmLine &dlg) {
        EXPECT_FALSE(dlg.chkColor->isChecked());
        dlg.OKBtn->click();
    });
    PageKeisenClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<HR>\r\n"_s);

    whenShown<TfrmLine>([](TfrmLine &dlg) {
        dlg.chkColor->click();
        dlg.findChild<ColorSwatch *>(u"p13"_s)->click();
        dlg.OKBtn->click();
    });
    PageKeisenClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<HR>\r\n<HR COLOR=#0000FF>\r\n"_s);

    whenShown<TfrmLine>([](TfrmLine &dlg) { dlg.OKBtn->click(); });
    PageKeisenClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<HR>\r\n<HR COLOR=#0000FF>\r\n<HR COLOR=#000000>\r\n"_s);
}

TEST_F(RuleCommandTest, CancelAndEscapeChangeNothing)
{
    expectLeavingWithoutOkChangesNothing<TfrmLine>(PageKeisenClick, [](TfrmLine &dlg) {
        dlg.chkNoShade->click();
    });
}

} // namespace
