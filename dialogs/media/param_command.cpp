#include "dialogs/media/param_command.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/media/param_dialog.h"
#include "document/apply_tag.h"

void JavaParmClick(TMDIChild &doc, QObject *)
{
    TfrmParam &dlg = attributeDialog<TfrmParam>();
    if (!dlg.run())
        return;
    applyTag(doc, paramTag(dlg.options()), InsertMode::BeforeSelection, Capture::None);
}
