#include "dialogs/text/heading_command.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/text/heading_dialog.h"
#include "document/apply_tag.h"

void MidashiClick(TMDIChild &doc, QObject *)
{
    TfrmTitle &dlg = attributeDialog<TfrmTitle>();
    if (!dlg.run())
        return;
    applyTag(doc, headingTag(dlg.options()), InsertMode::ReplaceSelection, Capture::Selection);
}
