#include "dialogs/attribute_dialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TAttributeDialog::TAttributeDialog(const QString &caption, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
    , OKBtn(new QPushButton(u"OK"_s, this))
    , CancelBtn(new QPushButton(u"ｷｬﾝｾﾙ"_s, this))
    , m_body(new QVBoxLayout)
{
    setWindowTitle(caption);
    setModal(true);
    OKBtn->setObjectName(u"OKBtn"_s);
    CancelBtn->setObjectName(u"CancelBtn"_s);
    OKBtn->setDefault(true);
    CancelBtn->setAutoDefault(false);
    connect(OKBtn, &QPushButton::clicked, this, &TAttributeDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &TAttributeDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_body);
    layout->addLayout(buttons);
    // The dialog is as large as its controls need, at any scale.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TAttributeDialog::run()
{
    reset();
    return runAsSet();
}

bool TAttributeDialog::runAsSet()
{
    centreOnScreen();
    return exec() == QDialog::Accepted;
}

void TAttributeDialog::accept()
{
    checkAtOk();
    QDialog::accept();
}

void TAttributeDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && !m_escapeCancels) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TAttributeDialog::centreOnScreen()
{
    adjustSize();
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}
