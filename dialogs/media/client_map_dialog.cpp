#include "dialogs/media/client_map_dialog.h"

#include "dialogs/browse.h"
#include "dialogs/controls.h"
#include "document/mdi_child.h"
#include "platform/platform.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

using namespace Qt::StringLiterals;

TfrmClientMap::TfrmClientMap(QWidget *parent)
    : TAttributeDialog(u"クライアントサイド イメージマップ"_s, parent)
{
    setObjectName(u"frmClientMap"_s);

    RadioButton1 = makeRadio(this, "RadioButton1", u"四角"_s);
    RadioButton2 = makeRadio(this, "RadioButton2", u"円"_s);
    RadioButton3 = makeRadio(this, "RadioButton3", u"多角形"_s);
    auto *shapeLabel = makeLabel(this, "", u"形"_s, RadioButton1);

    txtCoords = makeEdit(this, "txtCoords", u"座標"_s);
    auto *coordsLabel = makeLabel(this, "", u"座標"_s, txtCoords);
    txtCoords->setMinimumWidth(txtCoords->fontMetrics().horizontalAdvance(u'0') * 32);

    txtFilename = makeEdit(this, "txtFilename", u"URL"_s);
    auto *urlLabel = makeLabel(this, "", u"URL"_s, txtFilename);
    cmdSansyo = makeBrowseButton(this, "cmdSansyo", txtFilename, htmlFileFilter, NameCase::Lower,
                                 u"URL"_s);

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

void TfrmClientMap::reset()
{
    setOptions({});
    RadioButton1->setFocus();
}

void TfrmClientMap::setOptions(const HotspotOptions &o)
{
    shapeButtons()[int(o.shape)]->setChecked(true);
    txtCoords->setText(o.coords);
    chkNohref->setChecked(o.noHref);
    txtFilename->setText(o.href);
    chkTarget->setChecked(o.target);
    txtName->setText(o.targetName);
}

std::array<QRadioButton *, 3> TfrmClientMap::shapeButtons() const
{
    return {RadioButton1, RadioButton2, RadioButton3};
}

HotspotOptions TfrmClientMap::options() const
{
    const auto buttons = shapeButtons();
    const auto chosen = std::ranges::find_if(buttons, &QRadioButton::isChecked);
    return {
        .shape = chosen == buttons.end() ? HotspotShape::Rect : HotspotShape(chosen - buttons.begin()),
        .coords = txtCoords->text(),
        .noHref = chkNohref->isChecked(),
        .href = txtFilename->text(),
        .target = chkTarget->isChecked(),
        .targetName = txtName->text(),
    };
}

void ImageClientMapClick(TMDIChild &doc, QObject *)
{
    const std::optional<QString> name = platform().inputBox(
            &doc, {u"クライアントサイド イメージマップ"_s, u"ＭＡＰの名前を入力して下さい"_s, {}});
    if (name)
        applyTag(doc, clientMapTag(*name), Placement::AroundSelection);
}
