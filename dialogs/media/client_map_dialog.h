#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/media/client_map_tag.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QToolButton;

// One hot spot of a client-side image map: its shape and coordinates, the
// page it links to (or none) and the target window. Every show starts from
// an empty rectangle.
class TfrmClientMap : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmClientMap(QWidget *parent = nullptr);

    void reset() override;
    HotspotOptions options() const;

    // 四角, 円, 多角形.
    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QRadioButton *RadioButton3;
    QLineEdit *txtCoords;
    QLineEdit *txtFilename;
    QToolButton *cmdSansyo;
    QCheckBox *chkNohref;
    QCheckBox *chkTarget;
    QLineEdit *txtName;

private:
    void cmdSansyoClick();
};
