#include "dialogs/links/img_fld_dialog.h"

#include "dialogs/browse.h"
#include "dialogs/controls.h"
#include "dialogs/picture_filters.h"
#include "dialogs/links/field_rows.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

TfrmImgFld::TfrmImgFld(QWidget *parent)
    : TAttributeDialog(u"画像フィールド"_s, parent)
{
    setObjectName(u"frmImgFld"_s);
    auto *grid = new QGridLayout;
    txtFilename = addLabelledEdit(this, grid, 0, "txtFilename", u"ﾌｧｲﾙ名"_s);
    cmdSansyo = new QToolButton(this);
    nameControl(cmdSansyo, "cmdSansyo", u"ﾌｧｲﾙ名"_s);
    cmdSansyo->setText(u"..."_s);
    cmdSansyo->setToolTip(u"参照"_s);
    grid->addWidget(cmdSansyo, 0, 2);
    txtName = addLabelledEdit(this, grid, 1, "txtName", u"ﾌｨｰﾙﾄﾞ名"_s);
    chkAlign = makeCheck(this, "chkAlign", u"ﾃｷｽﾄの位置"_s);
    cboAlign = makeList(this, "cboAlign", {u"上揃え"_s, u"中央揃え"_s, u"下揃え"_s}, u"ﾃｷｽﾄの位置"_s);
    grid->addWidget(chkAlign, 2, 0);
    grid->addWidget(cboAlign, 2, 1, Qt::AlignLeft);
    body()->addLayout(grid);

    enableWhileChecked(chkAlign, {cboAlign});
    connect(cmdSansyo, &QToolButton::clicked, this, &TfrmImgFld::browse);
}

void TfrmImgFld::reset()
{
    txtFilename->clear();
    txtName->clear();
    chkAlign->setChecked(false);
    cboAlign->setCurrentIndex(0);
    txtFilename->setFocus();
}

ImgFldOptions TfrmImgFld::options() const
{
    ImgFldOptions o{.fileName = txtFilename->text(), .name = txtName->text()};
    if (chkAlign->isChecked()) {
        switch (cboAlign->currentIndex()) {
        case 0:
            o.align = ImageFieldAlign::Top;
            break;
        case 1:
            o.align = ImageFieldAlign::Middle;
            break;
        case 2:
            o.align = ImageFieldAlign::Bottom;
            break;
        default:
            break;
        }
    }
    return o;
}

void TfrmImgFld::browse()
{
    if (const std::optional<QString> name = browseFileName(
            this, picture_filters::gifAndJpeg(), NameCase::Lower))
        txtFilename->setText(*name);
}
