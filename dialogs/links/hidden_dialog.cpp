#include "dialogs/links/hidden_dialog.h"

#include "dialogs/controls.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLineEdit>

using namespace Qt::StringLiterals;

TfrmHidden::TfrmHidden(QWidget *parent)
    : TAttributeDialog(u"隠しインプット"_s, parent)
{
    setObjectName(u"frmHidden"_s);
    auto *grid = new QGridLayout;
    txtName = addLabelledEdit(this, grid, 0, "txtName", u"ﾌｨｰﾙﾄﾞ名"_s);
    txtStr = addLabelledEdit(this, grid, 1, "txtStr", u"送信文字列"_s);
    body()->addLayout(grid);
}

void TfrmHidden::reset()
{
    setOptions({});
    txtName->setFocus();
}

HiddenOptions TfrmHidden::options() const
{
    return {.name = txtName->text(), .str = txtStr->text()};
}

void TfrmHidden::setOptions(const HiddenOptions &o)
{
    txtName->setText(o.name);
    txtStr->setText(o.str);
}
