#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/media/br_clear_tag.h"

class QRadioButton;

// "イメージに重ならない改行": which pictures the next line starts below.
// Every show starts on "all"; the focus stays where the user left it (OK
// the first time).
class TfrmBrClear : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmBrClear(QWidget *parent = nullptr);

    void reset() override;
    ClearSide side() const;

    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QRadioButton *RadioButton3;
};
