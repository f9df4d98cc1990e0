#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/links/form_field_tag.h"

class QLineEdit;

// A hidden field's name and the text it sends. Every show starts empty.
class TfrmHidden : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmHidden(QWidget *parent = nullptr);

    void reset() override;
    HiddenOptions options() const;
    void setOptions(const HiddenOptions &options);

    QLineEdit *txtName;
    QLineEdit *txtStr;
};

// Puts the hidden field in front of the selection, which stays.
inline constexpr DocumentCommand FormHiddenClick =
    &dialogCommand<TfrmHidden, hiddenTag, Placement::BeforeSelection>;
