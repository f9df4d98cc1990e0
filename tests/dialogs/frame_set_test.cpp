#include "dialogs/links/frame_layout.h"
#include "dialogs/links/frame_set_dialog.h"
#include "dialogs/links/frame_set_tag.h"
#include "support/dialog_accessibility.h"
#include "support/dialog_fixture.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

FrameSizeTexts sizes(std::initializer_list<const char16_t *> typed)
{
    FrameSizeTexts out;
    std::size_t i = 0;
    for (const char16_t *t : typed)
        out[i++] = QString::fromUtf16(t);
    return out;
}

TEST(FrameSetTag, WritesTheSizeListAndTheOptions)
{
    using D = FrameDirection;
    using U = FrameUnit;
    const struct {
        FrameSetOptions options;
        QString start;
    } rows[] = {
        {{.sizes = sizes({u"30", u"20"}), .remainder = u"50"_s}, u"<FRAMESET COLS=\"30%,20%,50%\">"_s},
        {{.direction = D::Rows, .unit = U::Pixels, .sizes = sizes({u"120"}), .remainder = u"*"_s},
         u"<FRAMESET ROWS=\"120,*\">"_s},
        {{.unit = U::Pixels, .remainder = u"*"_s}, u"<FRAMESET COLS=\"*\">"_s},
        {{.remainder = u"100"_s}, u"<FRAMESET COLS=\"100%\">"_s},
        {{.direction = D::Rows, .sizes = sizes({u"10", u"20", u"30", u"20", u"10"}), .remainder = u"10"_s},
         u"<FRAMESET ROWS=\"10%,20%,30%,20%,10%,10%\">"_s},
        {{.unit = U::Pixels, .sizes = sizes({u"100", u"200", u"300", u"400", u"500"}), .remainder = u"*"_s},
         u"<FRAMESET COLS=\"100,200,300,400,500,*\">"_s},
        // No room left for a remainder: the typed sizes alone, never the marker.
        {{.sizes = sizes({u"100"}), .remainder = u"Err"_s}, u"<FRAMESET COLS=\"100%\">"_s},
        {{.sizes = sizes({u"60", u"40"}), .remainder = u"Err"_s}, u"<FRAMESET COLS=\"60%,40%\">"_s},
        {{.direction = D::Rows, .sizes = sizes({u"60", u"50"}), .remainder = u"Err"_s},
         u"<FRAMESET ROWS=\"60%,50%\">"_s},
        // Boxes never tidied: the list stops at the first empty one.
        {{.sizes = sizes({u"100"})}, u"<FRAMESET COLS=\"100%\">"_s},
        {{.sizes = sizes({u"30", u"", u"20"})}, u"<FRAMESET COLS=\"30%\">"_s},
        {{}, u"<FRAMESET COLS=\"\">"_s},
        // Border and spacing, in that order; the spacing as typed.
        {{.sizes = sizes({u"50"}), .remainder = u"50"_s, .noFrameBorder = true},
         u"<FRAMESET COLS=\"50%,50%\" FRAMEBORDER=\"no\">"_s},
        {{.sizes = sizes({u"50"}), .remainder = u"50"_s, .frameSpacing = true, .frameSpacingValue = u"0"_s},
         u"<FRAMESET COLS=\"50%,50%\" FRAMESPACING=\"0\">"_s},
        {{.unit = U::Pixels, .remainder = u"*"_s, .noFrameBorder = true, .frameSpacing = true,
          .frameSpacingValue = u" $1F"_s},
         u"<FRAMESET COLS=\"*\" FRAMEBORDER=\"no\" FRAMESPACING=\" $1F\">"_s},
        {{.remainder = u"100"_s, .frameSpacingValue = u"7"_s}, u"<FRAMESET COLS=\"100%\">"_s},
    };
    for (const auto &row : rows) {
        const TagTexts tags = frameSetTag(row.options);
        EXPECT_EQ(tags.start, row.start);
        EXPECT_EQ(tags.end, u"</FRAMESET>\r\n"_s);
    }
}

class FrameSetDialogTest : public DialogFixture
{
protected:
    TfrmFrameSet &dlg = attributeDialog<TfrmFrameSet>();

    QList<QLineEdit *> boxes() const { return {dlg.Edit1, dlg.Edit2, dlg.Edit3, dlg.Edit4, dlg.Edit5}; }
    QList<QLabel *> panels() const
    {
        return {dlg.Panel1, dlg.Panel2, dlg.Panel3, dlg.Panel4, dlg.Panel5, dlg.Panel6};
    }
    QStringList boxTexts() const
    {
        QStringList texts;
        for (QLineEdit *box : boxes())
            texts << box->text();
        return texts << dlg.Edit6->text();
    }
    void type(std::initializer_list<const char16_t *> typed)
    {
        int i = 0;
        for (const char16_t *t : typed)
            boxes()[i++]->setText(QString::fromUtf16(t));
    }
    QString start() const { return frameSetTag(dlg.options()).start; }

    // The panel geometries the widgets should have for the boxes as they stand.
    QList<QRect> expectedGeometry(FrameDirection direction, FrameUnit unit) const
    {
        std::array<qint64, 5> values{};
        for (int i = 0; i < 5; ++i)
            values[i] = frameSizeValue(boxes()[i]->text());
        QList<QRect> rects;
        for (const PreviewRect &panel : previewPanels(values, direction, unit, framePreviewArea))
            rects << previewGeometry(panel, framePreviewArea);
        return rects;
    }
    QList<QRect> shownGeometry() const
    {
        QList<QRect> rects;
        for (QLabel *panel : panels())
            rects << panel->geometry();
        return rects;
    }
};

TEST_F(FrameSetDialogTest, TheGroupsAndThePreviewAreKnownByTheirNames)
{
    ASSERT_EQ(dlg.PageControl->count(), 2);
    EXPECT_EQ(dlg.PageControl->tabText(1), u"ﾌﾟﾚﾋﾞｭｰ"_s);
    EXPECT_EQ(dlg.Button1->window(), &dlg);
    EXPECT_TRUE(dlg.Edit6->isReadOnly());
    EXPECT_EQ(dlg.pnlPreview->size(), QSize(258, 169));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(panels()[i]->parentWidget(), dlg.pnlPreview);
    dlg.reset();
    EXPECT_GE(expectControlsAccessible(dlg, "TfrmFrameSet"), 12);
    for (const auto &[control, name] : {std::pair<QWidget *, const char *>{dlg.optType, "optType"},
                                        {dlg.optTani, "optTani"}, {dlg.pnlPreview, "pnlPreview"},
                                        {dlg.Panel1, "Panel1"}, {dlg.Panel6, "Panel6"}})
        EXPECT_EQ(control->accessibleName(), QString::fromLatin1(name));
}

TEST_F(FrameSetDialogTest, EachShowStartsAtOneFrameOfAHundredPercentButKeepsTheSpacingTick)
{
    for (bool spacing : {true, false}) {
        dlg.reset();
        dlg.optType->setItemIndex(1);
        dlg.optTani->setItemIndex(1);
        type({u"1", u"2", u"3", u"4", u"5"});
        dlg.Edit6->setText(u"*"_s);
        dlg.chkFrameBorder->setChecked(true);
        dlg.chkFrameSpacing->setChecked(spacing);
        dlg.txtFrameSpacing->setText(u"9"_s);
        dlg.Button1->click();
        dlg.PageControl->setCurrentIndex(1);

        dlg.reset();
        EXPECT_EQ(dlg.optType->itemIndex(), 0);
        EXPECT_EQ(dlg.optTani->itemIndex(), 0);
        EXPECT_EQ(boxTexts(), QStringList({u"100"_s, {}, {}, {}, {}, {}}));
        EXPECT_EQ(dlg.txtFrameSpacing->text(), QString());
        EXPECT_FALSE(dlg.chkFrameBorder->isChecked());
        EXPECT_EQ(dlg.chkFrameSpacing->isChecked(), spacing);
        EXPECT_EQ(dlg.txtFrameSpacing->isEnabled(), spacing);
        EXPECT_EQ(dlg.PageControl->currentIndex(), 0);
        EXPECT_EQ(dlg.focusWidget(), dlg.optType->button(0));
        // The picture is of the 100 % frame, drawn afresh.
        EXPECT_EQ(shownGeometry(), expectedGeometry(FrameDirection::Columns, FrameUnit::Percent));
        EXPECT_EQ(dlg.Panel1->geometry(), QRect(0, 0, 258, 169));
    }
}

TEST_F(FrameSetDialogTest, UpdateTidiesTheBoxesWorksOutTheRemainderAndRedrawsThePicture)
{
    const struct {
        int type;
        int unit;
        std::initializer_list<const char16_t *> typed;
        QStringList after;
    } rows[] = {
        {0, 0, {u"30", u"", u"", u"20", u""}, {u"30"_s, u"20"_s, {}, {}, {}, u"50"_s}},
        {1, 1, {u"120", u"", u"", u"", u""}, {u"120"_s, {}, {}, {}, {}, u"*"_s}},
        {0, 1, {u"", u"", u"", u"", u""}, {{}, {}, {}, {}, {}, u"*"_s}},
        {1, 0, {u"abc", u"0", u"-5", u" 25", u"$A"}, {u"25"_s, u"10"_s, {}, {}, {}, u"65"_s}},
        {0, 0, {u"100", u"", u"", u"", u""}, {u"100"_s, {}, {}, {}, {}, u"Err"_s}},
        {1, 0, {u"70", u"50", u"", u"", u""}, {u"70"_s, u"50"_s, {}, {}, {}, u"Err"_s}},
        {0, 0, {u"10", u"20", u"30", u"20", u"10"}, {u"10"_s, u"20"_s, u"30"_s, u"20"_s, u"10"_s, u"10"_s}},
    };
    for (const auto &row : rows) {
        dlg.reset();
        dlg.optType->setItemIndex(row.type);
        dlg.optTani->setItemIndex(row.unit);
        type(row.typed);
        dlg.Button1->click();
        EXPECT_EQ(boxTexts(), row.after);
        const auto direction = row.type == 1 ? FrameDirection::Rows : FrameDirection::Columns;
        const auto unit = row.unit == 1 ? FrameUnit::Pixels : FrameUnit::Percent;
        EXPECT_EQ(shownGeometry(), expectedGeometry(direction, unit)) << row.after.join(u',').toStdString();
        for (QLabel *panel : panels())
            EXPECT_TRUE(panel->isVisibleTo(dlg.pnlPreview)) << panel->objectName().toStdString();
        EXPECT_EQ(dlg.txtFrameSpacing->text(), u"0"_s);
    }
}

TEST_F(FrameSetDialogTest, ThePictureWaitsForUpdate)
{
    dlg.reset();
    const QList<QRect> first = shownGeometry();
    type({u"30", u"20"});
    dlg.optType->setItemIndex(1);
    dlg.PageControl->setCurrentIndex(1);
    EXPECT_EQ(shownGeometry(), first);
    EXPECT_EQ(boxTexts(), QStringList({u"30"_s, u"20"_s, {}, {}, {}, {}}));
}

// The colour at `point` (in preview pixels) of the preview's frame drawn at `scale`.
QColor previewPixel(TfrmFrameSet &dlg, QPoint point, qreal scale)
{
    QWidget *frame = dlg.pnlPreview->parentWidget();
    QImage image(frame->size() * scale, QImage::Format_ARGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::magenta);
    frame->render(&image, {}, {}, QWidget::DrawChildren | QWidget::DrawWindowBackground);
    const QPoint at = dlg.pnlPreview->mapTo(frame, point) * scale + QPoint(int(scale) / 2, int(scale) / 2);
    return image.pixelColor(at);
}

TEST_F(FrameSetDialogTest, TheWholePictureIsSeenAtAnyScale)
{
    // Its frame holds the whole preview area, the far corner included.
    QWidget *frame = dlg.pnlPreview->parentWidget();
    dlg.reset();
    dlg.PageControl->setCurrentIndex(1);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    EXPECT_TRUE(frame->contentsRect().contains(dlg.pnlPreview->geometry()));

    dlg.PageControl->setCurrentIndex(0);
    type({u"50"});
    dlg.Button1->click();
    dlg.PageControl->setCurrentIndex(1);
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    for (qreal scale : {1.0, 2.0}) {
        // Two equal halves: each white inside, its border black, both edges seen.
        EXPECT_EQ(previewPixel(dlg, {0, 20}, scale), black) << scale;
        EXPECT_EQ(previewPixel(dlg, {1, 20}, scale), white) << scale;
        EXPECT_EQ(previewPixel(dlg, {64, 20}, scale), white) << scale;
        EXPECT_EQ(previewPixel(dlg, {127, 20}, scale), white) << scale;
        EXPECT_EQ(previewPixel(dlg, {128, 20}, scale), black) << scale;
        EXPECT_EQ(previewPixel(dlg, {129, 20}, scale), black) << scale;
        EXPECT_EQ(previewPixel(dlg, {130, 20}, scale), white) << scale;
        EXPECT_EQ(previewPixel(dlg, {200, 0}, scale), black) << scale;
        EXPECT_EQ(previewPixel(dlg, {200, 1}, scale), white) << scale;
        EXPECT_EQ(previewPixel(dlg, {256, 167}, scale), white) << scale;
        EXPECT_EQ(previewPixel(dlg, {257, 80}, scale), black) << scale;
        EXPECT_EQ(previewPixel(dlg, {200, 168}, scale), black) << scale;
    }
    // Pixel sizes at a third: 300 and 150 leave the last 108 to the rest.
    dlg.PageControl->setCurrentIndex(0);
    dlg.optTani->setItemIndex(1);
    type({u"300", u"150"});
    dlg.Button1->click();
    dlg.PageControl->setCurrentIndex(1);
    for (qreal scale : {1.0, 2.0}) {
        EXPECT_EQ(previewPixel(dlg, {98, 20}, scale), white) << scale;
        EXPECT_EQ(previewPixel(dlg, {99, 20}, scale), black) << scale;
        EXPECT_EQ(previewPixel(dlg, {100, 20}, scale), black) << scale;
        EXPECT_EQ(previewPixel(dlg, {125, 20}, scale), white) << scale;
        EXPECT_EQ(previewPixel(dlg, {149, 20}, scale), black) << scale;
        EXPECT_EQ(previewPixel(dlg, {150, 20}, scale), black) << scale;
        EXPECT_EQ(previewPixel(dlg, {204, 20}, scale), white) << scale;
        EXPECT_EQ(previewPixel(dlg, {257, 20}, scale), black) << scale;
    }
    // Over 100 %: the second frame runs off the edge, its right border unseen.
    dlg.PageControl->setCurrentIndex(0);
    dlg.optTani->setItemIndex(0);
    type({u"80", u"50"});
    dlg.Button1->click();
    dlg.PageControl->setCurrentIndex(1);
    for (qreal scale : {1.0, 2.0}) {
        EXPECT_EQ(previewPixel(dlg, {205, 20}, scale), black) << scale;
        EXPECT_EQ(previewPixel(dlg, {206, 20}, scale), black) << scale;
        EXPECT_EQ(previewPixel(dlg, {257, 20}, scale), white) << scale;
    }
    dlg.hide();
}

TEST_F(FrameSetDialogTest, OkTidiesFirstAndNeverWritesTheNoRoomMarker)
{
    const struct {
        int type;
        int unit;
        std::initializer_list<const char16_t *> typed;
        bool spacing;
        const char16_t *spacingText;
        QString start;
    } rows[] = {
        {0, 0, {u"30", u"", u"", u"20"}, false, u"", u"<FRAMESET COLS=\"30%,20%,50%\">"_s},
        {1, 1, {u"120"}, false, u"", u"<FRAMESET ROWS=\"120,*\">"_s},
        {0, 1, {u""}, false, u"", u"<FRAMESET COLS=\"*\">"_s},
        {0, 0, {u"abc", u"0", u"40"}, false, u"", u"<FRAMESET COLS=\"40%,60%\">"_s},
        {0, 0, {u"100"}, false, u"", u"<FRAMESET COLS=\"100%\">"_s},
        {1, 0, {u"60", u"40"}, false, u"", u"<FRAMESET ROWS=\"60%,40%\">"_s},
        {0, 0, {u"80", u"50"}, false, u"", u"<FRAMESET COLS=\"80%,50%\">"_s},
        {0, 0, {u""}, false, u"", u"<FRAMESET COLS=\"100%\">"_s},
        {0, 0, {u"50"}, true, u"", u"<FRAMESET COLS=\"50%,50%\" FRAMESPACING=\"0\">"_s},
        {0, 0, {u"50"}, true, u"abc", u"<FRAMESET COLS=\"50%,50%\" FRAMESPACING=\"0\">"_s},
        {0, 0, {u"50"}, true, u" $1F", u"<FRAMESET COLS=\"50%,50%\" FRAMESPACING=\" $1F\">"_s},
    };
    for (const auto &row : rows) {
        dlg.reset();
        dlg.optType->setItemIndex(row.type);
        dlg.optTani->setItemIndex(row.unit);
        type(row.typed);
        dlg.chkFrameSpacing->setChecked(row.spacing);
        dlg.txtFrameSpacing->setText(QString::fromUtf16(row.spacingText));
        dlg.OKBtn->click();
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(start(), row.start);
    }
    // The spacing box becomes a number even while it is not ticked.
    dlg.reset();
    dlg.chkFrameSpacing->setChecked(false);
    dlg.txtFrameSpacing->setText(u"x"_s);
    dlg.OKBtn->click();
    EXPECT_EQ(dlg.txtFrameSpacing->text(), u"0"_s);
}

TEST_F(FrameSetDialogTest, OptionsFollowTheGroupsAndBoxes)
{
    dlg.reset();
    dlg.chkFrameBorder->click();
    EXPECT_EQ(start(), u"<FRAMESET COLS=\"100%\" FRAMEBORDER=\"no\">"_s);
    dlg.optType->button(1)->click();
    dlg.optTani->button(1)->click();
    dlg.Button1->click();
    EXPECT_EQ(start(), u"<FRAMESET ROWS=\"100,*\" FRAMEBORDER=\"no\">"_s);
    // The arrow keys move the choice as well.
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    dlg.optType->button(1)->setFocus();
    QTest::keyClick(dlg.optType->button(1), Qt::Key_Left);
    EXPECT_EQ(dlg.optType->itemIndex(), 0);
    dlg.hide();
}

class FrameSetCommandTest : public DialogFixture
{
};

TEST_F(FrameSetCommandTest, WrapsTheFramesAndUndoTakesItBack)
{
    const QString frames = u"<FRAME SRC=\"a.htm\"></FRAME>\r\n<FRAME SRC=\"b.htm\"></FRAME>\r\n"_s;
    setText(u"x\r\n"_s + frames + u"y"_s);
    // Both lines, each CR LF one character in the editor.
    select(2, 2 + int(frames.size()) - 2);
    ASSERT_EQ(selected(), frames);
    whenShown<TfrmFrameSet>([](TfrmFrameSet &dlg) {
        EXPECT_EQ(dlg.focusWidget(), dlg.optType->button(0));
        dlg.Edit1->setText(u"30"_s);
        dlg.Edit4->setText(u"20"_s);
        dlg.OKBtn->click();
    });
    FrameFrameSetClick(*doc, nullptr);
    EXPECT_EQ(text(), u"x\r\n<FRAMESET COLS=\"30%,20%,50%\">"_s + frames + u"</FRAMESET>\r\ny"_s);
    EXPECT_EQ(selected(), QString());
    EXPECT_TRUE(doc->isModified());
    doc->UndoItemClick();
    EXPECT_EQ(text(), u"x\r\n"_s + frames + u"y"_s);
}

TEST_F(FrameSetCommandTest, WithoutSelectionBothTagsGoAtTheCaret)
{
    setText(u"ab"_s);
    select(1, 1);
    whenShown<TfrmFrameSet>([](TfrmFrameSet &dlg) {
        dlg.optType->setItemIndex(1);
        dlg.optTani->setItemIndex(1);
        dlg.Edit1->setText(u"120"_s);
        dlg.OKBtn->click();
    });
    FrameFrameSetClick(*doc, nullptr);
    EXPECT_EQ(text(), u"a<FRAMESET ROWS=\"120,*\"></FRAMESET>\r\nb"_s);
    EXPECT_EQ(caret(), int(u"a<FRAMESET ROWS=\"120,*\"></FRAMESET>\n"_s.size()));
}

TEST_F(FrameSetCommandTest, TheSpacingTickStaysForTheNextUseCancelledOrNot)
{
    setText(u"abc"_s);
    selectText(u"abc"_s);
    whenShown<TfrmFrameSet>([](TfrmFrameSet &dlg) {
        EXPECT_FALSE(dlg.chkFrameSpacing->isChecked());
        EXPECT_FALSE(dlg.txtFrameSpacing->isEnabled());
        dlg.chkFrameSpacing->click();
        dlg.txtFrameSpacing->setText(u"5"_s);
        dlg.CancelBtn->click();
    });
    FrameFrameSetClick(*doc, nullptr);
    EXPECT_EQ(text(), u"abc"_s);

    whenShown<TfrmFrameSet>([](TfrmFrameSet &dlg) {
        EXPECT_TRUE(dlg.chkFrameSpacing->isChecked());
        EXPECT_TRUE(dlg.txtFrameSpacing->isEnabled());
        EXPECT_EQ(dlg.txtFrameSpacing->text(), QString());
        dlg.OKBtn->click();
    });
    FrameFrameSetClick(*doc, nullptr);
    EXPECT_EQ(text(), u"<FRAMESET COLS=\"100%\" FRAMESPACING=\"0\">abc</FRAMESET>\r\n"_s);
}

TEST_F(FrameSetCommandTest, CancelAndEscapeChangeNothing)
{
    expectLeavingWithoutOkChangesNothing<TfrmFrameSet>(FrameFrameSetClick, [](TfrmFrameSet &dlg) {
        dlg.Edit1->setText(u"40"_s);
        dlg.Button1->click();
    });
}

} // namespace
