#include "dialogs/links/text_box_dialog.h"

#include "dialogs/controls.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>

using namespace Qt::StringLiterals;

TfrmTextBox::TfrmTextBox(QWidget *parent)
    : TAttributeDialog(u"テキストボックス"_s, parent)
{
    setObjectName(u"frmTextBox"_s);
    auto *grid = new QGridLayout;
    txtName = addLabelledEdit(this, grid, 0, "txtName", u"ﾌｨｰﾙﾄﾞ名"_s);
    txtSize = addLabelledEdit(this, grid, 1, "txtSize", u"ｻｲｽﾞ"_s, FieldWidth::Number);
    txtMaxLength = addLabelledEdit(this, grid, 2, "txtMaxLength", u"最大文字数"_s, FieldWidth::Number);
    chkPassword = makeCheck(this, "chkPassword", u"入力ﾃｷｽﾄの非表示(ﾊﾟｽﾜｰﾄﾞ)"_s);
    grid->addWidget(chkPassword, 3, 0, 1, 2);
    body()->addLayout(grid);
}

void TfrmTextBox::reset()
{
    setOptions({});
    txtName->setFocus();
}

void TfrmTextBox::checkAtOk()
{
    keepWholeNumber(txtSize, {});
    keepWholeNumber(txtMaxLength, {});
}

TextBoxOptions TfrmTextBox::options() const
{
    return {.name = txtName->text(),
            .size = txtSize->text(),
            .maxLength = txtMaxLength->text(),
            .password = chkPassword->isChecked()};
}

void TfrmTextBox::setOptions(const TextBoxOptions &o)
{
    txtName->setText(o.name);
    txtSize->setText(o.size);
    txtMaxLength->setText(o.maxLength);
    chkPassword->setChecked(o.password);
}
