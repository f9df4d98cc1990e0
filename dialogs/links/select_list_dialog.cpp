#include "dialogs/links/select_list_dialog.h"

#include "dialogs/controls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QString nameLabel = u"ﾌｨｰﾙﾄﾞ名"_s;
const QString itemLabel = u"ｱｲﾃﾑ(１行１ｱｲﾃﾑ)"_s;

QLabel *labelFor(QWidget *control, const QString &text)
{
    auto *label = new QLabel(text, control->parentWidget());
    label->setBuddy(control);
    return label;
}

// The item box: several lines, Tab moves on to the next control so the
// keyboard can leave it, and its size follows the font at any scale.
QPlainTextEdit *makeItemBox(QWidget *parent, const QString &description)
{
    auto *box = new QPlainTextEdit(parent);
    nameControl(box, "txtItem", description);
    box->setTabChangesFocus(true);
    const QFontMetrics metrics = box->fontMetrics();
    box->setFixedSize(metrics.horizontalAdvance(u'０') * 22, metrics.lineSpacing() * 8);
    return box;
}

} // namespace

TfrmListBox::TfrmListBox(QWidget *parent)
    : TAttributeDialog(u"リストボックス"_s, parent)
{
    setObjectName(u"frmListBox"_s);
    const QString hint = u"【例：表示する文字(,選択した時の値)】"_s;
    txtName = makeEdit(this, "txtName", nameLabel);
    txtItem = makeItemBox(this, itemLabel + u' ' + hint);
    chkDefault = makeCheck(this, "chkDefault", u"ﾃﾞﾌｫﾙﾄ"_s);
    txtDefault = makeNumberEdit(this, "txtDefault", u"ﾃﾞﾌｫﾙﾄ"_s);
    chkSize = makeCheck(this, "chkSize", u"表示行数"_s);
    txtRows = makeNumberEdit(this, "txtRows", u"表示行数"_s);
    chkMultiple = makeCheck(this, "chkMultiple", u"複数選択可"_s);

    auto *grid = new QGridLayout;
    grid->addWidget(labelFor(txtName, nameLabel), 0, 0);
    grid->addWidget(txtName, 0, 1, 1, 2);
    grid->addWidget(labelFor(txtItem, itemLabel), 1, 0, 1, 3);
    grid->addWidget(new QLabel(hint, this), 2, 0, 1, 3);
    grid->addWidget(txtItem, 3, 0, 1, 3);
    grid->addWidget(chkDefault, 4, 0);
    grid->addWidget(txtDefault, 4, 1, Qt::AlignLeft);
    grid->addWidget(chkSize, 5, 0);
    grid->addWidget(txtRows, 5, 1, Qt::AlignLeft);
    grid->addWidget(chkMultiple, 6, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    body()->addLayout(grid);

    enableWhileChecked(chkDefault, {txtDefault});
    enableWhileChecked(chkSize, {txtRows});

    setTabOrder(txtName, txtItem);
    setTabOrder(txtItem, chkDefault);
    setTabOrder(chkDefault, txtDefault);
    setTabOrder(txtDefault, chkSize);
    setTabOrder(chkSize, txtRows);
    setTabOrder(txtRows, chkMultiple);
    setTabOrder(chkMultiple, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
}

void TfrmListBox::reset()
{
    setOptions({});
    txtName->setFocus();
}

void TfrmListBox::setOptions(const ListBoxOptions &o)
{
    txtName->setText(o.name);
    txtItem->setPlainText(itemText(o.items));
    chkDefault->setChecked(o.defaultItem);
    txtDefault->setText(o.defaultNumber);
    chkSize->setChecked(o.size);
    txtRows->setText(o.rows);
    chkMultiple->setChecked(o.multiple);
}

void TfrmListBox::checkAtOk()
{
    keepWholeNumber(txtRows, u"1"_s);
    keepWholeNumber(txtDefault, u"1"_s);
}

ListBoxOptions TfrmListBox::options() const
{
    return {
        .name = txtName->text(),
        .items = itemLines(txtItem->toPlainText()),
        .defaultItem = chkDefault->isChecked(),
        .defaultNumber = txtDefault->text(),
        .size = chkSize->isChecked(),
        .rows = txtRows->text(),
        .multiple = chkMultiple->isChecked(),
    };
}

TfrmDropDown::TfrmDropDown(QWidget *parent)
    : TAttributeDialog(u"ドロップダウンリストボックス"_s, parent)
{
    setObjectName(u"frmDropDown"_s);
    txtName = makeEdit(this, "txtName", nameLabel);
    txtItem = makeItemBox(this, itemLabel);

    auto *grid = new QGridLayout;
    grid->addWidget(labelFor(txtName, nameLabel), 0, 0);
    grid->addWidget(txtName, 0, 1);
    grid->addWidget(labelFor(txtItem, itemLabel), 1, 0, 1, 2);
    grid->addWidget(txtItem, 2, 0, 1, 2);
    body()->addLayout(grid);

    setTabOrder(txtName, txtItem);
    setTabOrder(txtItem, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
}

void TfrmDropDown::reset()
{
    setOptions({});
    txtName->setFocus();
}

void TfrmDropDown::setOptions(const DropDownOptions &o)
{
    txtName->setText(o.name);
    txtItem->setPlainText(itemText(o.items));
}

DropDownOptions TfrmDropDown::options() const
{
    return {txtName->text(), itemLines(txtItem->toPlainText())};
}
