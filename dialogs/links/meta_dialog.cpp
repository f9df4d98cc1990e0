#include "dialogs/links/meta_dialog.h"

#include "dialogs/browse.h"
#include "dialogs/controls.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

TfrmMeta::TfrmMeta(QWidget *parent)
    : TAttributeDialog(u"自動読み込み"_s, parent)
{
    setObjectName(u"frmMeta"_s);
    const QString example = u"(例) http://www.example.co.jp/next.htm"_s;
    const QString after = u"秒後に自動的に読み込む"_s;

    optOwn = makeRadio(this, "optOwn", u"このﾄﾞｷｭﾒﾝﾄ"_s);
    // The address box is this choice's caption.
    optUrl = makeRadio(this, "optUrl", {});
    nameControl(optUrl, "optUrl", example);
    txtFilename = makeEdit(this, "txtFilename", example);
    cmdSansyo = makeBrowseButton(this, "cmdSansyo", txtFilename, htmlFileFilter, NameCase::Lower,
                                 example);
    lblExample = new QLabel(example, this);
    lblExample->setObjectName(u"lblExample"_s);
    auto *wo = new QLabel(u"を"_s, this);
    txtContent = makeNumberEdit(this, "txtContent", after);
    auto *seconds = makeLabel(this, "", after, txtContent);
    // Room for an address; it grows with the font.
    txtFilename->setMinimumWidth(txtFilename->fontMetrics().averageCharWidth() * 36);

    auto *choice = new QGridLayout;
    choice->addWidget(optOwn, 0, 0, 1, 3);
    choice->addWidget(optUrl, 1, 0);
    choice->addWidget(txtFilename, 1, 1);
    choice->addWidget(cmdSansyo, 1, 2);
    choice->addWidget(lblExample, 2, 1, 1, 2);

    auto *delay = new QHBoxLayout;
    delay->addWidget(wo);
    delay->addWidget(txtContent);
    delay->addWidget(seconds);
    delay->addStretch();

    body()->addLayout(choice);
    body()->addLayout(delay);

    // One handler for both buttons: the address is usable only while chosen.
    auto follow = [this] {
        txtFilename->setEnabled(optUrl->isChecked());
        cmdSansyo->setEnabled(optUrl->isChecked());
    };
    connect(optOwn, &QRadioButton::toggled, this, follow);
    connect(optUrl, &QRadioButton::toggled, this, follow);
    optOwn->setChecked(true);
}

void TfrmMeta::reset()
{
    setOptions({});
    optOwn->setFocus();
}

void TfrmMeta::checkAtOk()
{
    keepWholeNumber(txtContent, u"1"_s);
}

MetaOptions TfrmMeta::options() const
{
    return {optUrl->isChecked(), txtFilename->text(), txtContent->text()};
}

void TfrmMeta::setOptions(const MetaOptions &o)
{
    (o.url ? optUrl : optOwn)->setChecked(true);
    txtFilename->setText(o.fileName);
    txtContent->setText(o.content);
}
