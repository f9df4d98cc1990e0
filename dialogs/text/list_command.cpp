#include "dialogs/text/list_command.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/text/list_dialog.h"
#include "dialogs/text/list_tag.h"
#include "document/apply_tag.h"
#include "document/doc_editor.h"
#include "document/mdi_child.h"

namespace {

// The list already holds the selected lines: it replaces them, nothing is
// captured.
void putList(TMDIChild &doc, const TagTexts &list)
{
    applyTag(doc, list, Placement::ReplacingSelection);
}

} // namespace

void ListMarkClick(TMDIChild &doc, QObject *)
{
    TfrmMarkList &dlg = attributeDialog<TfrmMarkList>();
    if (!dlg.run())
        return;
    putList(doc, bulletedList(doc.txtDoc->selectedTextCrLf(), dlg.options().markType));
}

void ListNumberClick(TMDIChild &doc, QObject *)
{
    TfrmNumList &dlg = attributeDialog<TfrmNumList>();
    if (!dlg.run())
        return;
    putList(doc, numberedList(doc.txtDoc->selectedTextCrLf(), dlg.options()));
}

void ListDefineClick(TMDIChild &doc, QObject *)
{
    putList(doc, definitionList(doc.txtDoc->selectedTextCrLf()));
}
