#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/links/frame_tag.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

// One frame: its page, target name, margins, scroll bars, border, spacing
// and whether it may be resized. The scroll bar choice stays from one use
// to the next (none at first); everything else starts afresh on each show.
class TfrmFrame : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmFrame(QWidget *parent = nullptr);

    void reset() override;
    FrameOptions options() const;
    void setOptions(const FrameOptions &options);

    QLineEdit *txtFilename;
    QToolButton *cmdSansyo;
    QComboBox *cboScroll;
    QCheckBox *chkName;
    QLineEdit *txtName;
    QCheckBox *chkMargin;
    QLabel *lblVm;
    QLineEdit *txtVm;
    QLabel *lblHm;
    QLineEdit *txtHm;
    QCheckBox *chkBorder;
    QCheckBox *chkSpace;
    QLineEdit *txtSpace;
    QCheckBox *chkSize;

protected:
    void checkAtOk() override;

private:
};

// Wraps the selection in the FRAME set up here.
inline constexpr DocumentCommand FrameFrameClick =
    &dialogCommand<TfrmFrame, frameTag, Placement::AroundSelection>;
