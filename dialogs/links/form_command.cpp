#include "dialogs/links/form_command.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/links/form_dialog.h"
#include "document/apply_tag.h"

void FormAreaClick(TMDIChild &doc, QObject *)
{
    TfrmForm &dlg = attributeDialog<TfrmForm>();
    if (!dlg.run())
        return;
    applyTag(doc, formTag(dlg.options()), InsertMode::ReplaceSelection, Capture::Selection);
}
