#include "dialogs/media/marquee_dialog.h"
#include "dialogs/media/marquee_preview.h"
#include "dialogs/media/marquee_tag.h"
#include "support/dialog_fixture.h"
#include "support/dialog_accessibility.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const QString end = u"</MARQUEE>\r\n"_s;

TEST(MarqueeTag, WritesEachTickedAttributeInItsPlace)
{
    const struct {
        MarqueeOptions options;
        const char16_t *start;
    } rows[] = {
        {{}, u"<MARQUEE>"},
        {{.align = true}, u"<MARQUEE ALIGN=top>"},
        {{.align = true, .alignValue = MarqueeAlign::Middle}, u"<MARQUEE ALIGN=middle>"},
        {{.align = true, .alignValue = MarqueeAlign::Bottom}, u"<MARQUEE ALIGN=bottom>"},
        {{.behavior = true}, u"<MARQUEE BEHAVIOR=scroll>"},
        {{.behavior = true, .behaviorValue = MarqueeBehavior::Slide}, u"<MARQUEE BEHAVIOR=slide>"},
        {{.behavior = true, .behaviorValue = MarqueeBehavior::Alternate}, u"<MARQUEE BEHAVIOR=alternate>"},
        {{.color = true}, u"<MARQUEE BGCOLOR=#000000>"},
        {{.color = true, .colorValue = QColor(0, 0, 128)}, u"<MARQUEE BGCOLOR=#000080>"},
        {{.direction = true}, u"<MARQUEE DIRECTION=right>"},
        {{.height = true, .heightValue = u"20"_s, .heightPixels = true}, u"<MARQUEE HEIGHT=20>"},
        {{.height = true, .heightValue = u"20"_s}, u"<MARQUEE HEIGHT=20%>"},
        {{.width = true, .widthValue = u"50"_s}, u"<MARQUEE WIDTH=50%>"},
        {{.width = true, .widthValue = u"50"_s, .widthPixels = true}, u"<MARQUEE WIDTH=50>"},
        {{.width = true}, u"<MARQUEE WIDTH=%>"},
        {{.height = true, .heightValue = u"1"_s, .width = true, .widthValue = u"2"_s, .widthPixels = true},
         u"<MARQUEE HEIGHT=1% WIDTH=2>"},
        {{.loop = true, .loopValue = u"3"_s}, u"<MARQUEE LOOP=3>"},
        {{.loop = true, .infinite = true, .loopValue = u"3"_s}, u"<MARQUEE LOOP=INFINITE>"},
        {{.infinite = true, .loopValue = u"3"_s}, u"<MARQUEE>"},
        {{.scrollamount = true, .scrollamountValue = u"6"_s}, u"<MARQUEE SCROLLAMOUNT=6>"},
        {{.scrolldelay = true, .scrolldelayValue = u"-5"_s}, u"<MARQUEE SCROLLDELAY=-5>"},
        {{.space = true, .hspaceValue = u"1"_s, .vspaceValue = u"2"_s}, u"<MARQUEE HSPACE=1 VSPACE=2>"},
        // Texts go in as typed: blanks, "$" numbers, quotes, ampersands, Japanese.
        {{.height = true, .heightValue = u" 5"_s, .width = true, .widthValue = u"幅 \"a\"&b"_s,
          .loop = true, .loopValue = u"$1F"_s},
         u"<MARQUEE HEIGHT= 5% WIDTH=幅 \"a\"&b% LOOP=$1F>"},
        // What is not ticked is not written, whatever it holds.
        {{.alignValue = MarqueeAlign::Bottom, .behaviorValue = MarqueeBehavior::Slide,
          .colorValue = QColor(255, 0, 0), .heightValue = u"1"_s, .widthValue = u"2"_s,
          .loopValue = u"3"_s, .scrollamountValue = u"4"_s, .scrolldelayValue = u"5"_s,
          .hspaceValue = u"6"_s, .vspaceValue = u"7"_s},
         u"<MARQUEE>"},
        {{.align = true, .alignValue = MarqueeAlign::Middle, .behavior = true,
          .behaviorValue = MarqueeBehavior::Alternate, .color = true, .colorValue = QColor(255, 0, 0),
          .direction = true, .height = true, .heightValue = u"30"_s, .heightPixels = true,
          .width = true, .widthValue = u"80"_s, .loop = true, .loopValue = u"2"_s,
          .scrollamount = true, .scrollamountValue = u"8"_s, .scrolldelay = true,
          .scrolldelayValue = u"90"_s, .space = true, .hspaceValue = u"4"_s, .vspaceValue = u"5"_s},
         u"<MARQUEE ALIGN=middle BEHAVIOR=alternate BGCOLOR=#FF0000 DIRECTION=right HEIGHT=30"
         " WIDTH=80% LOOP=2 SCROLLAMOUNT=8 SCROLLDELAY=90 HSPACE=4 VSPACE=5>"},
    };
    for (const auto &row : rows) {
        const TagTexts tags = marqueeTag(row.options);
        EXPECT_EQ(tags.start, QString::fromUtf16(row.start));
        EXPECT_EQ(tags.end, end);
    }
}

class MarqueeDialogTest : public DialogFixture
{
protected:
    TfrmMarquee &dlg = attributeDialog<TfrmMarquee>();

    ColorSwatch *swatch(int number)
    {
        return dlg.findChild<ColorSwatch *>(u"p"_s + QString::number(number));
    }
    QString start() const { return marqueeTag(dlg.options()).start; }
    void showDialog()
    {
        dlg.reset();
        dlg.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    }
    // The sample's left position after each of `count` ticks.
    std::vector<int> ticks(int count)
    {
        std::vector<int> lefts;
        for (int i = 0; i < count; ++i) {
            dlg.Timer1Timer();
            lefts.push_back(dlg.Panel18->sampleLeft());
        }
        return lefts;
    }
};

TEST_F(MarqueeDialogTest, ControlsCarryTheirCaptionsItemsAndNames)
{
    EXPECT_EQ(dlg.windowTitle(), u"マーキー"_s);
    EXPECT_EQ(dlg.PageControl1->tabText(0), u"基本"_s);
    EXPECT_EQ(dlg.PageControl1->tabText(1), u"拡張"_s);
    EXPECT_EQ(dlg.BitBtn1->text(), u"ﾌﾟﾚﾋﾞｭｰ"_s);
    EXPECT_EQ(dlg.Panel18->sampleText(), u"マーキー"_s);
    EXPECT_EQ(dlg.Panel18->accessibleName(), u"Panel18"_s);
    EXPECT_EQ(dlg.picker->pnlColor->accessibleDescription(), u"背景色"_s);
    dlg.reset();
    EXPECT_GE(expectControlsAccessible(dlg, "TfrmMarquee"), 30);
}

TEST_F(MarqueeDialogTest, EachShowTurnsEverythingOffButKeepsUnitsLoopStripAndSample)
{
    dlg.reset();
    EXPECT_EQ(dlg.cboTaniW->currentIndex(), -1);
    EXPECT_EQ(dlg.cboTaniH->currentIndex(), -1);
    for (QCheckBox *box : dlg.findChildren<QCheckBox *>())
        box->setChecked(true);
    for (QLineEdit *field : dlg.findChildren<QLineEdit *>())
        field->setText(u"9"_s);
    dlg.cboBehavior->setCurrentIndex(2);
    dlg.cboAlign->setCurrentIndex(2);
    dlg.cboTaniW->setCurrentIndex(0);
    dlg.cboTaniH->setCurrentIndex(1);
    swatch(5)->click();
    dlg.PageControl1->setCurrentIndex(1);
    dlg.BitBtn1Click();
    dlg.Timer1Timer();
    const int left = dlg.Panel18->sampleLeft();

    dlg.reset();
    EXPECT_EQ(dlg.PageControl1->currentIndex(), 0);
    EXPECT_EQ(dlg.focusWidget(), dlg.chkBehavior);
    EXPECT_EQ(dlg.cboBehavior->currentIndex(), 0);
    EXPECT_EQ(dlg.cboAlign->currentIndex(), 0);
    EXPECT_EQ(dlg.picker->color(), QColor(Qt::black));
    EXPECT_FALSE(dlg.motion().Scrolling);
    for (QLineEdit *field : dlg.findChildren<QLineEdit *>())
        EXPECT_EQ(field->text(), QString()) << field->objectName().toStdString();
    for (QCheckBox *box : dlg.findChildren<QCheckBox *>())
        EXPECT_EQ(box->isChecked(), box == dlg.chkInfinite) << box->objectName().toStdString();
    EXPECT_EQ(start(), u"<MARQUEE>"_s);
    EXPECT_EQ(dlg.Panel18->color(), QColor(0, 0, 128));
    EXPECT_EQ(dlg.Panel18->sampleLeft(), left);
    dlg.chkWidth->setChecked(true);
    dlg.chkHeight->setChecked(true);
    dlg.chkLoop->setChecked(true);
    EXPECT_EQ(start(), u"<MARQUEE HEIGHT=% WIDTH= LOOP=INFINITE>"_s);
}

TEST_F(MarqueeDialogTest, EachBoxEnablesItsControls)
{
    const struct {
        QCheckBox *box;
        QList<QWidget *> controls;
    } rows[] = {
        {dlg.chkBehavior, {dlg.cboBehavior}},
        {dlg.chkColor, {dlg.picker->pnlColor, dlg.picker->cmdSansyo, swatch(1), swatch(16)}},
        {dlg.chkWidth, {dlg.txtWidth, dlg.cboTaniW}},
        {dlg.chkHeight, {dlg.txtHeight, dlg.cboTaniH}},
        {dlg.chkSpace, {dlg.txtHSpace, dlg.txtVSpace, dlg.Label4, dlg.Label5}},
        {dlg.chkLoop, {dlg.txtLoop, dlg.chkInfinite}},
        {dlg.chkScrollamount, {dlg.txtScrollamount}},
        {dlg.chkScrolldelay, {dlg.txtScrolldelay}},
        {dlg.chkAlign, {dlg.cboAlign}},
    };
    dlg.reset();
    QList<QWidget *> gated;
    for (const auto &row : rows)
        gated += row.controls;
    for (QWidget *w : gated)
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    for (const auto &row : rows) {
        row.box->click();
        for (QWidget *w : gated)
            EXPECT_EQ(w->isEnabled(), row.controls.contains(w)) << w->objectName().toStdString();
        row.box->click();
    }
    for (int i = 2; i <= 15; ++i)
        EXPECT_FALSE(swatch(i)->isEnabled()) << i;
    // The endless loop wins over the count but leaves it usable.
    dlg.chkLoop->click();
    dlg.chkInfinite->click();
    EXPECT_TRUE(dlg.txtLoop->isEnabled());
}

TEST_F(MarqueeDialogTest, OkMakesTickedNumbersThatAreNotWholeNumbersOne)
{
    const struct {
        bool ticked;
        const char16_t *typed;
        const char16_t *after;
    } rows[] = {
        {true, u"", u"1"}, {true, u"abc", u"1"}, {true, u"1.5", u"1"}, {true, u"3 ", u"1"},
        {true, u"2147483648", u"1"}, {true, u" -7", u" -7"}, {true, u"$1F", u"$1F"},
        {false, u"abc", u"abc"}, {false, u"", u""},
    };
    for (const auto &row : rows) {
        dlg.reset();
        for (QCheckBox *box : {dlg.chkSpace, dlg.chkLoop, dlg.chkScrollamount, dlg.chkScrolldelay,
                               dlg.chkWidth, dlg.chkHeight})
            box->setChecked(row.ticked);
        for (QLineEdit *field : dlg.findChildren<QLineEdit *>())
            field->setText(QString::fromUtf16(row.typed));
        dlg.OKBtn->click();
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        for (QLineEdit *field : {dlg.txtHSpace, dlg.txtVSpace, dlg.txtLoop, dlg.txtScrollamount,
                                 dlg.txtScrolldelay})
            EXPECT_EQ(field->text(), QString::fromUtf16(row.after)) << field->objectName().toStdString();
        // Width and height are written as typed.
        EXPECT_EQ(dlg.txtWidth->text(), QString::fromUtf16(row.typed));
        EXPECT_EQ(dlg.txtHeight->text(), QString::fromUtf16(row.typed));
    }
}

TEST_F(MarqueeDialogTest, EverySwatchAndTheColourDialogColourTheBackground)
{
    const char *const codes[16] = {
        "000000", "800000", "008000", "808000", "000080", "800080", "008080", "808080",
        "C0C0C0", "FF0000", "00FF00", "FFFF00", "0000FF", "FF00FF", "00FFFF", "FFFFFF",
    };
    for (int i = 1; i <= 16; ++i) {
        dlg.reset();
        dlg.chkColor->click();
        swatch(i)->click();
        EXPECT_EQ(start(), u"<MARQUEE BGCOLOR=#"_s + QLatin1String(codes[i - 1]) + u'>') << "p" << i;
    }
    fake.colors = {QColor(0x12, 0x34, 0x56), std::nullopt};
    dlg.picker->cmdSansyo->click();
    dlg.picker->cmdSansyo->click();
    EXPECT_EQ(fake.colorRequests, (QList<QColor>{Qt::black, QColor(0x12, 0x34, 0x56)}));
    EXPECT_EQ(start(), u"<MARQUEE BGCOLOR=#123456>"_s);
}

TEST_F(MarqueeDialogTest, ThePreviewTicksOnlyWhileTheDialogIsShown)
{
    EXPECT_EQ(dlg.Timer1->interval(), 200);
    EXPECT_FALSE(dlg.Timer1->isActive());
    showDialog();
    EXPECT_TRUE(dlg.Timer1->isActive());
    const struct {
        const char16_t *delay;   // nullptr: box off
        int interval;
    } rows[] = {{nullptr, 100}, {u"250", 250}, {u"-5", 100}, {u"0", 0}, {u"x", 1}, {u"$10", 16}};
    for (const auto &row : rows) {
        dlg.chkScrolldelay->setChecked(row.delay != nullptr);
        dlg.txtScrolldelay->setText(row.delay ? QString::fromUtf16(row.delay) : u"junk"_s);
        dlg.BitBtn1Click();
        EXPECT_EQ(dlg.Timer1->interval(), row.interval);
        EXPECT_EQ(dlg.Timer1->isActive(), row.interval > 0) << row.interval;
        EXPECT_TRUE(dlg.motion().Scrolling);
    }
    dlg.chkScrolldelay->setChecked(false);
    dlg.BitBtn1Click();
    dlg.hide();
    EXPECT_FALSE(dlg.Timer1->isActive());
    dlg.show();
    EXPECT_TRUE(dlg.Timer1->isActive());
    EXPECT_EQ(dlg.Timer1->interval(), 100);
    dlg.hide();
}

TEST_F(MarqueeDialogTest, WithEverythingOffTheSampleScrollsInFromTheRightForEver)
{
    showDialog();
    const int strip = dlg.Panel18->width();
    const int width = dlg.Panel18->sampleWidth();
    ASSERT_GT(strip, width);
    ASSERT_GT(width, 0);
    dlg.BitBtn1Click();
    // Texts the preview reads as numbers are mended, ticked or not.
    EXPECT_EQ(dlg.txtLoop->text(), u"1"_s);
    EXPECT_EQ(dlg.txtScrollamount->text(), u"1"_s);
    EXPECT_EQ(dlg.txtScrolldelay->text(), u"1"_s);
    EXPECT_EQ(dlg.Panel18->sampleLeft(), strip);
    EXPECT_EQ(ticks(2), (std::vector<int>{strip - 6, strip - 12}));
    const int toGo = (strip + width) / 6;
    ticks(toGo - 2);
    EXPECT_EQ(dlg.Panel18->sampleLeft(), strip - 6 * toGo);
    ticks(1);
    EXPECT_EQ(dlg.Panel18->sampleLeft(), strip);
    EXPECT_TRUE(dlg.motion().Scrolling);
    dlg.hide();
}

TEST_F(MarqueeDialogTest, ASlideFromTheLeftStopsAtTheRightEdgeInTheStripsColour)
{
    showDialog();
    const int strip = dlg.Panel18->width();
    const int width = dlg.Panel18->sampleWidth();
    dlg.chkBehavior->click();
    dlg.cboBehavior->setCurrentIndex(1);
    dlg.chkDirection->click();
    dlg.chkScrollamount->click();
    dlg.txtScrollamount->setText(u"7"_s);
    dlg.chkColor->click();
    swatch(12)->click();
    dlg.BitBtn1Click();
    EXPECT_EQ(dlg.Panel18->color(), QColor(255, 255, 0));
    EXPECT_EQ(dlg.Panel18->sampleLeft(), -width);
    EXPECT_EQ(ticks(1), std::vector<int>{7 - width});
    ticks(strip / 7 + 1);
    EXPECT_EQ(dlg.Panel18->sampleLeft(), strip - width);
    EXPECT_FALSE(dlg.motion().Scrolling);

    // Without the colour box the strip keeps its colour; the sample enters
    // from the right and alternates.
    dlg.reset();
    dlg.chkBehavior->click();
    dlg.cboBehavior->setCurrentIndex(2);
    dlg.BitBtn1Click();
    EXPECT_EQ(dlg.Panel18->color(), QColor(255, 255, 0));
    EXPECT_EQ(dlg.motion().ScrollBehavior, MarqueeBehavior::Alternate);
    EXPECT_EQ(dlg.Panel18->sampleLeft(), strip);
    dlg.hide();
}

using MarqueeCommandTest = DialogFixture;

TEST_F(MarqueeCommandTest, WrapsTheSelectionAndUndoBringsItBack)
{
    const struct {
        std::function<void(TfrmMarquee &)> set;
        QString start;
    } rows[] = {
        {[](TfrmMarquee &) {}, u"<MARQUEE>"_s},
        {[](TfrmMarquee &d) {
             d.chkColor->click();
             d.findChild<ColorSwatch *>(u"p10"_s)->click();
         },
         u"<MARQUEE BGCOLOR=#FF0000>"_s},
        {[](TfrmMarquee &d) {
             d.chkSpace->click();
             d.chkAlign->click();
             d.cboAlign->setCurrentIndex(2);
         },
         u"<MARQUEE ALIGN=bottom HSPACE=1 VSPACE=1>"_s},
    };
    for (const auto &row : rows) {
        setText(u"x abc y"_s);
        selectText(u"abc"_s);
        whenShown<TfrmMarquee>([&row](TfrmMarquee &dlg) {
            EXPECT_EQ(dlg.focusWidget(), dlg.chkBehavior);
            row.set(dlg);
            dlg.OKBtn->click();
        });
        MMMarqueeClick(*doc, nullptr);
        EXPECT_EQ(text(), u"x "_s + row.start + u"abc"_s + end + u" y"_s);
        EXPECT_EQ(caret(), int(u"x "_s.size() + row.start.size() + 3 + end.size() - 1));
        EXPECT_TRUE(doc->isModified());
        doc->UndoItemClick();
        EXPECT_EQ(text(), u"x abc y"_s);
    }
}

TEST_F(MarqueeCommandTest, KeepsTheChosenUnitForTheNextUseAndInsertsAtTheCaret)
{
    setText(u"ab"_s);
    select(1, 1);
    whenShown<TfrmMarquee>([](TfrmMarquee &dlg) {
        dlg.chkWidth->click();
        dlg.txtWidth->setText(u"50"_s);
        dlg.cboTaniW->setCurrentIndex(0);
        dlg.OKBtn->click();
    });
    MMMarqueeClick(*doc, nullptr);
    EXPECT_EQ(text(), u"a<MARQUEE WIDTH=50></MARQUEE>\r\nb"_s);

    whenShown<TfrmMarquee>([](TfrmMarquee &dlg) {
        dlg.chkWidth->click();
        dlg.chkHeight->click();
        dlg.txtWidth->setText(u"7"_s);
        dlg.txtHeight->setText(u"8"_s);
        dlg.OKBtn->click();
    });
    MMMarqueeClick(*doc, nullptr);
    EXPECT_EQ(text(), u"a<MARQUEE WIDTH=50></MARQUEE>\r\n<MARQUEE HEIGHT=8% WIDTH=7></MARQUEE>\r\nb"_s);
}

TEST_F(MarqueeCommandTest, CancelChangesNothingAndStopsThePreview)
{
    expectLeavingWithoutOkChangesNothing<TfrmMarquee>(MMMarqueeClick, [](TfrmMarquee &dlg) {
        dlg.chkDirection->click();
        dlg.BitBtn1->click();
    });
    EXPECT_FALSE(attributeDialog<TfrmMarquee>().Timer1->isActive());
}

} // namespace
