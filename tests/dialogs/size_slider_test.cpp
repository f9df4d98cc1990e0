#include "dialogs/text/base_font_dialog.h"
#include "dialogs/text/font_dialog.h"
#include "dialogs/text/heading_dialog.h"
#include "dialogs/text/size_slider.h"
#include "support/dialog_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The three dialogs that share the slider, seen through what they share.
struct SliderDialog {
    const char *name;
    TAttributeDialog *dialog;
    SizeSlider *slider;
    std::vector<int> points;  // sample point size by position
    std::vector<int> values;  // holder value by position
    QString label;            // the slider's visible label
};

class SizeSliderTest : public DialogFixture
{
protected:
    std::vector<SliderDialog> dialogs()
    {
        TfrmFont &font = attributeDialog<TfrmFont>();
        TfrmBase &base = attributeDialog<TfrmBase>();
        TfrmTitle &title = attributeDialog<TfrmTitle>();
        return {
            {"TfrmFont", &font, font.sizeSlider, {6, 8, 10, 12, 16, 18, 32},
             {1, 2, 3, 4, 5, 6, 7}, u"ｻｲｽﾞ"_s},
            {"TfrmBase", &base, base.sizeSlider, {6, 8, 10, 12, 16, 18, 32},
             {1, 2, 3, 4, 5, 6, 7}, {}},
            {"TfrmTitle", &title, title.sizeSlider, {6, 8, 10, 12, 16, 24},
             {6, 5, 4, 3, 2, 1}, u"ｻｲｽﾞ"_s},
        };
    }
};

QLabel *labelCaptioned(QWidget *parent, const QString &caption)
{
    for (QLabel *label : parent->findChildren<QLabel *>())
        if (label->text() == caption)
            return label;
    return nullptr;
}

// The sample stands whole inside its container, centred, 4 pixels above the
// slider, at its natural size.
void expectSamplePlaced(const SizeSlider &slider, const std::string &where)
{
    const QLabel *sample = slider.lblSize;
    const QWidget *container = sample->parentWidget();
    const QRect at = sample->geometry();
    EXPECT_EQ(at.size(), sample->sizeHint()) << where;
    EXPECT_EQ(at.left(), (container->width() - at.width()) / 2) << where;
    EXPECT_EQ(at.top(), slider.TrackBar1->mapTo(container, QPoint(0, 0)).y() - at.height() - 4)
        << where;
    EXPECT_TRUE(container->contentsRect().contains(at)) << where;
}

TEST_F(SizeSliderTest, EveryPositionSetsTheSampleSizeAndTheHeldValue)
{
    for (const SliderDialog &d : dialogs()) {
        d.dialog->reset();
        for (int position = 1; position <= int(d.points.size()); ++position) {
            d.slider->TrackBar1->setValue(position);
            EXPECT_EQ(d.slider->lblSize->text(), u"Ａ"_s);
            EXPECT_EQ(d.slider->lblSize->font().pointSize(), d.points[position - 1])
                << d.name << " at " << position;
            EXPECT_EQ(d.slider->txtSize->text(), QString::number(d.values[position - 1]))
                << d.name << " at " << position;
        }
    }
}

TEST_F(SizeSliderTest, ShowPutsTheSliderAtFourAndRunsTheChangeSteps)
{
    for (const SliderDialog &d : dialogs()) {
        d.slider->TrackBar1->setValue(1);
        d.dialog->reset();
        EXPECT_EQ(d.slider->TrackBar1->value(), 4) << d.name;
        EXPECT_EQ(d.slider->lblSize->font().pointSize(), 12) << d.name;
        EXPECT_EQ(d.slider->txtSize->text(), QString::number(d.values[3])) << d.name;
        EXPECT_EQ(d.dialog->focusWidget(), d.slider->TrackBar1) << d.name;
    }
}

TEST_F(SizeSliderTest, TheSampleIsReCentredAboveTheSliderAfterEveryChange)
{
    for (const SliderDialog &d : dialogs()) {
        d.dialog->reset();
        d.dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(d.dialog)) << d.name;
        expectSamplePlaced(*d.slider, std::string(d.name) + " on show");
        int lastWidth = 0;
        for (int position = 1; position <= int(d.points.size()); ++position) {
            d.slider->TrackBar1->setValue(position);
            expectSamplePlaced(*d.slider, std::string(d.name) + " at " + std::to_string(position));
            EXPECT_GT(d.slider->lblSize->width(), lastWidth) << d.name << " at " << position;
            lastWidth = d.slider->lblSize->width();
        }
        // Back to a small size from the largest: placed again, not left where it was.
        d.slider->TrackBar1->setValue(2);
        expectSamplePlaced(*d.slider, std::string(d.name) + " back at 2");
        d.dialog->hide();
    }
}

TEST_F(SizeSliderTest, TheLineAboveTheSliderHoldsTheLargestSampleClearOfTheControlsAbove)
{
    TfrmFont &font = attributeDialog<TfrmFont>();
    TfrmTitle &title = attributeDialog<TfrmTitle>();
    const struct {
        TAttributeDialog *dialog;
        SizeSlider *slider;
        int largest;
        QWidget *above;
    } rows[] = {
        {&font, font.sizeSlider, 7, font.chkSize},
        {&title, title.sizeSlider, 6, labelCaptioned(title.panel, u"ｻｲｽﾞ"_s)},
    };
    for (const auto &row : rows) {
        ASSERT_NE(row.above, nullptr);
        row.dialog->reset();
        row.dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(row.dialog));
        row.slider->TrackBar1->setValue(row.largest);
        EXPECT_GE(row.slider->lblSize->geometry().top(), row.above->geometry().bottom())
            << row.dialog->objectName().toStdString();
        row.dialog->hide();
    }
}

TEST_F(SizeSliderTest, SliderAndSampleAreNamedForAssistiveTechnology)
{
    for (const SliderDialog &d : dialogs()) {
        EXPECT_EQ(d.slider->TrackBar1->objectName(), u"TrackBar1"_s) << d.name;
        EXPECT_EQ(d.slider->TrackBar1->accessibleName(), u"TrackBar1"_s) << d.name;
        EXPECT_EQ(d.slider->TrackBar1->accessibleDescription(), d.label) << d.name;
        EXPECT_EQ(d.slider->lblSize->accessibleName(), u"lblSize"_s) << d.name;
        EXPECT_EQ(d.slider->lblSize->accessibleDescription(), d.label) << d.name;
        EXPECT_EQ(d.slider->txtSize->objectName(), u"txtSize"_s) << d.name;
        EXPECT_TRUE(d.slider->txtSize->isHidden()) << d.name;
        EXPECT_TRUE(d.slider->txtSize->isReadOnly()) << d.name;
        EXPECT_TRUE(d.slider->TrackBar1->focusPolicy() & Qt::TabFocus) << d.name;
    }
}

} // namespace
