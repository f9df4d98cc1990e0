#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/media/br_clear_tag.h"

#include <array>

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
    BrClearOptions options() const;
    void setOptions(const BrClearOptions &options);

    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QRadioButton *RadioButton3;

private:
    // In the order of ClearSide.
    std::array<QRadioButton *, 3> sideButtons() const { return {RadioButton1, RadioButton2, RadioButton3}; }
};

// A BR CLEAR tag right after the selection, its side chosen here.
inline constexpr DocumentCommand PageBrClick =
    &dialogCommand<TfrmBrClear, brClearTag, Placement::AfterSelection>;
