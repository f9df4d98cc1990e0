#include "dialogs/text/page_command.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/text/page_dialog.h"
#include "document/apply_tag.h"

void PageConfigClick(TMDIChild &doc, QObject *)
{
    TfrmPage &dlg = attributeDialog<TfrmPage>();
    if (!dlg.run())
        return;
    applyTag(doc, pageTag(dlg.options()), InsertMode::ReplaceSelection, Capture::Selection);
}
