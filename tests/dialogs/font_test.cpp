#include "dialogs/text/base_font_dialog.h"
#include "dialogs/color_code.h"
#include "dialogs/text/font_dialog.h"
#include "dialogs/text/font_tag.h"
#include "dialogs/text/size_slider.h"
#include "support/dialog_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

TEST(FontTag, WritesSizeColourAndFaceInThatOrder)
{
    const struct {
        FontOptions options;
        const char16_t *start;
    } rows[] = {
        {{.size = true, .sizeValue = u"4"_s, .color = true, .colorValue = Qt::black},
         u"<FONT SIZE=4 COLOR=#000000>"},
        {{.relativeSize = true, .relativeValue = u"-2"_s, .color = true,
          .colorValue = QColor(255, 0, 0), .face = true, .faceName = u"Gothic"_s},
         u"<FONT SIZE=-2 COLOR=#FF0000 FACE=\"Gothic\">"},
        {{}, u"<FONT>"},
        {{.size = true, .sizeValue = u"7"_s}, u"<FONT SIZE=7>"},
        {{.relativeSize = true, .relativeValue = u"+4"_s}, u"<FONT SIZE=+4>"},
        {{.color = true, .colorValue = QColor(0, 0, 128)}, u"<FONT COLOR=#000080>"},
        {{.face = true}, u"<FONT FACE=\"\">"},
        {{.size = true, .sizeValue = u"1"_s, .face = true, .faceName = u"ＭＳ 明朝"_s},
         u"<FONT SIZE=1 FACE=\"ＭＳ 明朝\">"},
        // What was typed goes in untouched: blanks, quotes and ampersands too.
        {{.face = true, .faceName = u" a \"b\" & c "_s}, u"<FONT FACE=\" a \"b\" & c \">"},
        // A colour or face left unticked is not written, whatever it holds.
        {{.color = false, .colorValue = QColor(255, 0, 0), .face = false, .faceName = u"x"_s},
         u"<FONT>"},
    };
    for (const auto &row : rows) {
        const TagTexts tags = fontTag(row.options);
        EXPECT_EQ(tags.start, QString::fromUtf16(row.start));
        EXPECT_EQ(tags.end, u"</FONT>"_s);
    }
}

class FontDialogTest : public DialogFixture
{
protected:
    TfrmFont &dlg = attributeDialog<TfrmFont>();

    ColorSwatch *swatch(int number)
    {
        return dlg.findChild<ColorSwatch *>(u"p"_s + QString::number(number));
    }
};

TEST_F(FontDialogTest, EveryShowStartsFromTheDefaults)
{
    dlg.reset();
    // Change everything a user can.
    dlg.TrackBar1->setValue(7);
    swatch(10)->click();
    dlg.chkSSize->click();
    dlg.cboSize->setCurrentIndex(5);
    dlg.chkFont->click();
    dlg.txtFont->setText(u"Gothic"_s);
    dlg.chkColor->click();

    dlg.reset();
    EXPECT_EQ(fontTag(dlg.options()).start, u"<FONT SIZE=4 COLOR=#000000>"_s);
    EXPECT_EQ(dlg.TrackBar1->value(), 4);
    EXPECT_EQ(dlg.lblSize->font().pointSize(), 12);
    EXPECT_EQ(dlg.cboSize->currentText(), u"+4"_s);
    EXPECT_EQ(dlg.txtFont->text(), QString());
    EXPECT_TRUE(dlg.chkSize->isChecked());
    EXPECT_TRUE(dlg.chkColor->isChecked());
    EXPECT_FALSE(dlg.chkSSize->isChecked());
    EXPECT_FALSE(dlg.chkFont->isChecked());
    // The enabling rules ran with the boxes.
    EXPECT_TRUE(dlg.TrackBar1->isEnabled());
    EXPECT_FALSE(dlg.cboSize->isEnabled());
    EXPECT_TRUE(dlg.picker->pnlColor->isEnabled());
    EXPECT_FALSE(dlg.txtFont->isEnabled());
    EXPECT_EQ(dlg.focusWidget(), dlg.TrackBar1);
}

TEST_F(FontDialogTest, TheTwoSizeKindsExcludeEachOtherAndBothMayBeOff)
{
    dlg.reset();
    dlg.chkSSize->click();
    EXPECT_FALSE(dlg.chkSize->isChecked());
    EXPECT_TRUE(dlg.cboSize->isEnabled());
    for (QWidget *w : {static_cast<QWidget *>(dlg.TrackBar1), static_cast<QWidget *>(dlg.lblSize),
                       static_cast<QWidget *>(dlg.txtSize)})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(fontTag(dlg.options()).start, u"<FONT SIZE=+4 COLOR=#000000>"_s);

    dlg.chkSize->click();
    EXPECT_FALSE(dlg.chkSSize->isChecked());
    EXPECT_FALSE(dlg.cboSize->isEnabled());
    EXPECT_TRUE(dlg.TrackBar1->isEnabled());
    EXPECT_TRUE(dlg.lblSize->isEnabled());
    EXPECT_TRUE(dlg.txtSize->isEnabled());

    // Unticking one does not tick the other.
    dlg.chkSize->click();
    EXPECT_FALSE(dlg.chkSize->isChecked());
    EXPECT_FALSE(dlg.chkSSize->isChecked());
    EXPECT_FALSE(dlg.TrackBar1->isEnabled());
    EXPECT_FALSE(dlg.cboSize->isEnabled());
    EXPECT_EQ(fontTag(dlg.options()).start, u"<FONT COLOR=#000000>"_s);
}

TEST_F(FontDialogTest, ColourAndFaceControlsFollowTheirBoxes)
{
    dlg.reset();
    dlg.chkColor->click();
    EXPECT_FALSE(dlg.picker->pnlColor->isEnabled());
    EXPECT_FALSE(dlg.picker->cmdSansyo->isEnabled());
    for (int i = 1; i <= 16; ++i)
        EXPECT_FALSE(swatch(i)->isEnabled()) << i;
    // A disabled swatch takes no click.
    QTest::mouseClick(swatch(10), Qt::LeftButton);
    dlg.chkColor->click();
    EXPECT_EQ(ColorCode(dlg.picker->color()), u"000000"_s);
    EXPECT_TRUE(dlg.picker->cmdSansyo->isEnabled());
    EXPECT_TRUE(swatch(16)->isEnabled());

    dlg.chkFont->click();
    EXPECT_TRUE(dlg.txtFont->isEnabled());
    dlg.chkFont->click();
    EXPECT_FALSE(dlg.txtFont->isEnabled());
}

TEST_F(FontDialogTest, AttributeOrderDoesNotFollowTheOrderOfClicks)
{
    dlg.reset();
    dlg.chkFont->click();
    QTest::keyClicks(dlg.txtFont, u"Osaka"_s);
    swatch(3)->click();
    dlg.chkSSize->click();
    dlg.cboSize->setCurrentIndex(4);
    EXPECT_EQ(fontTag(dlg.options()).start, u"<FONT SIZE=-1 COLOR=#008000 FACE=\"Osaka\">"_s);
}

TEST_F(FontDialogTest, EveryRelativeSizeInListOrder)
{
    const char *const expected[] = {"+4", "+3", "+2", "+1", "-1", "-2", "-3", "-4"};
    dlg.reset();
    dlg.chkSSize->click();
    dlg.chkColor->click();
    ASSERT_EQ(dlg.cboSize->count(), 8);
    for (int i = 0; i < 8; ++i) {
        dlg.cboSize->setCurrentIndex(i);
        EXPECT_EQ(fontTag(dlg.options()).start,
                  u"<FONT SIZE="_s + QLatin1StringView(expected[i]) + u'>')
            << i;
    }
}

TEST_F(FontDialogTest, KeyboardReachesEveryControlInOrder)
{
    QStringList reached;
    QWidget *w = dlg.chkSize;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && !w->isHidden() && w->window() == &dlg)
            reached << w->objectName();
        w = w->nextInFocusChain();
    } while (w != dlg.chkSize);
    QStringList expected{u"chkSize"_s, u"TrackBar1"_s, u"chkSSize"_s, u"cboSize"_s, u"chkColor"_s,
                         u"cmdSansyo"_s};
    for (int i = 1; i <= 16; ++i)
        expected << u"p"_s + QString::number(i);
    expected << u"chkFont"_s << u"txtFont"_s << u"OKBtn"_s << u"CancelBtn"_s;
    EXPECT_EQ(reached, expected);
}

using FontCommandTest = DialogFixture;

TEST_F(FontCommandTest, WrapsTheSelection)
{
    const struct {
        const char *name;
        std::function<void(TfrmFont &)> interact;
        const char16_t *expected;
    } rows[] = {
        {"as shown", [](TfrmFont &) {}, u"<FONT SIZE=4 COLOR=#000000>abc</FONT>"},
        {"relative, red, face",
         [](TfrmFont &dlg) {
             dlg.chkSSize->click();
             dlg.cboSize->setCurrentIndex(5);
             dlg.findChild<ColorSwatch *>(u"p10"_s)->click();
             dlg.chkFont->click();
             QTest::keyClicks(dlg.txtFont, u"Gothic"_s);
         },
         u"<FONT SIZE=-2 COLOR=#FF0000 FACE=\"Gothic\">abc</FONT>"},
        {"all unchecked",
         [](TfrmFont &dlg) {
             dlg.chkSize->click();
             dlg.chkColor->click();
         },
         u"<FONT>abc</FONT>"},
        {"slider at 7",
         [](TfrmFont &dlg) {
             QTest::keyClick(dlg.TrackBar1, Qt::Key_End);
             EXPECT_EQ(dlg.lblSize->font().pointSize(), 32);
         },
         u"<FONT SIZE=7 COLOR=#000000>abc</FONT>"},
        {"empty face",
         [](TfrmFont &dlg) {
             dlg.chkSize->click();
             dlg.chkColor->click();
             dlg.chkFont->click();
         },
         u"<FONT FACE=\"\">abc</FONT>"},
    };
    for (const auto &row : rows) {
        setText(u"x abc y"_s);
        selectText(u"abc"_s);
        whenShown<TfrmFont>([&row](TfrmFont &dlg) {
            row.interact(dlg);
            dlg.OKBtn->click();
        });
        FontColorClick(*doc, nullptr);
        const QString inserted = QString::fromUtf16(row.expected);
        EXPECT_EQ(text(), u"x "_s + inserted + u" y"_s) << row.name;
        EXPECT_EQ(caret(), 2 + inserted.size()) << row.name;
        EXPECT_EQ(selected(), QString()) << row.name;
    }
}

TEST_F(FontCommandTest, EveryUseStartsFromTheDefaultsAndEnterConfirms)
{
    setText(u"abc"_s);
    selectText(u"abc"_s);
    whenShown<TfrmFont>([](TfrmFont &dlg) {
        dlg.chkSSize->click();
        dlg.chkFont->click();
        dlg.txtFont->setText(u"x"_s);
        dlg.findChild<ColorSwatch *>(u"p5"_s)->click();
        dlg.TrackBar1->setValue(1);
        dlg.OKBtn->click();
    });
    FontColorClick(*doc, nullptr);

    setText(u"abc"_s);
    selectText(u"abc"_s);
    whenShown<TfrmFont>([](TfrmFont &dlg) {
        EXPECT_EQ(dlg.focusWidget(), dlg.TrackBar1);
        QTest::keyClick(&dlg, Qt::Key_Return);
    });
    FontColorClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<FONT SIZE=4 COLOR=#000000>abc</FONT>"_s);
}

TEST_F(FontCommandTest, TheColourDialogsChoiceReachesTheMarkup)
{
    setText(u"abc"_s);
    selectText(u"abc"_s);
    fake.colors = {QColor(0x12, 0x34, 0x56)};
    whenShown<TfrmFont>([](TfrmFont &dlg) {
        dlg.picker->cmdSansyo->click();
        dlg.OKBtn->click();
    });
    FontColorClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<FONT SIZE=4 COLOR=#123456>abc</FONT>"_s);
    EXPECT_EQ(fake.colorRequests.value(0), QColor(Qt::black));
}

TEST_F(FontCommandTest, WithNothingSelectedTheEmptyElementGoesInAtTheCaret)
{
    setText(u"ab"_s);
    select(1, 1);
    whenShown<TfrmFont>([](TfrmFont &dlg) { dlg.OKBtn->click(); });
    FontColorClick(*doc, nullptr);
    EXPECT_EQ(text(), u"a<FONT SIZE=4 COLOR=#000000></FONT>b"_s);
    EXPECT_EQ(caret(), 1 + int(u"<FONT SIZE=4 COLOR=#000000></FONT>"_s.size()));
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"ab"_s);
}

TEST_F(FontCommandTest, BaseFontGoesInFrontAndNeverWraps)
{
    const struct {
        int position;
        const char16_t *expected;
    } rows[] = {{4, u"<BASEFONT SIZE=4>"}, {2, u"<BASEFONT SIZE=2>"}, {7, u"<BASEFONT SIZE=7>"}};
    for (const auto &row : rows) {
        setText(u"x abc y"_s);
        selectText(u"abc"_s);
        whenShown<TfrmBase>([&row](TfrmBase &dlg) {
            EXPECT_EQ(dlg.TrackBar1->value(), 4);
            EXPECT_EQ(dlg.focusWidget(), dlg.TrackBar1);
            dlg.TrackBar1->setValue(row.position);
            dlg.OKBtn->click();
        });
        FontBaseClick(*doc, nullptr);
        const QString tag = QString::fromUtf16(row.expected);
        EXPECT_EQ(text(), u"x "_s + tag + u"abc y"_s) << row.position;
        EXPECT_EQ(selected(), QString()) << row.position;
        EXPECT_EQ(caret(), 2 + tag.size()) << row.position;
    }
}

TEST_F(FontCommandTest, CancellingChangesNothing)
{
    expectLeavingWithoutOkChangesNothing<TfrmFont>(FontColorClick, moveSlider<TfrmFont>);
    expectLeavingWithoutOkChangesNothing<TfrmBase>(FontBaseClick, moveSlider<TfrmBase>);
}

} // namespace
