#include "dialogs/media/applet_dialog.h"

#include "dialogs/controls.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

TfrmApplet::TfrmApplet(QWidget *parent)
    : TAttributeDialog(u"Ｊａｖａアプレット"_s, parent)
{
    setObjectName(u"frmApplet"_s);
    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    txtName = makeEdit(panel, "txtName", u"ｸﾗｽﾌｧｲﾙ名"_s);
    auto *nameLabel = makeLabel(panel, "", u"ｸﾗｽﾌｧｲﾙ名"_s, txtName);
    txtWidth = makeNumberEdit(panel, "txtWidth", u"幅"_s);
    auto *widthLabel = makeLabel(panel, "", u"幅"_s, txtWidth);
    txtHeight = makeNumberEdit(panel, "txtHeight", u"高さ"_s);
    auto *heightLabel = makeLabel(panel, "", u"高さ"_s, txtHeight);
    chkUrl = makeCheck(panel, "chkUrl", u"ｸﾗｽﾌｧｲﾙの場所"_s);
    txtUrl = makeEdit(panel, "txtUrl", u"ｸﾗｽﾌｧｲﾙの場所"_s);
    chkSpace = makeCheck(panel, "chkSpace", u"ｱﾌﾟﾚｯﾄに対するｽﾍﾟｰｽ(ﾋﾟｸｾﾙ)"_s);
    txtVSpace = makeNumberEdit(panel, "txtVSpace", u"上下"_s);
    auto *vspaceLabel = makeLabel(panel, "", u"上下"_s, txtVSpace);
    txtHSpace = makeNumberEdit(panel, "txtHSpace", u"左右"_s);
    auto *hspaceLabel = makeLabel(panel, "", u"左右"_s, txtHSpace);
    txtName->setMinimumWidth(txtName->fontMetrics().horizontalAdvance(u"M"_s) * 24);
    setTabOrder(txtHSpace, OKBtn);
    setTabOrder(OKBtn, CancelBtn);

    auto *grid = new QGridLayout(panel);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(txtName, 0, 1);
    grid->addLayout(labelledPair(widthLabel, txtWidth, heightLabel, txtHeight), 1, 1);
    grid->addWidget(chkUrl, 2, 0);
    grid->addWidget(txtUrl, 2, 1);
    grid->addWidget(chkSpace, 3, 0, 1, 2);
    grid->addLayout(labelledPair(vspaceLabel, txtVSpace, hspaceLabel, txtHSpace), 4, 1);
    grid->setColumnStretch(1, 1);
    body()->addWidget(panel);

    // The labels of the spacing stay enabled with their fields greyed.
    enableWhileChecked(chkUrl, {txtUrl});
    enableWhileChecked(chkSpace, {txtVSpace, txtHSpace});
}

void TfrmApplet::reset()
{
    setOptions({});
    txtName->setFocus();
}

void TfrmApplet::setOptions(const AppletOptions &o)
{
    txtName->setText(o.className);
    txtWidth->setText(o.width);
    txtHeight->setText(o.height);
    chkUrl->setChecked(o.url);
    txtUrl->setText(o.urlValue);
    chkSpace->setChecked(o.space);
    txtVSpace->setText(o.vspace);
    txtHSpace->setText(o.hspace);
}

AppletOptions TfrmApplet::options() const
{
    return {
        .className = txtName->text(),
        .width = txtWidth->text(),
        .height = txtHeight->text(),
        .url = chkUrl->isChecked(),
        .urlValue = txtUrl->text(),
        .space = chkSpace->isChecked(),
        .vspace = txtVSpace->text(),
        .hspace = txtHSpace->text(),
    };
}
