#pragma once

#include "dialogs/attribute_dialog.h"
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

    QLineEdit *txtName;
    QLineEdit *txtValue;
};
