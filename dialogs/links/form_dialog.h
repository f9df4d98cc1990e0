#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/links/form_tag.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;

// Where a form is sent and how: the action and method on the first page,
// the encoding and the mail subject on the second. Every show starts empty.
class TfrmForm : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmForm(QWidget *parent = nullptr);

    void reset() override;
    FormOptions options() const;
    void setOptions(const FormOptions &options);

    QTabWidget *PageControl1;

    // 基本
    QLineEdit *txtText;
    QRadioButton *optPost;
    QRadioButton *optGet;

    // 拡張
    QCheckBox *chkType;
    QCheckBox *chkTitle;
    QLineEdit *txtTitle;

private:
    QWidget *makeBasicPage();
    QWidget *makeExtendedPage();
};

// Wraps the selection in the FORM element chosen here.
inline constexpr DocumentCommand FormAreaClick =
    &dialogCommand<TfrmForm, formTag, Placement::AroundSelection>;
