#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/color_picker.h"
#include "dialogs/text/font_tag.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QSlider;
class SizeSlider;

// "サイズと色": an absolute or a relative size, a colour and a face for FONT.
// Every show starts from the same defaults.
class TfrmFont : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmFont(QWidget *parent = nullptr);

    void reset() override;
    FontOptions options() const;
    void setOptions(const FontOptions &options);

    QFrame *panel;
    QCheckBox *chkSize;
    SizeSlider *sizeSlider;
    QSlider *TrackBar1;
    QLabel *lblSize;
    QLineEdit *txtSize;
    QCheckBox *chkSSize;
    QComboBox *cboSize;
    QCheckBox *chkColor;
    ColorPicker *picker;
    QCheckBox *chkFont;
    QLineEdit *txtFont;

private:
    StandardColorDialog m_colorDialog;
};

// Wraps the selection in FONT with the size, colour and face chosen here.
inline constexpr DocumentCommand FontColorClick =
    &dialogCommand<TfrmFont, fontTag, Placement::AroundSelection>;
