#include "dialogs/links/button_dialog.h"

#include "dialogs/controls.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>

using namespace Qt::StringLiterals;

TfrmButton::TfrmButton(QWidget *parent)
    : TAttributeDialog({}, parent)
{
    setObjectName(u"frmButton"_s);
    auto *grid = new QGridLayout;
    txtName = addLabelledEdit(this, grid, 0, "txtName", u"ﾌｨｰﾙﾄﾞ名"_s);
    txtText = addLabelledEdit(this, grid, 1, "txtText", u"識別するためのﾃｷｽﾄ"_s);
    CheckBox1 = makeCheck(this, "CheckBox1", u"選択状態"_s);
    grid->addWidget(CheckBox1, 2, 0, 1, 2);
    body()->addLayout(grid);
}

void TfrmButton::reset()
{
    setOptions({});
    txtName->setFocus();
}

ButtonOptions TfrmButton::options() const
{
    return {.name = txtName->text(), .text = txtText->text(), .checked = CheckBox1->isChecked()};
}

void TfrmButton::setOptions(const ButtonOptions &o)
{
    txtName->setText(o.name);
    txtText->setText(o.text);
    CheckBox1->setChecked(o.checked);
}
