#include "dialogs/links/frame_dialog.h"

#include "dialogs/browse.h"
#include "dialogs/controls.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

TfrmFrame::TfrmFrame(QWidget *parent)
    : TAttributeDialog(u"フレーム"_s, parent)
{
    setObjectName(u"frmFrame"_s);

    auto *fileLabel = new QLabel(u"URLまたはﾌｧｲﾙ名"_s, this);
    txtFilename = makeEdit(this, "txtFilename", u"URLまたはﾌｧｲﾙ名"_s);
    fileLabel->setBuddy(txtFilename);
    cmdSansyo = new QToolButton(this);
    nameControl(cmdSansyo, "cmdSansyo", u"URLまたはﾌｧｲﾙ名"_s);
    cmdSansyo->setText(u"..."_s);
    cmdSansyo->setToolTip(u"参照"_s);
    connect(cmdSansyo, &QToolButton::clicked, this, &TfrmFrame::browse);

    auto *scrollLabel = new QLabel(u"ｽｸﾛｰﾙﾊﾞｰ"_s, this);
    cboScroll = makeList(this, "cboScroll", {u"自動"_s, u"あり"_s, u"なし"_s}, u"ｽｸﾛｰﾙﾊﾞｰ"_s);
    scrollLabel->setBuddy(cboScroll);
    // Nothing is chosen until the user chooses; the choice then stays.
    cboScroll->setCurrentIndex(-1);

    chkName = makeCheck(this, "chkName", u"ﾀｰｹﾞｯﾄ名"_s);
    txtName = makeEdit(this, "txtName", u"ﾀｰｹﾞｯﾄ名"_s);

    chkMargin = makeCheck(this, "chkMargin", u"ﾏｰｼﾞﾝ"_s);
    lblVm = new QLabel(u"縦"_s, this);
    lblVm->setObjectName(u"lblVm"_s);
    txtVm = makeEdit(this, "txtVm", u"縦"_s);
    lblVm->setBuddy(txtVm);
    lblHm = new QLabel(u"横"_s, this);
    lblHm->setObjectName(u"lblHm"_s);
    txtHm = makeEdit(this, "txtHm", u"横"_s);
    lblHm->setBuddy(txtHm);

    chkBorder = makeCheck(this, "chkBorder", u"枠線を表示しない"_s);
    chkSpace = makeCheck(this, "chkSpace", u"ﾌﾚｰﾑ間の追加ｽﾍﾟｰｽ"_s);
    txtSpace = makeEdit(this, "txtSpace", u"ﾌﾚｰﾑ間の追加ｽﾍﾟｰｽ"_s);
    chkSize = makeCheck(this, "chkSize", u"ｻｲｽﾞ変更禁止"_s);

    // Room for a few digits; the boxes grow with the font at any scale.
    const int numberWidth = fontMetrics().horizontalAdvance(u"000000"_s) + 8;
    for (QLineEdit *box : {txtVm, txtHm, txtSpace})
        box->setFixedWidth(numberWidth);
    txtFilename->setMinimumWidth(numberWidth * 4);

    auto *file = new QHBoxLayout;
    file->addWidget(txtFilename, 1);
    file->addWidget(cmdSansyo);

    auto *margins = new QHBoxLayout;
    margins->addWidget(lblVm);
    margins->addWidget(txtVm);
    margins->addSpacing(12);
    margins->addWidget(lblHm);
    margins->addWidget(txtHm);
    margins->addStretch();

    auto *grid = new QGridLayout;
    grid->addWidget(fileLabel, 0, 0);
    grid->addLayout(file, 0, 1);
    grid->addWidget(scrollLabel, 1, 0);
    grid->addWidget(cboScroll, 1, 1, Qt::AlignLeft);
    grid->addWidget(chkName, 2, 0);
    grid->addWidget(txtName, 2, 1);
    grid->addWidget(chkMargin, 3, 0);
    grid->addLayout(margins, 3, 1);
    grid->addWidget(chkBorder, 4, 0, 1, 2);
    grid->addWidget(chkSpace, 5, 0);
    grid->addWidget(txtSpace, 5, 1, Qt::AlignLeft);
    grid->addWidget(chkSize, 6, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    body()->addLayout(grid);

    enableWhileChecked(chkName, {txtName});
    enableWhileChecked(chkMargin, {lblVm, txtVm, lblHm, txtHm});
    enableWhileChecked(chkSpace, {txtSpace});
}

void TfrmFrame::reset()
{
    for (QLineEdit *box : {txtFilename, txtName, txtVm, txtHm, txtSpace})
        box->clear();
    for (QCheckBox *box : {chkName, chkMargin, chkBorder, chkSpace, chkSize})
        box->setChecked(false);
    txtFilename->setFocus();
}

void TfrmFrame::checkAtOk()
{
    for (QLineEdit *box : {txtVm, txtHm, txtSpace})
        keepWholeNumber(box, {});
}

FrameOptions TfrmFrame::options() const
{
    FrameOptions o;
    o.source = txtFilename->text();
    o.name = chkName->isChecked();
    o.nameValue = txtName->text();
    o.margin = chkMargin->isChecked();
    o.marginWidth = txtVm->text();
    o.marginHeight = txtHm->text();
    switch (cboScroll->currentIndex()) {
    case 0:
        o.scroll = FrameScroll::Auto;
        break;
    case 1:
        o.scroll = FrameScroll::Yes;
        break;
    case 2:
        o.scroll = FrameScroll::No;
        break;
    default:
        o.scroll = FrameScroll::Unset;
        break;
    }
    o.noFrameBorder = chkBorder->isChecked();
    o.frameSpacing = chkSpace->isChecked();
    o.frameSpacingValue = txtSpace->text();
    o.noResize = chkSize->isChecked();
    return o;
}

void TfrmFrame::browse()
{
    if (const std::optional<QString> name = browseFileName(
            this, u"HTMLﾌｧｲﾙ(*.HTM*)|*.htm*|全てのﾌｧｲﾙ(*.*)|*.*"_s, NameCase::Lower))
        txtFilename->setText(*name);
}
