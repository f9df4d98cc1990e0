#include "dialogs/color_code.h"
#include "dialogs/text/page_dialog.h"
#include "dialogs/text/page_preview.h"
#include "dialogs/text/page_tag.h"
#include "support/dialog_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const QString firstBody =
    u"<BODY BGCOLOR=#C0C0C0 TEXT=#000000 LINK=#0000FF VLINK=#800080 ALINK=#FF0000>\r\n"_s;

const char *const swatchCodes[16] = {
    "000000", "800000", "008000", "808000", "000080", "800080", "008080", "808080",
    "C0C0C0", "FF0000", "00FF00", "FFFF00", "0000FF", "FF00FF", "00FFFF", "FFFFFF",
};

TEST(PageTag, WritesTheBodyStartTagFromTheOptions)
{
    const struct {
        PageOptions options;
        QString start;
    } rows[] = {
        {{}, firstBody},
        // No colours: no background colour either.
        {{.color = false}, u"<BODY>\r\n"_s},
        // A pattern drops only BGCOLOR.
        {{.pattern = true, .fileName = u"Back.GIF"_s},
         u"<BODY BACKGROUND=\"Back.GIF\" TEXT=#000000 LINK=#0000FF VLINK=#800080 ALINK=#FF0000>\r\n"_s},
        {{.pattern = true, .color = false}, u"<BODY BACKGROUND=\"\">\r\n"_s},
        {{.color = false, .bgproperties = true}, u"<BODY BGPROPERTIES=fixed>\r\n"_s},
        {{.color = false, .margin = true, .left = u" 3"_s, .top = u"$1F"_s},
         u"<BODY LEFTMARGIN=\" 3\" TOPMARGIN=\"$1F\">\r\n"_s},
        // Everything, in its order; the file name as typed, never escaped.
        {{.pattern = true, .fileName = u"背景 \"a\"&b.gif"_s, .text = QColor(255, 255, 255),
          .link = QColor(0, 0, 128), .vlink = QColor(128, 0, 0), .alink = QColor(0, 255, 255),
          .bgproperties = true, .margin = true, .left = u"-2"_s, .top = u"0"_s},
         u"<BODY BACKGROUND=\"背景 \"a\"&b.gif\" TEXT=#FFFFFF LINK=#000080 VLINK=#800000"
         " ALINK=#00FFFF BGPROPERTIES=fixed LEFTMARGIN=\"-2\" TOPMARGIN=\"0\">\r\n"_s},
        {{.back = QColor(1, 2, 3), .text = QColor(4, 5, 6), .link = QColor(7, 8, 9),
          .vlink = QColor(10, 11, 12), .alink = QColor(13, 14, 15)},
         u"<BODY BGCOLOR=#010203 TEXT=#040506 LINK=#070809 VLINK=#0A0B0C ALINK=#0D0E0F>\r\n"_s},
    };
    for (const auto &row : rows) {
        const TagTexts tags = pageTag(row.options);
        EXPECT_EQ(tags.start, row.start);
        EXPECT_EQ(tags.end, u"</BODY>\r\n"_s);
    }
}

class PageDialogTest : public DialogFixture
{
protected:
    TfrmPage &dlg = attributeDialog<TfrmPage>();

    ColorSwatch *swatch(int number)
    {
        return dlg.findChild<ColorSwatch *>(u"p"_s + QString::number(number));
    }
    QToolButton *colorButton() { return dlg.findChild<QToolButton *>(u"cmdSansyo"_s); }
    QString start() const { return pageTag(dlg.options()).start; }
    QLabel *label(const QString &caption)
    {
        for (QLabel *l : dlg.findChildren<QLabel *>())
            if (l->text() == caption)
                return l;
        return nullptr;
    }
};

TEST_F(PageDialogTest, ControlsCarryTheirNamesAndCaptions)
{
    EXPECT_EQ(dlg.windowTitle(), u"文字の色と背景"_s);
    ASSERT_EQ(dlg.PageControl->count(), 2);
    EXPECT_EQ(dlg.PageControl->tabText(0), u"基本"_s);
    EXPECT_EQ(dlg.PageControl->tabText(1), u"拡張"_s);

    const struct {
        QWidget *control;
        const char *name;
        const char16_t *description;
    } named[] = {
        {dlg.pnlBack, "pnlBack", u""},
        {dlg.lblText, "lblText", u"ﾃｷｽﾄの色"},
        {dlg.lblLink, "lblLink", u"ﾘﾝｸの色"},
        {dlg.lblVlink, "lblVlink", u"既に読み込んだﾘﾝｸの色"},
        {dlg.lblAlink, "lblAlink", u"読み込み中のﾘﾝｸの色"},
        {dlg.lblBack, "lblBack", u"背景の色"},
        {dlg.lblType, "lblType", u""},
        {dlg.picker->pnlColor, "pnlColor", u"色"},
        {dlg.txtFilename, "txtFilename", u"背景ﾊﾟﾀｰﾝ"},
        {dlg.BitBtn1, "BitBtn1", u"背景ﾊﾟﾀｰﾝ"},
        {dlg.txtLeft, "txtLeft", u"左"},
        {dlg.txtTop, "txtTop", u"上"},
    };
    for (const auto &row : named) {
        EXPECT_EQ(row.control->objectName(), QString::fromLatin1(row.name));
        EXPECT_EQ(row.control->accessibleName(), QString::fromLatin1(row.name));
        EXPECT_EQ(row.control->accessibleDescription(), QString::fromUtf16(row.description))
            << row.name;
    }
    for (int i = 1; i <= 16; ++i)
        EXPECT_EQ(swatch(i)->accessibleName(), u"p"_s + QString::number(i));

    // The samples lie inside the preview: the four text colours on the
    // left, the background's at the top right.
    EXPECT_EQ(dlg.lblText->text(), u"ﾃｷｽﾄの色"_s);
    EXPECT_EQ(dlg.lblBack->text(), u"背景の色"_s);
    for (PageSample *sample : {dlg.lblText, dlg.lblLink, dlg.lblVlink, dlg.lblAlink, dlg.lblBack}) {
        EXPECT_EQ(sample->parentWidget(), dlg.pnlBack) << sample->objectName().toStdString();
        EXPECT_TRUE(sample->focusPolicy() & Qt::TabFocus) << sample->objectName().toStdString();
    }
    dlg.reset();
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    EXPECT_GT(dlg.lblBack->x(), dlg.lblAlink->geometry().right());
    EXPECT_LT(dlg.lblBack->y(), dlg.lblText->y());
    EXPECT_EQ(dlg.lblText->x(), dlg.lblAlink->x());
    dlg.hide();
}

TEST_F(PageDialogTest, EachShowResetsAllButThePatternBoxAndTheColours)
{
    dlg.reset();
    swatch(7)->click();
    dlg.lblLink->click();
    swatch(3)->click();
    dlg.pnlBack->clicked();
    swatch(16)->click();
    dlg.chkPattern->setChecked(true);
    dlg.txtFilename->setText(u"a.gif"_s);
    dlg.chkBgproperties->setChecked(true);
    dlg.chkMargin->setChecked(true);
    dlg.txtLeft->setText(u"5"_s);
    dlg.txtTop->setText(u"6"_s);
    dlg.chkColor->setChecked(false);
    dlg.PageControl->setCurrentIndex(1);

    dlg.reset();
    EXPECT_EQ(dlg.txtFilename->text(), QString());
    EXPECT_EQ(dlg.PageColorTarget(), u"TEXT"_s);
    EXPECT_EQ(dlg.lblType->text(), u"ﾃｷｽﾄの色"_s);
    EXPECT_EQ(ColorCode(dlg.picker->color()), u"008080"_s);
    EXPECT_FALSE(dlg.chkBgproperties->isChecked());
    EXPECT_FALSE(dlg.chkMargin->isChecked());
    EXPECT_EQ(dlg.txtLeft->text(), QString());
    EXPECT_EQ(dlg.txtTop->text(), QString());
    EXPECT_TRUE(dlg.chkColor->isChecked());
    EXPECT_EQ(dlg.PageControl->currentIndex(), 0);
    EXPECT_EQ(dlg.focusWidget(), dlg.chkColor);
    EXPECT_TRUE(dlg.chkPattern->isChecked());
    EXPECT_EQ(start(), u"<BODY BACKGROUND=\"\" TEXT=#008080 LINK=#008000 VLINK=#800080 ALINK=#FF0000>\r\n"_s);
    EXPECT_EQ(dlg.pnlBack->color(), QColor(255, 255, 255));
}

TEST_F(PageDialogTest, ClickingATargetNamesItAndShowsItsColour)
{
    using Pick = std::function<void(TfrmPage &)>;
    const Pick text = [](TfrmPage &d) { d.lblText->click(); };
    const Pick back = [](TfrmPage &d) { d.lblBack->click(); };
    const struct {
        Pick before;
        Pick click;
        const char *keyword;
        const char16_t *caption;
        const char *colour;
    } rows[] = {
        {text, [](TfrmPage &d) { d.lblLink->click(); }, "LINK", u"ﾘﾝｸの色", "0000FF"},
        {text, [](TfrmPage &d) { d.lblVlink->click(); }, "VLINK", u"既に読み込んだﾘﾝｸの色", "800080"},
        {text, [](TfrmPage &d) { d.lblAlink->click(); }, "ALINK", u"読み込み中のﾘﾝｸの色", "FF0000"},
        {text, back, "BACK", u"背景の色", "C0C0C0"},
        {text,
         [](TfrmPage &d) {
             QTest::mouseClick(d.pnlBack, Qt::LeftButton, {},
                               QPoint(d.pnlBack->width() - 4, d.pnlBack->height() - 4));
         },
         "BACK", u"背景の色", "C0C0C0"},
        {back, text, "TEXT", u"ﾃｷｽﾄの色", "FF00FF"},
        {text, [](TfrmPage &d) { QTest::mouseClick(d.lblVlink, Qt::LeftButton); }, "VLINK",
         u"既に読み込んだﾘﾝｸの色", "800080"},
        {back,
         [](TfrmPage &d) {
             d.lblLink->setFocus();
             QTest::keyClick(d.lblLink, Qt::Key_Space);
         },
         "LINK", u"ﾘﾝｸの色", "0000FF"},
    };
    dlg.reset();
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    swatch(14)->click(); // text colour fuchsia
    for (const auto &row : rows) {
        // Whatever the display showed before, it takes the target's colour.
        row.before(dlg);
        row.click(dlg);
        EXPECT_EQ(dlg.PageColorTarget(), QString::fromLatin1(row.keyword)) << row.keyword;
        EXPECT_EQ(dlg.lblType->text(), QString::fromUtf16(row.caption)) << row.keyword;
        EXPECT_EQ(ColorCode(dlg.picker->color()), QString::fromLatin1(row.colour)) << row.keyword;
    }
    dlg.hide();
}

TEST_F(PageDialogTest, ASwatchColoursOnlyTheCurrentTarget)
{
    const struct {
        std::function<void(TfrmPage &)> pick;
        QString expected;
    } rows[] = {
        {[](TfrmPage &d) { d.lblText->click(); },
         u"<BODY BGCOLOR=#C0C0C0 TEXT=#008000 LINK=#0000FF VLINK=#800080 ALINK=#FF0000>\r\n"_s},
        {[](TfrmPage &d) { d.lblLink->click(); },
         u"<BODY BGCOLOR=#C0C0C0 TEXT=#000000 LINK=#008000 VLINK=#800080 ALINK=#FF0000>\r\n"_s},
        {[](TfrmPage &d) { d.lblVlink->click(); },
         u"<BODY BGCOLOR=#C0C0C0 TEXT=#000000 LINK=#0000FF VLINK=#008000 ALINK=#FF0000>\r\n"_s},
        {[](TfrmPage &d) { d.lblAlink->click(); },
         u"<BODY BGCOLOR=#C0C0C0 TEXT=#000000 LINK=#0000FF VLINK=#800080 ALINK=#008000>\r\n"_s},
        {[](TfrmPage &d) { d.lblBack->click(); },
         u"<BODY BGCOLOR=#008000 TEXT=#000000 LINK=#0000FF VLINK=#800080 ALINK=#FF0000>\r\n"_s},
    };
    for (const auto &row : rows) {
        DialogOwner fresh;
        TfrmPage &page = attributeDialog<TfrmPage>();
        page.reset();
        row.pick(page);
        page.findChild<ColorSwatch *>(u"p3"_s)->click();
        EXPECT_EQ(pageTag(page.options()).start, row.expected);
    }
}

TEST_F(PageDialogTest, TheBackgroundSampleStaysReadableOnItsBackground)
{
    dlg.reset();
    dlg.lblBack->click();
    swatch(1)->click();
    EXPECT_EQ(dlg.pnlBack->color(), QColor(0, 0, 0));
    EXPECT_NE(dlg.lblBack->color(), dlg.pnlBack->color());
    swatch(16)->click();
    EXPECT_NE(dlg.lblBack->color(), dlg.pnlBack->color());
}

TEST_F(PageDialogTest, EverySwatchYieldsItsColour)
{
    for (int i = 1; i <= 16; ++i) {
        dlg.reset();
        swatch(i)->click();
        EXPECT_EQ(start(), u"<BODY BGCOLOR=#C0C0C0 TEXT=#%1 LINK=#0000FF VLINK=#800080 ALINK=#FF0000>\r\n"_s
                               .arg(QString::fromLatin1(swatchCodes[i - 1])))
            << "p" << i;
    }
}

TEST_F(PageDialogTest, TheColourDialogColoursTheTargetOnlyWhenConfirmed)
{
    dlg.reset();
    dlg.lblVlink->click();
    fake.colors = {QColor(0x12, 0x34, 0x56), std::nullopt};
    colorButton()->click();
    EXPECT_EQ(fake.colorRequests.value(0), QColor(Qt::black));
    EXPECT_EQ(dlg.lblVlink->color(), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(ColorCode(dlg.picker->color()), u"123456"_s);

    dlg.lblBack->click();
    colorButton()->click();
    EXPECT_EQ(fake.colorRequests.value(1), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(start(), u"<BODY BGCOLOR=#C0C0C0 TEXT=#000000 LINK=#0000FF VLINK=#123456 ALINK=#FF0000>\r\n"_s);
}

TEST_F(PageDialogTest, ColourBoxGatesThePreviewAndThePicker)
{
    dlg.reset();
    const QList<QWidget *> gated = {dlg.pnlBack,    dlg.lblText,          dlg.lblLink,
                                    dlg.lblVlink,   dlg.lblAlink,         dlg.lblBack,
                                    dlg.lblType,    dlg.picker->pnlColor, colorButton()};
    for (bool checked : {false, true, false}) {
        dlg.chkColor->setChecked(checked);
        for (QWidget *w : gated)
            EXPECT_EQ(w->isEnabled(), checked) << w->objectName().toStdString();
        for (int i = 1; i <= 16; ++i)
            EXPECT_EQ(swatch(i)->isEnabled(), checked) << i;
    }
    // Nothing in a disabled preview can be picked or coloured.
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    QTest::mouseClick(dlg.lblLink, Qt::LeftButton);
    QTest::mouseClick(swatch(3), Qt::LeftButton);
    dlg.hide();
    EXPECT_EQ(dlg.PageColorTarget(), u"TEXT"_s);
    EXPECT_EQ(dlg.lblText->color(), QColor(0, 0, 0));
    EXPECT_EQ(start(), u"<BODY>\r\n"_s);
}

TEST_F(PageDialogTest, PatternBoxGatesTheFileAndKeepsTheFixedBackgroundCheck)
{
    dlg.reset();
    dlg.chkPattern->setChecked(true);
    for (QWidget *w : std::initializer_list<QWidget *>{dlg.txtFilename, dlg.BitBtn1, dlg.chkBgproperties})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    dlg.chkBgproperties->setChecked(true);
    dlg.chkPattern->setChecked(false);
    for (QWidget *w : std::initializer_list<QWidget *>{dlg.txtFilename, dlg.BitBtn1, dlg.chkBgproperties})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(dlg.chkBgproperties->isChecked());
    EXPECT_EQ(start(), u"<BODY BGCOLOR=#C0C0C0 TEXT=#000000 LINK=#0000FF VLINK=#800080 ALINK=#FF0000"
                       " BGPROPERTIES=fixed>\r\n"_s);
}

TEST_F(PageDialogTest, MarginBoxGatesTheFieldsAndTheirLabels)
{
    dlg.reset();
    QLabel *left = label(u"左"_s);
    QLabel *top = label(u"上"_s);
    ASSERT_NE(left, nullptr);
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(left->buddy(), dlg.txtLeft);
    EXPECT_EQ(top->buddy(), dlg.txtTop);
    for (bool checked : {true, false}) {
        dlg.chkMargin->setChecked(checked);
        for (QWidget *w : std::initializer_list<QWidget *>{dlg.txtLeft, dlg.txtTop, left, top})
            EXPECT_EQ(w->isEnabled(), checked) << w->objectName().toStdString();
    }
}

TEST_F(PageDialogTest, OkTurnsMarginsThatAreNotWholeNumbersIntoZero)
{
    const struct {
        bool margin;
        const char16_t *left;
        const char16_t *top;
        const char16_t *leftAfter;
        const char16_t *topAfter;
    } rows[] = {
        {true, u"", u"", u"0", u"0"},
        {true, u" 3", u"-2", u" 3", u"-2"},
        {true, u"$1F", u"1.5", u"$1F", u"0"},
        {true, u"abc", u"12", u"0", u"12"},
        {true, u"3 ", u"99999999999", u"0", u"0"},
        {false, u"x", u"", u"0", u"0"},
        {false, u"7", u"8", u"7", u"8"},
    };
    for (const auto &row : rows) {
        dlg.reset();
        dlg.chkMargin->setChecked(row.margin);
        dlg.txtLeft->setText(QString::fromUtf16(row.left));
        dlg.txtTop->setText(QString::fromUtf16(row.top));
        dlg.OKBtn->click();
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(dlg.txtLeft->text(), QString::fromUtf16(row.leftAfter));
        EXPECT_EQ(dlg.txtTop->text(), QString::fromUtf16(row.topAfter));
        EXPECT_EQ(dlg.chkMargin->isChecked(), row.margin);
    }
    dlg.reset();
    dlg.chkColor->setChecked(false);
    dlg.chkMargin->setChecked(true);
    dlg.OKBtn->click();
    EXPECT_EQ(start(), u"<BODY LEFTMARGIN=\"0\" TOPMARGIN=\"0\">\r\n"_s);
}

TEST_F(PageDialogTest, BrowsePutsTheBareNameWithItsCase)
{
    dlg.reset();
    dlg.chkPattern->setChecked(true);
    fake.openNames = {u"/home/user/Site/Images/Back Ground.GIF"_s, std::nullopt};
    dlg.BitBtn1->click();
    ASSERT_EQ(fake.openRequests.size(), 1);
    EXPECT_EQ(fake.openRequests[0].filter, u"GIFﾌｧｲﾙ(*.GIF)|*.GIF|全てのﾌｧｲﾙ(*.*)|*.*"_s);
    EXPECT_EQ(dlg.txtFilename->text(), u"Back Ground.GIF"_s);

    dlg.BitBtn1->click();
    EXPECT_EQ(fake.openRequests.size(), 2);
    EXPECT_EQ(dlg.txtFilename->text(), u"Back Ground.GIF"_s);
    EXPECT_EQ(start(), u"<BODY BACKGROUND=\"Back Ground.GIF\" TEXT=#000000 LINK=#0000FF VLINK=#800080"
                       " ALINK=#FF0000>\r\n"_s);
}

class PageCommandTest : public DialogFixture
{
};

TEST_F(PageCommandTest, FirstUseWrapsTheSelectionAndUndoBringsItBack)
{
    setText(u"x abc y"_s);
    selectText(u"abc"_s);
    whenShown<TfrmPage>([](TfrmPage &dlg) {
        EXPECT_EQ(dlg.focusWidget(), dlg.chkColor);
        dlg.OKBtn->click();
    });
    PageConfigClick(*doc, nullptr);
    const QString wrapped = u"x "_s + firstBody + u"abc</BODY>\r\n y"_s;
    EXPECT_EQ(text(), wrapped);
    EXPECT_EQ(selected(), QString());
    EXPECT_TRUE(doc->isModified());
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"x abc y"_s);
}

TEST_F(PageCommandTest, WithoutSelectionBothTagsGoAtTheCaret)
{
    setText(u"ab"_s);
    select(1, 1);
    whenShown<TfrmPage>([](TfrmPage &dlg) {
        dlg.chkColor->click();
        dlg.OKBtn->click();
    });
    PageConfigClick(*doc, nullptr);
    EXPECT_EQ(text(), u"a<BODY>\r\n</BODY>\r\nb"_s);
}

TEST_F(PageCommandTest, ACancelledColourStaysForTheNextUse)
{
    setText(u"abc"_s);
    selectText(u"abc"_s);
    whenShown<TfrmPage>([](TfrmPage &dlg) {
        dlg.lblLink->click();
        dlg.findChild<ColorSwatch *>(u"p10"_s)->click();
        dlg.CancelBtn->click();
    });
    PageConfigClick(*doc, nullptr);
    EXPECT_EQ(text(), u"abc"_s);
    EXPECT_FALSE(doc->isModified());

    whenShown<TfrmPage>([](TfrmPage &dlg) {
        EXPECT_EQ(dlg.lblLink->color(), QColor(255, 0, 0));
        EXPECT_EQ(dlg.PageColorTarget(), u"TEXT"_s);
        dlg.OKBtn->click();
    });
    PageConfigClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<BODY BGCOLOR=#C0C0C0 TEXT=#000000 LINK=#FF0000 VLINK=#800080 ALINK=#FF0000>\r\n"
                      "abc</BODY>\r\n"_s);
}

TEST_F(PageCommandTest, CancelAndEscapeChangeNothing)
{
    expectLeavingWithoutOkChangesNothing<TfrmPage>(PageConfigClick, [](TfrmPage &dlg) {
        dlg.chkMargin->setChecked(true);
    });
}

} // namespace
