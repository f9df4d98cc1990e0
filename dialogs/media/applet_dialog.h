#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/media/applet_tag.h"

class QCheckBox;
class QLineEdit;

// "Ｊａｖａアプレット": the class file, its location, the size and the
// spacing. Every show starts afresh; every text goes into the tag as typed.
class TfrmApplet : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmApplet(QWidget *parent = nullptr);

    void reset() override;
    AppletOptions options() const;
    void setOptions(const AppletOptions &options);

    QLineEdit *txtName;
    QLineEdit *txtWidth;
    QLineEdit *txtHeight;
    QCheckBox *chkUrl;
    QLineEdit *txtUrl;
    QCheckBox *chkSpace;
    QLineEdit *txtVSpace;
    QLineEdit *txtHSpace;
};

// Wraps the selection (PARAM lines, alternative text) in an APPLET element for the class chosen here.
inline constexpr DocumentCommand JavaAppletClick =
    &dialogCommand<TfrmApplet, appletTag, Placement::AroundSelection>;
