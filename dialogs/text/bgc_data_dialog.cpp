#include "dialogs/text/bgc_data_dialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

TfrmBgcData::TfrmBgcData(QWidget *parent)
    : TAttributeDialog(u"背景色付きﾃﾞｰﾀ"_s, parent)
    , picker(new ColorPicker(m_colorDialog, u"色"_s, this))
{
    setObjectName(u"frmBgcData"_s);
    auto *row = new QHBoxLayout;
    auto *label = new QLabel(u"色"_s, this);
    row->addWidget(label, 0, Qt::AlignTop);
    row->addWidget(picker);
    body()->addLayout(row);
}

void TfrmBgcData::reset()
{
    picker->setColor(Qt::black);
    OKBtn->setFocus();
}
