#include "dialogs/links/img_fld_dialog.h"

#include "dialogs/browse.h"
#include "dialogs/controls.h"

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
    cmdSansyo = makeBrowseButton(this, "cmdSansyo", txtFilename, pictureFileFilter, NameCase::Lower,
                                 u"ﾌｧｲﾙ名"_s);
    grid->addWidget(cmdSansyo, 0, 2);
    txtName = addLabelledEdit(this, grid, 1, "txtName", u"ﾌｨｰﾙﾄﾞ名"_s);
    chkAlign = makeCheck(this, "chkAlign", u"ﾃｷｽﾄの位置"_s);
    cboAlign = makeList(this, "cboAlign", {u"上揃え"_s, u"中央揃え"_s, u"下揃え"_s}, u"ﾃｷｽﾄの位置"_s);
    grid->addWidget(chkAlign, 2, 0);
    grid->addWidget(cboAlign, 2, 1, Qt::AlignLeft);
    body()->addLayout(grid);

    enableWhileChecked(chkAlign, {cboAlign});
}

void TfrmImgFld::reset()
{
    setOptions({});
    txtFilename->setFocus();
}

// The list's rows in order; no alignment leaves the list on its first row.
static constexpr ImageFieldAlign imageFieldAligns[] = {ImageFieldAlign::Top, ImageFieldAlign::Middle,
                                                       ImageFieldAlign::Bottom};

void TfrmImgFld::setOptions(const ImgFldOptions &o)
{
    txtFilename->setText(o.fileName);
    txtName->setText(o.name);
    chkAlign->setChecked(o.align != ImageFieldAlign::None);
    cboAlign->setCurrentIndex(rowOf(imageFieldAligns, o.align));
}

ImgFldOptions TfrmImgFld::options() const
{
    ImgFldOptions o{.fileName = txtFilename->text(), .name = txtName->text()};
    if (chkAlign->isChecked())
        o.align = valueAt(imageFieldAligns, cboAlign->currentIndex(), ImageFieldAlign::None);
    return o;
}
