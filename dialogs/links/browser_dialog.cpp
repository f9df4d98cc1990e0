#include "dialogs/links/browser_dialog.h"

#include "dialogs/controls.h"
#include "platform/platform.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

// Its first file type lists the programs (see fileTypes).
const char16_t *const programFilter = u"実行ﾌｧｲﾙ(*.EXE)|*.EXE|全てのﾌｧｲﾙ(*.*)|*.*";

} // namespace

TfrmBrowser::TfrmBrowser(QWidget *parent)
    : TAttributeDialog(u"ブラウザの指定"_s, parent)
{
    setObjectName(u"frmBrowser"_s);
    const QString label = u"ブラウザの格納先"_s;
    txtFilename = makeEdit(this, "txtFilename", label);
    // Room for a path such as /usr/lib/firefox-esr/firefox-esr, at any scale.
    txtFilename->setMinimumWidth(txtFilename->fontMetrics().horizontalAdvance(u'x') * 48);
    cmdSansyo = new QToolButton(this);
    nameControl(cmdSansyo, "cmdSansyo", label);
    cmdSansyo->setText(u"..."_s);
    cmdSansyo->setToolTip(u"参照"_s);
    connect(cmdSansyo, &QToolButton::clicked, this, &TfrmBrowser::browse);

    auto *caption = makeLabel(this, "", label, txtFilename);
    auto *path = new QHBoxLayout;
    path->addWidget(txtFilename, 1);
    path->addWidget(cmdSansyo);
    body()->addWidget(caption);
    body()->addLayout(path);

    setTabOrder(txtFilename, cmdSansyo);
    setTabOrder(cmdSansyo, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
}

void TfrmBrowser::reset()
{
    txtFilename->setFocus();
}

QString TfrmBrowser::browserPath() const
{
    return txtFilename->text();
}

void TfrmBrowser::browse()
{
    // The whole path, as chosen: the browser is started from it.
    if (const std::optional<QString> chosen = platform().openFileName(this, QString::fromUtf16(programFilter)))
        txtFilename->setText(*chosen);
}
