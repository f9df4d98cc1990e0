#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/links/form_field_tag.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;

// An image that sends the form when clicked: its picture, name and the
// text's position beside it. Every show starts empty, the position unticked
// and set back to its first item.
class TfrmImgFld : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmImgFld(QWidget *parent = nullptr);

    void reset() override;
    ImgFldOptions options() const;
    void setOptions(const ImgFldOptions &options);

    QLineEdit *txtFilename;
    QToolButton *cmdSansyo;
    QLineEdit *txtName;
    QCheckBox *chkAlign;
    QComboBox *cboAlign;

private:
};

// Puts the picture button in front of the selection, which stays.
inline constexpr DocumentCommand FormImageClick =
    &dialogCommand<TfrmImgFld, imgFldTag, Placement::BeforeSelection>;
