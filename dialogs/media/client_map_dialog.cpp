#include "dialogs/media/client_map_dialog.h"

#include "dialogs/browse.h"
#include "dialogs/controls.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

using namespace Qt::StringLiterals;

TfrmClientMap::TfrmClientMap(QWidget *parent)
    : TAttributeDialog(u"クライアントサイド イメージマップ"_s, parent)
{
    setObjectName(u"frmClientMap"_s);

    auto *shapeLabel = new QLabel(u"形"_s, this);
    RadioButton1 = makeRadio(this, "RadioButton1", u"四角"_s);
    RadioButton2 = makeRadio(this, "RadioButton2", u"円"_s);
    RadioButton3 = makeRadio(this, "RadioButton3", u"多角形"_s);
    shapeLabel->setBuddy(RadioButton1);

    auto *coordsLabel = new QLabel(u"座標"_s, this);
    txtCoords = makeEdit(this, "txtCoords", u"座標"_s);
    coordsLabel->setBuddy(txtCoords);
    txtCoords->setMinimumWidth(txtCoords->fontMetrics().horizontalAdvance(u'0') * 32);

    auto *urlLabel = new QLabel(u"URL"_s, this);
    txtFilename = makeEdit(this, "txtFilename", u"URL"_s);
    urlLabel->setBuddy(txtFilename);
    cmdSansyo = new QToolButton(this);
    nameControl(cmdSansyo, "cmdSansyo", u"URL"_s);
    cmdSansyo->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    cmdSansyo->setToolTip(u"参照"_s);
    connect(cmdSansyo, &QToolButton::clicked, this, &TfrmClientMap::cmdSansyoClick);

    chkNohref = makeCheck(this, "chkNohref", u"何も起きない"_s);
    chkTarget = makeCheck(this, "chkTarget", u"ﾀｰｹﾞｯﾄｳｨﾝﾄﾞｳ名"_s);
    txtName = makeEdit(this, "txtName", u"ﾀｰｹﾞｯﾄｳｨﾝﾄﾞｳ名"_s);

    auto *shapes = new QHBoxLayout;
    shapes->addWidget(RadioButton1);
    shapes->addWidget(RadioButton2);
    shapes->addWidget(RadioButton3);
    shapes->addStretch();

    auto *url = new QHBoxLayout;
    url->addWidget(txtFilename, 1);
    url->addWidget(cmdSansyo);

    auto *grid = new QGridLayout;
    grid->addWidget(shapeLabel, 0, 0);
    grid->addLayout(shapes, 0, 1);
    grid->addWidget(coordsLabel, 1, 0);
    grid->addWidget(txtCoords, 1, 1);
    grid->addWidget(urlLabel, 2, 0);
    grid->addLayout(url, 2, 1);
    grid->addWidget(chkNohref, 3, 1);
    grid->setColumnStretch(1, 1);
    body()->addLayout(grid);

    auto *target = new QHBoxLayout;
    target->addWidget(chkTarget);
    target->addWidget(txtName, 1);
    body()->addLayout(target);

    // A hot spot that links nowhere has no page to name.
    const auto linkNowhere = [this](bool nowhere) {
        txtFilename->setEnabled(!nowhere);
        cmdSansyo->setEnabled(!nowhere);
    };
    connect(chkNohref, &QCheckBox::toggled, this, linkNowhere);
    enableWhileChecked(chkTarget, {txtName});

    const QList<QWidget *> order = {RadioButton1, RadioButton2, RadioButton3, txtCoords,
                                    txtFilename,  cmdSansyo,    chkNohref,    chkTarget,
                                    txtName,      OKBtn,        CancelBtn};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TfrmClientMap::cmdSansyoClick()
{
    if (const std::optional<QString> name = browseFileName(
                this, u"HTMLﾌｧｲﾙ(*.HTM*)|*.htm*|全てのﾌｧｲﾙ(*.*)|*.*"_s, NameCase::Lower))
        txtFilename->setText(*name);
}

void TfrmClientMap::reset()
{
    txtCoords->clear();
    txtFilename->clear();
    txtName->clear();
    RadioButton1->setChecked(true);
    chkNohref->setChecked(false);
    chkTarget->setChecked(false);
    RadioButton1->setFocus();
}

HotspotOptions TfrmClientMap::options() const
{
    HotspotOptions o;
    if (RadioButton2->isChecked())
        o.shape = HotspotShape::Circle;
    else if (RadioButton3->isChecked())
        o.shape = HotspotShape::Polygon;
    o.coords = txtCoords->text();
    o.noHref = chkNohref->isChecked();
    o.href = txtFilename->text();
    o.target = chkTarget->isChecked();
    o.targetName = txtName->text();
    return o;
}
