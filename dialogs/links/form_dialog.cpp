#include "dialogs/links/form_dialog.h"

#include "dialogs/controls.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

TfrmForm::TfrmForm(QWidget *parent)
    : TAttributeDialog(u"フォーム領域の設定"_s, parent)
    , PageControl1(new QTabWidget(this))
{
    setObjectName(u"frmForm"_s);
    PageControl1->setObjectName(u"PageControl1"_s);
    PageControl1->addTab(makeBasicPage(), u"基本"_s);
    PageControl1->addTab(makeExtendedPage(), u"拡張"_s);
    body()->addWidget(PageControl1);

    enableWhileChecked(chkTitle, {txtTitle});
}

QWidget *TfrmForm::makeBasicPage()
{
    auto *page = new QWidget;
    const QString actionLabel = u"CGIｽｸﾘﾌﾟﾄの指定または、ﾒｰﾙｱﾄﾞﾚｽ"_s;
    txtText = makeEdit(page, "txtText", actionLabel);
    auto *lblText = makeLabel(page, "", actionLabel, txtText);
    // Room for a script's URL; the field grows with the font at any scale.
    txtText->setMinimumWidth(txtText->fontMetrics().averageCharWidth() * 48);

    auto *lblMethod = new QLabel(u"送信方法"_s, page);
    optPost = makeRadio(page, "optPost", u"POST"_s);
    optGet = makeRadio(page, "optGet", u"GET"_s);

    auto *method = new QHBoxLayout;
    method->addWidget(lblMethod);
    method->addSpacing(8);
    method->addWidget(optPost);
    method->addWidget(optGet);
    method->addStretch();

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(lblText);
    layout->addWidget(txtText);
    layout->addSpacing(8);
    layout->addLayout(method);
    layout->addStretch();
    return page;
}

QWidget *TfrmForm::makeExtendedPage()
{
    auto *page = new QWidget;
    chkType = makeCheck(page, "chkType", u"multipart/form-data形式"_s);
    chkTitle = makeCheck(page, "chkTitle", u"ﾒｰﾙのﾀｲﾄﾙを指定する"_s);
    txtTitle = makeEdit(page, "txtTitle", u"ﾒｰﾙのﾀｲﾄﾙを指定する"_s);

    // The subject box stands under its check box, indented like its text.
    auto *subject = new QHBoxLayout;
    subject->addSpacing(chkTitle->fontMetrics().height() + 4);
    subject->addWidget(txtTitle, 1);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(chkType);
    layout->addSpacing(8);
    layout->addWidget(chkTitle);
    layout->addLayout(subject);
    layout->addStretch();
    return page;
}

void TfrmForm::reset()
{
    setOptions({});
    PageControl1->setCurrentIndex(0);
    txtText->setFocus();
}

FormOptions TfrmForm::options() const
{
    return {.action = txtText->text(),
            .get = optGet->isChecked(),
            .subject = chkTitle->isChecked(),
            .subjectText = txtTitle->text(),
            .multipart = chkType->isChecked()};
}

void TfrmForm::setOptions(const FormOptions &o)
{
    txtText->setText(o.action);
    (o.get ? optGet : optPost)->setChecked(true);
    chkTitle->setChecked(o.subject);
    txtTitle->setText(o.subjectText);
    chkType->setChecked(o.multipart);
}
