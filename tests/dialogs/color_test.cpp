#include "dialogs/text/bgc_data_dialog.h"
#include "dialogs/color_code.h"
#include "dialogs/text/color_command.h"
#include "dialogs/text/table_cell_commands.h"
#include "support/dialog_fixture.h"

#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

TEST(ColorCode, WritesRedGreenBlueInSixUpperCaseDigits)
{
    const struct {
        ColorValue held;
        const char *code;
    } rows[] = {
        {0x000000, "000000"}, {0x0000FF, "FF0000"}, {0x800000, "000080"},
        {0x000080, "800000"}, {0xFFFF00, "00FFFF"}, {0x00FF00, "00FF00"},
        {0x0A0B0C, "0C0B0A"}, {0xFFFFFF, "FFFFFF"}, {0x123456, "563412"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(ColorCode(row.held), QString::fromLatin1(row.code)) << std::hex << row.held;
}

TEST(ColorCode, ValueHoldsRedInTheLowestByte)
{
    EXPECT_EQ(colorValue(QColor(255, 0, 0)), 0x0000FFu);
    EXPECT_EQ(colorValue(QColor(0, 0, 128)), 0x800000u);
    EXPECT_EQ(colorFromValue(0x563412), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(ColorCode(QColor(0x12, 0x34, 0x56)), u"123456"_s);
}

const char *const swatchCodes[16] = {
    "000000", "800000", "008000", "808000", "000080", "800080", "008080", "808080",
    "C0C0C0", "FF0000", "00FF00", "FFFF00", "0000FF", "FF00FF", "00FFFF", "FFFFFF",
};

class ColorDialogTest : public DialogFixture
{
protected:
    TfrmBgcData &dlg = attributeDialog<TfrmBgcData>();

    ColorSwatch *swatch(int number)
    {
        return dlg.findChild<ColorSwatch *>(u"p"_s + QString::number(number));
    }
};

TEST_F(ColorDialogTest, EverySwatchYieldsTheColourItShows)
{
    for (int i = 1; i <= 16; ++i) {
        dlg.reset();
        ColorSwatch *tile = swatch(i);
        ASSERT_NE(tile, nullptr) << i;
        EXPECT_EQ(tile->accessibleName(), u"p"_s + QString::number(i));
        tile->click();
        EXPECT_EQ(ColorCode(dlg.color()), QString::fromLatin1(swatchCodes[i - 1])) << "p" << i;
        EXPECT_EQ(ColorCode(tile->color()), QString::fromLatin1(swatchCodes[i - 1])) << "p" << i;
    }
}

TEST_F(ColorDialogTest, SwatchesStandInTwoRowsOfEight)
{
    dlg.reset();
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    for (int i = 1; i <= 16; ++i) {
        const QPoint at = swatch(i)->pos();
        const QPoint first = swatch(i <= 8 ? 1 : 9)->pos();
        EXPECT_EQ(at.y(), first.y()) << i;
        if (i != 1 && i != 9) {
            EXPECT_GT(at.x(), swatch(i - 1)->pos().x()) << i;
        }
    }
    EXPECT_GT(swatch(9)->pos().y(), swatch(1)->pos().y());
    dlg.hide();
}

TEST_F(ColorDialogTest, ShowStartsOnBlack)
{
    swatch(12)->click();
    dlg.reset();
    EXPECT_EQ(ColorCode(dlg.color()), u"000000"_s);
}

TEST_F(ColorDialogTest, ColourDialogOpensOnTheLastConfirmedColour)
{
    auto *button = dlg.findChild<QToolButton *>(u"cmdSansyo"_s);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->accessibleName(), u"cmdSansyo"_s);

    fake.colors = {QColor(10, 20, 30), std::nullopt};
    button->click();
    EXPECT_EQ(fake.colorRequests.value(0), QColor(Qt::black));
    EXPECT_EQ(dlg.color(), QColor(10, 20, 30));

    // A swatch changes the display, not where the colour dialog opens;
    // cancelling it changes nothing.
    swatch(10)->click();
    button->click();
    EXPECT_EQ(fake.colorRequests.value(1), QColor(10, 20, 30));
    EXPECT_EQ(ColorCode(dlg.color()), u"FF0000"_s);
}

class ColorCommandTest : public DialogFixture
{
};

TEST_F(ColorCommandTest, ColourReplacesTheSelectionAndUndoBringsItBack)
{
    setText(u"ab xyz cd"_s);
    selectText(u"xyz"_s);
    whenShown<TfrmBgcData>([](TfrmBgcData &dlg) {
        EXPECT_EQ(dlg.windowTitle(), u"色"_s);
        dlg.findChild<ColorSwatch *>(u"p5"_s)->click();
        dlg.OKBtn->click();
    });
    ColorClick(*doc, nullptr);
    EXPECT_EQ(text(), u"ab 000080 cd"_s);
    EXPECT_EQ(caret(), 9);
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"ab xyz cd"_s);
}

TEST_F(ColorCommandTest, CancelLeavesTheDocumentAndPairAlone)
{
    setText(u"abc"_s);
    selectText(u"b"_s);
    doc->StartTag = u"<X>"_s;
    whenShown<TfrmBgcData>([](TfrmBgcData &dlg) {
        dlg.findChild<ColorSwatch *>(u"p5"_s)->click();
        dlg.CancelBtn->click();
    });
    ColorClick(*doc, nullptr);
    EXPECT_EQ(text(), u"abc"_s);
    EXPECT_EQ(doc->StartTag, u"<X>"_s);
    EXPECT_FALSE(doc->isModified());
}

TEST_F(ColorCommandTest, ColouredCellDefaultsToBlackAndWrapsTheSelection)
{
    setText(u"x"_s);
    selectText(u"x"_s);
    whenShown<TfrmBgcData>([](TfrmBgcData &dlg) {
        EXPECT_EQ(dlg.windowTitle(), u"背景色付きデータ"_s);
        dlg.OKBtn->click();
    });
    HyoBgcDataClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<TD BGCOLOR=#000000>x</TD>\r\n"_s);
}

TEST_F(ColorCommandTest, TheSharedDialogIsTitledByTheCommandThatOpensIt)
{
    setText(u"x"_s);
    selectText(u"x"_s);
    whenShown<TfrmBgcData>([](TfrmBgcData &dlg) {
        dlg.findChild<ColorSwatch *>(u"p12"_s)->click();
        dlg.OKBtn->click();
    });
    HyoBgcDataClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<TD BGCOLOR=#FFFF00>x</TD>\r\n"_s);

    whenShown<TfrmBgcData>([](TfrmBgcData &dlg) {
        EXPECT_EQ(dlg.windowTitle(), u"色"_s);
        // Every show starts on black again.
        EXPECT_EQ(ColorCode(dlg.color()), u"000000"_s);
        dlg.OKBtn->click();
    });
    ColorClick(*doc, nullptr);
    EXPECT_TRUE(text().endsWith(u"000000"_s));
}

TEST_F(ColorCommandTest, EscapeCancels)
{
    setText(u"abc"_s);
    whenShown<TfrmBgcData>([](TfrmBgcData &dlg) { QTest::keyClick(&dlg, Qt::Key_Escape); });
    ColorClick(*doc, nullptr);
    EXPECT_EQ(text(), u"abc"_s);
}

TEST_F(ColorCommandTest, TableCellCommandsWrapTheSelection)
{
    const struct {
        void (*command)(TMDIChild &, QObject *);
        const char16_t *selected;
        const char16_t *expected;
    } rows[] = {
        {HyoCaptionClick, u"x", u"<CAPTION>x</CAPTION>\r\n"},
        {HyoRowsClick, u"x", u"<TR>x</TR>\r\n"},
        {HyoRowsClick, u"", u"<TR></TR>\r\n"},
        {HyoPosUpperClick, u"x", u"<TD VALIGN=top>x</TD>"},
        {HyoPosLowerClick, u"x", u"<TD VALIGN=bottom>x</TD>"},
        {HyoPosLowerClick, u"a\r\nb", u"<TD VALIGN=bottom>a\r\nb</TD>"},
    };
    for (const auto &row : rows) {
        const QString part = QString::fromUtf16(row.selected);
        setText(u"["_s + part + u"]"_s);
        select(1, 1 + int(QString(part).replace(u"\r\n"_s, u"\n"_s).size()));
        row.command(*doc, nullptr);
        EXPECT_EQ(text(), u"["_s + QString::fromUtf16(row.expected) + u"]"_s);
        EXPECT_EQ(selected(), QString());
    }
}

} // namespace
