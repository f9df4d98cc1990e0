#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/color_picker.h"
#include "dialogs/text/rule_tag.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

// A horizontal rule's thickness, length, position, colour and shading. Each
// show starts from a plain rule; only the colour box stays as it was left.
class TfrmLine : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmLine(QWidget *parent = nullptr);

    void reset() override;
    RuleOptions options() const;
    void setOptions(const RuleOptions &options);

    QCheckBox *chkSize;
    QLineEdit *txtSize;
    QCheckBox *chkWidth;
    QLineEdit *txtWidth;
    QComboBox *cboTani;
    QCheckBox *chkPos;
    QComboBox *cboPos;
    QCheckBox *chkNoShade;
    QCheckBox *chkColor;
    ColorPicker *picker;

protected:
    void checkAtOk() override;

private:
    StandardColorDialog m_colorDialog;
};

// Puts the rule chosen here on its own line after the selection.
inline constexpr DocumentCommand PageKeisenClick =
    &dialogCommand<TfrmLine, ruleTag, Placement::AfterSelection>;
