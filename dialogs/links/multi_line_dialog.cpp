#include "dialogs/links/multi_line_dialog.h"

#include "dialogs/controls.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLineEdit>

using namespace Qt::StringLiterals;

TfrmMultiLine::TfrmMultiLine(QWidget *parent)
    : TAttributeDialog(u"複数行の入力フィールド"_s, parent)
{
    setObjectName(u"frmMultiLine"_s);
    auto *grid = new QGridLayout;
    txtName = addLabelledEdit(this, grid, 0, "txtName", u"ﾌｨｰﾙﾄﾞ名"_s);
    txtCols = addLabelledEdit(this, grid, 1, "txtCols", u"文字数"_s, FieldWidth::Number);
    txtRows = addLabelledEdit(this, grid, 2, "txtRows", u"行数"_s, FieldWidth::Number);
    body()->addLayout(grid);
}

void TfrmMultiLine::reset()
{
    setOptions({});
    txtCols->setFocus();
}

void TfrmMultiLine::checkAtOk()
{
    keepWholeNumber(txtCols, {});
    keepWholeNumber(txtRows, {});
}

MultiLineOptions TfrmMultiLine::options() const
{
    return {.name = txtName->text(), .cols = txtCols->text(), .rows = txtRows->text()};
}

void TfrmMultiLine::setOptions(const MultiLineOptions &o)
{
    txtName->setText(o.name);
    txtCols->setText(o.cols);
    txtRows->setText(o.rows);
}
