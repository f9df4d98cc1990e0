#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/links/form_field_tag.h"

class QCheckBox;
class QLineEdit;

// A one-line text box or password box. Every show starts empty.
class TfrmTextBox : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmTextBox(QWidget *parent = nullptr);

    void reset() override;
    TextBoxOptions options() const;
    void setOptions(const TextBoxOptions &options);

    QLineEdit *txtName;
    QLineEdit *txtSize;
    QLineEdit *txtMaxLength;
    QCheckBox *chkPassword;

protected:
    void checkAtOk() override;
};

// Puts the text box in front of the selection, which stays.
inline constexpr DocumentCommand FormTextboxClick =
    &dialogCommand<TfrmTextBox, textBoxTag, Placement::BeforeSelection>;
