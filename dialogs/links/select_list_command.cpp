#include "dialogs/links/select_list_command.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/links/select_list_dialog.h"
#include "document/apply_tag.h"

void FormListboxClick(TMDIChild &doc, QObject *)
{
    TfrmListBox &dlg = attributeDialog<TfrmListBox>();
    if (!dlg.run())
        return;
    applyTag(doc, listBoxTag(dlg.options()), InsertMode::BeforeSelection, Capture::None);
}

void FormDropdownlistClick(TMDIChild &doc, QObject *)
{
    TfrmDropDown &dlg = attributeDialog<TfrmDropDown>();
    if (!dlg.run())
        return;
    applyTag(doc, dropDownTag(dlg.options()), InsertMode::BeforeSelection, Capture::None);
}
