#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/links/form_field_tag.h"

class QCheckBox;
class QLineEdit;

// A radio button or a check box of a form; the command that shows it gives
// it its caption. Every show starts empty and unticked.
class TfrmButton : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmButton(QWidget *parent = nullptr);

    void reset() override;
    ButtonOptions options() const;
    void setOptions(const ButtonOptions &options);

    QLineEdit *txtName;
    QLineEdit *txtText;
    QCheckBox *CheckBox1;
};
