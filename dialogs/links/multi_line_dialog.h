#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/links/form_field_tag.h"

class QLineEdit;

// A multi-line text area's name and size. Every show starts empty, with the
// focus on the width.
class TfrmMultiLine : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmMultiLine(QWidget *parent = nullptr);

    void reset() override;
    MultiLineOptions options() const;
    void setOptions(const MultiLineOptions &options);

    QLineEdit *txtName;
    QLineEdit *txtCols;
    QLineEdit *txtRows;

protected:
    void checkAtOk() override;
};

// Wraps the selection, the box's first text, in a TEXTAREA.
inline constexpr DocumentCommand FormMultilineClick =
    &dialogCommand<TfrmMultiLine, multiLineTag, Placement::AroundSelection>;
