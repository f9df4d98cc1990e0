#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/text/font_tag.h"

class QLabel;
class QLineEdit;
class QSlider;
class SizeSlider;

// "ベースフォントサイズ": the size slider alone, for BASEFONT.
class TfrmBase : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmBase(QWidget *parent = nullptr);

    void reset() override;
    BaseFontOptions options() const;
    void setOptions(const BaseFontOptions &options);

    SizeSlider *sizeSlider;
    QSlider *TrackBar1;
    QLabel *lblSize;
    QLineEdit *txtSize;
};

// Puts BASEFONT in front of the selection.
inline constexpr DocumentCommand FontBaseClick =
    &dialogCommand<TfrmBase, baseFontTag, Placement::BeforeSelection>;
