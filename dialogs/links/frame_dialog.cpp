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

    txtFilename = makeEdit(this, "txtFilename", u"URLまたはﾌｧｲﾙ名"_s);
    auto *fileLabel = makeLabel(this, "", u"URLまたはﾌｧｲﾙ名"_s, txtFilename);
    cmdSansyo = makeBrowseButton(this, "cmdSansyo", txtFilename, htmlFileFilter, NameCase::Lower,
                                 u"URLまたはﾌｧｲﾙ名"_s);

    cboScroll = makeList(this, "cboScroll", {u"自動"_s, u"あり"_s, u"なし"_s}, u"ｽｸﾛｰﾙﾊﾞｰ"_s);
    auto *scrollLabel = makeLabel(this, "", u"ｽｸﾛｰﾙﾊﾞｰ"_s, cboScroll);
    // Nothing is chosen until the user chooses; the choice then stays.
    cboScroll->setCurrentIndex(-1);

    chkName = makeCheck(this, "chkName", u"ﾀｰｹﾞｯﾄ名"_s);
    txtName = makeEdit(this, "txtName", u"ﾀｰｹﾞｯﾄ名"_s);

    chkMargin = makeCheck(this, "chkMargin", u"ﾏｰｼﾞﾝ"_s);
    txtVm = makeNumberEdit(this, "txtVm", u"縦"_s);
    lblVm = makeLabel(this, "lblVm", u"縦"_s, txtVm);
    txtHm = makeNumberEdit(this, "txtHm", u"横"_s);
    lblHm = makeLabel(this, "lblHm", u"横"_s, txtHm);

    chkBorder = makeCheck(this, "chkBorder", u"枠線を表示しない"_s);
    chkSpace = makeCheck(this, "chkSpace", u"ﾌﾚｰﾑ間の追加ｽﾍﾟｰｽ"_s);
    txtSpace = makeNumberEdit(this, "txtSpace", u"ﾌﾚｰﾑ間の追加ｽﾍﾟｰｽ"_s);
    chkSize = makeCheck(this, "chkSize", u"ｻｲｽﾞ変更禁止"_s);

    txtFilename->setMinimumWidth(txtSpace->width() * 4);

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
    setOptions({.scroll = options().scroll});
    txtFilename->setFocus();
}

// The list's rows in order; Unset is no row at all.
static constexpr FrameScroll scrollRows[] = {FrameScroll::Auto, FrameScroll::Yes, FrameScroll::No};

void TfrmFrame::setOptions(const FrameOptions &o)
{
    txtFilename->setText(o.source);
    chkName->setChecked(o.name);
    txtName->setText(o.nameValue);
    chkMargin->setChecked(o.margin);
    txtVm->setText(o.marginWidth);
    txtHm->setText(o.marginHeight);
    cboScroll->setCurrentIndex(rowOf(scrollRows, o.scroll, -1));
    chkBorder->setChecked(o.noFrameBorder);
    chkSpace->setChecked(o.frameSpacing);
    txtSpace->setText(o.frameSpacingValue);
    chkSize->setChecked(o.noResize);
}

void TfrmFrame::checkAtOk()
{
    for (QLineEdit *box : {txtVm, txtHm, txtSpace})
        keepWholeNumber(box, {});
}

FrameOptions TfrmFrame::options() const
{
    return {
        .source = txtFilename->text(),
        .name = chkName->isChecked(),
        .nameValue = txtName->text(),
        .margin = chkMargin->isChecked(),
        .marginWidth = txtVm->text(),
        .marginHeight = txtHm->text(),
        .scroll = valueAt(scrollRows, cboScroll->currentIndex(), FrameScroll::Unset),
        .noFrameBorder = chkBorder->isChecked(),
        .frameSpacing = chkSpace->isChecked(),
        .frameSpacingValue = txtSpace->text(),
        .noResize = chkSize->isChecked(),
    };
}
