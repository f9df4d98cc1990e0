#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/media/client_map_tag.h"

#include <array>

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
    void setOptions(const HotspotOptions &options);

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
    // In the order of HotspotShape.
    std::array<QRadioButton *, 3> shapeButtons() const;
};

// Puts the hot spot chosen here on a line of its own in front of the selection, which stays.
inline constexpr DocumentCommand ImageHotspotClick =
    &dialogCommand<TfrmClientMap, hotspotTag, Placement::BeforeSelection>;
// Asks for a map's name and wraps the selection (its hot spots) in the map.
void ImageClientMapClick(TMDIChild &doc, QObject *sender);
