#include "dialogs/media/br_clear_dialog.h"

#include "dialogs/controls.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

using namespace Qt::StringLiterals;

TfrmBrClear::TfrmBrClear(QWidget *parent)
    : TAttributeDialog(u"イメージに重ならない改行"_s, parent)
    , RadioButton1(makeRadio(this, "RadioButton1", u"左揃えのｲﾒｰｼﾞに重ならない"_s))
    , RadioButton2(makeRadio(this, "RadioButton2", u"右揃えのｲﾒｰｼﾞに重ならない"_s))
    , RadioButton3(makeRadio(this, "RadioButton3", u"全てのｲﾒｰｼﾞに重ならない"_s))
{
    setObjectName(u"frmBrClear"_s);
    for (QRadioButton *button : {RadioButton1, RadioButton2, RadioButton3})
        body()->addWidget(button);

    setTabOrder(RadioButton1, RadioButton2);
    setTabOrder(RadioButton2, RadioButton3);
    setTabOrder(RadioButton3, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
    // Only the first show puts the focus on OK; reset() leaves it alone.
    OKBtn->setFocus();
}

void TfrmBrClear::reset()
{
    setOptions({});
}

void TfrmBrClear::setOptions(const BrClearOptions &o)
{
    sideButtons()[int(o.side)]->setChecked(true);
}

BrClearOptions TfrmBrClear::options() const
{
    const auto buttons = sideButtons();
    const auto chosen = std::ranges::find_if(buttons, &QRadioButton::isChecked);
    return {chosen == buttons.end() ? ClearSide::All : ClearSide(chosen - buttons.begin())};
}
