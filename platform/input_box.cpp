#include "platform/input_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TInputBox::TInputBox(QWidget *parent)
    : QDialog(parent)
    , lblPrompt(new QLabel(this))
    , txtValue(new QLineEdit(this))
{
    setObjectName(QStringLiteral("InputBox"));
    lblPrompt->setObjectName(QStringLiteral("lblPrompt"));
    txtValue->setObjectName(QStringLiteral("txtValue"));
    txtValue->setMaxLength(255);
    txtValue->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    lblPrompt->setBuddy(txtValue);

    auto *buttons = new QDialogButtonBox(this);
    OKBtn = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    CancelBtn = buttons->addButton(QStringLiteral("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    OKBtn->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblPrompt);
    layout->addWidget(txtValue);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TInputBox::reset(const QString &title, const QString &prompt, const QString &preset)
{
    setWindowTitle(title);
    lblPrompt->setText(prompt);
    txtValue->setText(preset);
    txtValue->selectAll();
    txtValue->setFocus();
}

QString TInputBox::value() const
{
    return txtValue->text();
}
