#include "dialogs/text/heading_dialog.h"

#include "dialogs/controls.h"
#include "dialogs/text/size_slider.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

using namespace Qt::StringLiterals;

TfrmTitle::TfrmTitle(QWidget *parent)
    : TAttributeDialog(u"見出し"_s, parent)
    , panel(new QFrame(this))
{
    setObjectName(u"frmTitle"_s);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    auto *sizeLabel = new QLabel(u"ｻｲｽﾞ"_s, panel);
    sizeSlider = new SizeSlider(panel, headingSamplePoints, HeadingLevel, u"ｻｲｽﾞ"_s);
    TrackBar1 = sizeSlider->TrackBar1;
    lblSize = sizeSlider->lblSize;
    txtSize = sizeSlider->txtSize;
    chkPosition = makeCheck(panel, "chkPosition", u"位置"_s);
    optLeft = makeRadio(panel, "optLeft", u"左寄せ"_s);
    optCenter = makeRadio(panel, "optCenter", u"中央"_s);
    optRight = makeRadio(panel, "optRight", u"右寄せ"_s);
    txtPosition = makeEdit(panel, "txtPosition");
    txtPosition->setReadOnly(true);
    txtPosition->hide();

    auto *alignment = new QHBoxLayout;
    alignment->addWidget(chkPosition);
    alignment->addWidget(optLeft);
    alignment->addWidget(optCenter);
    alignment->addWidget(optRight);
    alignment->addStretch();

    auto *layout = new QVBoxLayout(panel);
    layout->addWidget(sizeLabel);
    layout->addLayout(sizeSlider->layout());
    layout->addLayout(alignment);
    body()->addWidget(panel);
    setTabOrder(optRight, OKBtn);
    setTabOrder(OKBtn, CancelBtn);

    const std::pair<QRadioButton *, QString> keywords[] = {
        {optLeft, u"left"_s}, {optCenter, u"center"_s}, {optRight, u"right"_s}};
    for (const auto &[button, keyword] : keywords) {
        connect(button, &QRadioButton::toggled, this, [this, keyword](bool checked) {
            if (checked)
                txtPosition->setText(keyword);
        });
    }
    chkPosition->setChecked(true);
    enableWhileChecked(chkPosition, {optLeft, optCenter, optRight, txtPosition});
}

void TfrmTitle::reset()
{
    // The 位置 box stays as the user left it.
    setOptions({.level = u"3"_s, .align = chkPosition->isChecked() ? u"left"_s : QString()});
    TrackBar1->setFocus();
}

void TfrmTitle::setOptions(const HeadingOptions &o)
{
    sizeSlider->setValue(o.level);
    chkPosition->setChecked(!o.align.isEmpty());
    // Unticked, the buttons still show left.
    const QString align = o.align.isEmpty() ? u"left"_s : o.align;
    (align == u"center"_s ? optCenter : align == u"right"_s ? optRight : optLeft)->setChecked(true);
    txtPosition->setText(align);
}

HeadingOptions TfrmTitle::options() const
{
    return {.level = txtSize->text(),
            .align = chkPosition->isChecked() ? txtPosition->text() : QString()};
}

void TfrmTitle::checkAtOk()
{
    if (!txtPosition->isEnabled())
        txtPosition->clear();
}
