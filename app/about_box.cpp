#include "app/about_box.h"

#include "platform/program_icon.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(programIcon().pixmap(64, 64));
    auto *product = new QLabel(QStringLiteral("Marquill 32"), this);
    product->setObjectName(QStringLiteral("ProductName"));
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    product->setFont(big);
    auto *version = new QLabel(
        QStringLiteral("ﾊﾞｰｼﾞｮﾝ %1").arg(QCoreApplication::applicationVersion()), this);
    version->setObjectName(QStringLiteral("Version"));
    auto *about = new QLabel(QStringLiteral("手書きのﾎｰﾑﾍﾟｰｼﾞのためのHTMLｴﾃﾞｨﾀ\n"
                                            "ﾀｸﾞはﾒﾆｭｰ、ﾂｰﾙﾊﾞｰ、ﾀﾞｲｱﾛｸﾞから挿入できます。"),
                             this);

    auto *buttons = new QDialogButtonBox(this);
    OKBtn = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(icon, 0, Qt::AlignHCenter);
    layout->addWidget(product, 0, Qt::AlignHCenter);
    layout->addWidget(version, 0, Qt::AlignHCenter);
    layout->addSpacing(fontMetrics().height());
    layout->addWidget(about, 0, Qt::AlignHCenter);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
