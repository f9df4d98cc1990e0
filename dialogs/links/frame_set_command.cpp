#include "dialogs/links/frame_set_command.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/links/frame_set_dialog.h"
#include "document/apply_tag.h"

void FrameFrameSetClick(TMDIChild &doc, QObject *)
{
    TfrmFrameSet &dlg = attributeDialog<TfrmFrameSet>();
    if (!dlg.run())
        return;
    applyTag(doc, frameSetTag(dlg.options()), InsertMode::ReplaceSelection, Capture::Selection);
}
