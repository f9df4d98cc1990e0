#include "dialogs/links/frame_target_dialog.h"

#include "dialogs/controls.h"

#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <utility>

using namespace Qt::StringLiterals;

TfrmTarget::TfrmTarget(QWidget *parent)
    : TAttributeDialog(u"デフォルトターゲットフレーム"_s, parent)
{
    setObjectName(u"frmTarget"_s);
    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    RadioButton1 = makeRadio(panel, "RadioButton1", u"ﾀｰｹﾞｯﾄｳｨﾝﾄﾞｳにﾛｰﾄﾞ"_s);
    txtName = makeEdit(panel, "txtName", u"ﾀｰｹﾞｯﾄｳｨﾝﾄﾞｳ名"_s);
    lblName = makeLabel(panel, "lblName", u"ﾀｰｹﾞｯﾄｳｨﾝﾄﾞｳ名"_s, txtName);
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
    setOptions({});
    txtName->setFocus();
}

// The reserved names each have a button of their own; any other name is typed.
static constexpr std::pair<QRadioButton *TfrmTarget::*, const char16_t *> reservedTargets[] = {
    {&TfrmTarget::RadioButton2, u"_blank"},
    {&TfrmTarget::RadioButton3, u"_parent"},
    {&TfrmTarget::RadioButton4, u"_self"},
    {&TfrmTarget::RadioButton5, u"_top"},
};

void TfrmTarget::setOptions(const FrameTargetOptions &o)
{
    for (const auto &[button, name] : reservedTargets) {
        if (o.target == QStringView(name)) {
            (this->*button)->setChecked(true);
            txtName->clear();
            return;
        }
    }
    RadioButton1->setChecked(true);
    txtName->setText(o.target);
}

FrameTargetOptions TfrmTarget::options() const
{
    for (const auto &[button, name] : reservedTargets) {
        if ((this->*button)->isChecked())
            return {QString::fromUtf16(name)};
    }
    return {txtName->text()};
}
