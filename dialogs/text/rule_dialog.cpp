#include "dialogs/text/rule_dialog.h"

#include "dialogs/controls.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLineEdit>

using namespace Qt::StringLiterals;

TfrmLine::TfrmLine(QWidget *parent)
    : TAttributeDialog(u"いろいろな横罫線"_s, parent)
{
    setObjectName(u"frmLine"_s);
    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    chkSize = makeCheck(panel, "chkSize", u"太さ"_s);
    txtSize = makeNumberEdit(panel, "txtSize", u"太さ"_s);
    chkWidth = makeCheck(panel, "chkWidth", u"長さ"_s);
    txtWidth = makeNumberEdit(panel, "txtWidth", u"長さ"_s);
    cboTani = makeList(panel, "cboTani", {u"ﾋﾟｸｾﾙ"_s, u"ﾊﾟｰｾﾝﾄ"_s}, u"長さ"_s);
    chkPos = makeCheck(panel, "chkPos", u"位置"_s);
    cboPos = makeList(panel, "cboPos", {u"左寄せ"_s, u"中央"_s, u"右寄せ"_s}, u"位置"_s);
    chkNoShade = makeCheck(panel, "chkNoShade", u"影のない黒い線"_s);
    chkColor = makeCheck(panel, "chkColor", u"色"_s);
    picker = new ColorPicker(m_colorDialog, u"色"_s, panel);


    auto *width = new QHBoxLayout;
    width->addWidget(txtWidth);
    width->addWidget(cboTani);
    width->addStretch();

    auto *grid = new QGridLayout(panel);
    grid->addWidget(chkSize, 0, 0);
    grid->addWidget(txtSize, 0, 1, Qt::AlignLeft);
    grid->addWidget(chkWidth, 1, 0);
    grid->addLayout(width, 1, 1);
    grid->addWidget(chkPos, 2, 0);
    grid->addWidget(cboPos, 2, 1, Qt::AlignLeft);
    grid->addWidget(chkNoShade, 3, 0, 1, 2);
    grid->addWidget(chkColor, 4, 0, Qt::AlignTop);
    grid->addWidget(picker, 4, 1);
    body()->addWidget(panel);

    enableWhileChecked(chkSize, {txtSize});
    enableWhileChecked(chkWidth, {txtWidth, cboTani});
    enableWhileChecked(chkPos, {cboPos});
    enableWhileChecked(chkColor, {picker});
}

void TfrmLine::reset()
{
    // The colour box stays as the user left it.
    setOptions({.color = chkColor->isChecked()});
    chkSize->setFocus();
}

constexpr RuleAlign alignRows[] = {RuleAlign::Left, RuleAlign::Center, RuleAlign::Right};

void TfrmLine::setOptions(const RuleOptions &o)
{
    chkSize->setChecked(o.size);
    txtSize->setText(o.sizeValue);
    chkWidth->setChecked(o.width);
    txtWidth->setText(o.widthValue);
    cboTani->setCurrentIndex(o.percent ? 1 : 0);
    chkPos->setChecked(o.position);
    cboPos->setCurrentIndex(rowOf(alignRows, o.align));
    chkColor->setChecked(o.color);
    picker->setColor(o.colorValue);
    chkNoShade->setChecked(o.noShade);
}

void TfrmLine::checkAtOk()
{
    if (chkSize->isChecked() && !keepWholeNumber(txtSize, u"0"_s))
        chkSize->setChecked(false);
    if (chkWidth->isChecked() && !keepWholeNumber(txtWidth, u"0"_s))
        chkWidth->setChecked(false);
}

RuleOptions TfrmLine::options() const
{
    return {
        .size = chkSize->isChecked(),
        .sizeValue = txtSize->text(),
        .width = chkWidth->isChecked(),
        .widthValue = txtWidth->text(),
        .percent = cboTani->currentIndex() == 1,
        .position = chkPos->isChecked(),
        .align = valueAt(alignRows, cboPos->currentIndex(), RuleAlign::Right),
        .color = chkColor->isChecked(),
        .colorValue = picker->color(),
        .noShade = chkNoShade->isChecked(),
    };
}
