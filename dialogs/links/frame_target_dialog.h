#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/links/frame_target_tag.h"

class QLabel;
class QLineEdit;
class QRadioButton;

// Where the document's links open by default: a named window, typed, or
// one of the four reserved ones. Each show starts on the named window with
// an empty name.
class TfrmTarget : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmTarget(QWidget *parent = nullptr);

    void reset() override;
    FrameTargetOptions options() const;
    void setOptions(const FrameTargetOptions &options);

    QRadioButton *RadioButton1;
    QLabel *lblName;
    QLineEdit *txtName;
    QRadioButton *RadioButton2;
    QRadioButton *RadioButton3;
    QRadioButton *RadioButton4;
    QRadioButton *RadioButton5;
};

// Puts the BASE TARGET chosen here in front of the selection, which stays.
inline constexpr DocumentCommand FrameTergetClick =
    &dialogCommand<TfrmTarget, frameTargetTag, Placement::BeforeSelection>;
