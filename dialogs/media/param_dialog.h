#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/media/param_tag.h"

class QLineEdit;

// "Ｊａｖａパラメータ": one name and its value for an applet. Both start
// empty on every show.
class TfrmParam : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmParam(QWidget *parent = nullptr);

    void reset() override;
    ParamOptions options() const;
    void setOptions(const ParamOptions &options);

    QLineEdit *txtName;
    QLineEdit *txtValue;
};

// Puts a PARAM line in front of the selection, which stays.
inline constexpr DocumentCommand JavaParmClick =
    &dialogCommand<TfrmParam, paramTag, Placement::BeforeSelection>;
