#include "dialogs/media/param_dialog.h"

#include "dialogs/controls.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

TfrmParam::TfrmParam(QWidget *parent)
    : TAttributeDialog(u"Ｊａｖａパラメータ"_s, parent)
{
    setObjectName(u"frmParam"_s);
    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    txtName = makeEdit(panel, "txtName", u"ﾊﾟﾗﾒｰﾀ名"_s);
    auto *nameLabel = makeLabel(panel, "", u"ﾊﾟﾗﾒｰﾀ名"_s, txtName);
    txtValue = makeEdit(panel, "txtValue", u"値"_s);
    auto *valueLabel = makeLabel(panel, "", u"値"_s, txtValue);
    const int fieldWidth = txtName->fontMetrics().horizontalAdvance(u"M"_s) * 24;
    txtName->setMinimumWidth(fieldWidth);
    txtValue->setMinimumWidth(fieldWidth);
    setTabOrder(txtValue, OKBtn);
    setTabOrder(OKBtn, CancelBtn);

    auto *grid = new QGridLayout(panel);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(txtName, 0, 1);
    grid->addWidget(valueLabel, 1, 0);
    grid->addWidget(txtValue, 1, 1);
    grid->setColumnStretch(1, 1);
    body()->addWidget(panel);
}

void TfrmParam::reset()
{
    setOptions({});
    txtName->setFocus();
}

void TfrmParam::setOptions(const ParamOptions &o)
{
    txtName->setText(o.name);
    txtValue->setText(o.value);
}

ParamOptions TfrmParam::options() const
{
    return {.name = txtName->text(), .value = txtValue->text()};
}
