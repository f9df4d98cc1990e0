#include "dialogs/media/br_clear_command.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/media/br_clear_dialog.h"
#include "document/apply_tag.h"

void PageBrClick(TMDIChild &doc, QObject *)
{
    TfrmBrClear &dlg = attributeDialog<TfrmBrClear>();
    if (!dlg.run())
        return;
    applyTag(doc, brClearTag(dlg.side()), InsertMode::AfterSelection, Capture::None);
}
