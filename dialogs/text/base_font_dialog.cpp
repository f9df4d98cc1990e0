#include "dialogs/text/base_font_dialog.h"

#include "dialogs/text/size_slider.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

using namespace Qt::StringLiterals;

TfrmBase::TfrmBase(QWidget *parent)
    : TAttributeDialog(u"ベースフォントサイズ"_s, parent)
    , sizeSlider(new SizeSlider(this, fontSamplePoints, [](int position) { return position; }))
    , TrackBar1(sizeSlider->TrackBar1)
    , lblSize(sizeSlider->lblSize)
    , txtSize(sizeSlider->txtSize)
{
    setObjectName(u"frmBase"_s);
    body()->addLayout(sizeSlider->layout());
    setTabOrder(TrackBar1, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
}

void TfrmBase::reset()
{
    setOptions({.sizeValue = u"4"_s});
    TrackBar1->setFocus();
}

void TfrmBase::setOptions(const BaseFontOptions &o)
{
    sizeSlider->setValue(o.sizeValue);
}

BaseFontOptions TfrmBase::options() const
{
    return {.sizeValue = txtSize->text()};
}
