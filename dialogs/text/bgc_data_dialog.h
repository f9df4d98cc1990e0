#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/color_picker.h"

class QLabel;

// The plain colour choice: a display, the colour dialog and the sixteen
// swatches, always enabled. Its caller sets the caption before each show.
class TfrmBgcData : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmBgcData(QWidget *parent = nullptr);

    void reset() override;
    QColor color() const { return picker->color(); }

    ColorPicker *picker;

private:
    StandardColorDialog m_colorDialog;
};
