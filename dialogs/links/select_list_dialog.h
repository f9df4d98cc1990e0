#pragma once

#include "dialogs/attribute_dialog.h"
#include "dialogs/dialog_command.h"
#include "dialogs/links/select_list_tag.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

// A list box: its field name, its items one a line, a default item, the
// rows shown and multiple choice. Every show starts empty and unticked.
class TfrmListBox : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmListBox(QWidget *parent = nullptr);

    void reset() override;
    ListBoxOptions options() const;
    void setOptions(const ListBoxOptions &options);

    QLineEdit *txtName;
    QPlainTextEdit *txtItem;
    QCheckBox *chkDefault;
    QLineEdit *txtDefault;
    QCheckBox *chkSize;
    QLineEdit *txtRows;
    QCheckBox *chkMultiple;

protected:
    void checkAtOk() override;
};

// A drop-down list: its field name and its items one a line. Every show
// starts empty.
class TfrmDropDown : public TAttributeDialog
{
    Q_OBJECT
public:
    explicit TfrmDropDown(QWidget *parent = nullptr);

    void reset() override;
    DropDownOptions options() const;
    void setOptions(const DropDownOptions &options);

    QLineEdit *txtName;
    QPlainTextEdit *txtItem;
};

// Put a whole SELECT element in front of the selection, which stays.
inline constexpr DocumentCommand FormListboxClick =
    &dialogCommand<TfrmListBox, listBoxTag, Placement::BeforeSelection>;
inline constexpr DocumentCommand FormDropdownlistClick =
    &dialogCommand<TfrmDropDown, dropDownTag, Placement::BeforeSelection>;
