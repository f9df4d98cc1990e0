#include "dialogs/text/font_dialog.h"

#include "dialogs/controls.h"
#include "dialogs/text/size_slider.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

using namespace Qt::StringLiterals;

TfrmFont::TfrmFont(QWidget *parent)
    : TAttributeDialog(u"サイズと色"_s, parent)
    , panel(new QFrame(this))
{
    setObjectName(u"frmFont"_s);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    chkSize = makeCheck(panel, "chkSize", u"ｻｲｽﾞ"_s);
    sizeSlider = new SizeSlider(panel, fontSamplePoints, [](int position) { return position; },
                                u"ｻｲｽﾞ"_s);
    TrackBar1 = sizeSlider->TrackBar1;
    lblSize = sizeSlider->lblSize;
    txtSize = sizeSlider->txtSize;
    chkSSize = makeCheck(panel, "chkSSize", u"相対ｻｲｽﾞ"_s);
    cboSize = makeList(panel, "cboSize",
                       {u"+4"_s, u"+3"_s, u"+2"_s, u"+1"_s, u"-1"_s, u"-2"_s, u"-3"_s, u"-4"_s},
                       u"相対ｻｲｽﾞ"_s);
    chkColor = makeCheck(panel, "chkColor", u"色"_s);
    picker = new ColorPicker(m_colorDialog, u"色"_s, panel);
    chkFont = makeCheck(panel, "chkFont", u"ﾌｫﾝﾄ指定"_s);
    txtFont = makeEdit(panel, "txtFont", u"ﾌｫﾝﾄ指定"_s);

    auto *layout = new QGridLayout(panel);
    layout->addWidget(chkSize, 0, 0, 1, 2);
    layout->addLayout(sizeSlider->layout(), 1, 0, 1, 2);
    layout->addWidget(chkSSize, 2, 0);
    layout->addWidget(cboSize, 2, 1, Qt::AlignLeft);
    layout->addWidget(chkColor, 3, 0, Qt::AlignTop);
    layout->addWidget(picker, 3, 1);
    layout->addWidget(chkFont, 4, 0);
    layout->addWidget(txtFont, 4, 1);
    layout->setColumnStretch(1, 1);
    body()->addWidget(panel);
    setTabOrder(txtFont, OKBtn);
    setTabOrder(OKBtn, CancelBtn);

    // Only one size kind is written; unticking one does not tick the other.
    connect(chkSize, &QCheckBox::toggled, this, [this](bool checked) {
        if (checked)
            chkSSize->setChecked(false);
    });
    connect(chkSSize, &QCheckBox::toggled, this, [this](bool checked) {
        if (checked)
            chkSize->setChecked(false);
    });
    enableWhileChecked(chkSize, {TrackBar1, lblSize, txtSize});
    enableWhileChecked(chkSSize, {cboSize});
    enableWhileChecked(chkColor, {picker});
    enableWhileChecked(chkFont, {txtFont});
}

void TfrmFont::reset()
{
    setOptions({.size = true, .sizeValue = u"4"_s, .relativeValue = u"+4"_s, .color = true});
    TrackBar1->setFocus();
}

void TfrmFont::setOptions(const FontOptions &o)
{
    chkSize->setChecked(o.size);
    sizeSlider->setValue(o.sizeValue);
    chkSSize->setChecked(o.relativeSize);
    cboSize->setCurrentIndex(cboSize->findText(o.relativeValue));
    chkColor->setChecked(o.color);
    picker->setColor(o.colorValue);
    chkFont->setChecked(o.face);
    txtFont->setText(o.faceName);
}

FontOptions TfrmFont::options() const
{
    return {
        .size = chkSize->isChecked(),
        .sizeValue = txtSize->text(),
        .relativeSize = chkSSize->isChecked(),
        .relativeValue = cboSize->currentText(),
        .color = chkColor->isChecked(),
        .colorValue = picker->color(),
        .face = chkFont->isChecked(),
        .faceName = txtFont->text(),
    };
}
