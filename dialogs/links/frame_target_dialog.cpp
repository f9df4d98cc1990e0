#include "dialogs/links/frame_target_dialog.h"

#include "dialogs/controls.h"

#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace Qt::StringLiterals;

TfrmTarget::TfrmTarget(QWidget *parent)
    : TAttributeDialog(u"デフォルトターゲットフレーム"_s, parent)
{
    setObjectName(u"frmTarget"_s);
    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    RadioButton1 = makeRadio(panel, "RadioButton1", u"ﾀｰｹﾞｯﾄｳｨﾝﾄﾞｳにﾛｰﾄﾞ"_s);
    lblName = new QLabel(u"ﾀｰｹﾞｯﾄｳｨﾝﾄﾞｳ名"_s, panel);
    lblName->setObjectName(u"lblName"_s);
    txtName = makeEdit(panel, "txtName", u"ﾀｰｹﾞｯﾄｳｨﾝﾄﾞｳ名"_s);
    lblName->setBuddy(txtName);
    RadioButton2 = makeRadio(panel, "RadioButton2", u"新しい空白のｳｨﾝﾄﾞｳにﾛｰﾄﾞ"_s);
    RadioButton3 = makeRadio(panel, "RadioButton3", u"すぐ上の親ｳｨﾝﾄﾞｳにﾛｰﾄﾞ"_s);
    RadioButton4 = makeRadio(panel, "RadioButton4", u"同じｳｨﾝﾄﾞｳにﾛｰﾄﾞ"_s);
    RadioButton5 = makeRadio(panel, "RadioButton5", u"ｳｨﾝﾄﾞｳ全体にﾛｰﾄﾞ"_s);

    // The name belongs to the first choice, so it sits under it, indented.
    auto *name = new QHBoxLayout;
    name->addSpacing(RadioButton1->fontMetrics().height() + 8);
    name->addWidget(lblName);
    name->addWidget(txtName, 1);

    auto *layout = new QVBoxLayout(panel);
    layout->addWidget(RadioButton1);
    layout->addLayout(name);
    for (QRadioButton *button : {RadioButton2, RadioButton3, RadioButton4, RadioButton5})
        layout->addWidget(button);
    body()->addWidget(panel);
    setTabOrder(RadioButton1, txtName);

    // Arrow keys move the choice as well as clicks, so the name follows the
    // first button's state rather than any one click.
    const auto nameUsable = [this](bool chosen) {
        lblName->setEnabled(chosen);
        txtName->setEnabled(chosen);
    };
    connect(RadioButton1, &QRadioButton::toggled, this, nameUsable);
    RadioButton1->setChecked(true);
}

void TfrmTarget::reset()
{
    txtName->clear();
    RadioButton1->setChecked(true);
    txtName->setFocus();
}

FrameTargetOptions TfrmTarget::options() const
{
    if (RadioButton2->isChecked())
        return {u"_blank"_s};
    if (RadioButton3->isChecked())
        return {u"_parent"_s};
    if (RadioButton4->isChecked())
        return {u"_self"_s};
    if (RadioButton5->isChecked())
        return {u"_top"_s};
    return {txtName->text()};
}
