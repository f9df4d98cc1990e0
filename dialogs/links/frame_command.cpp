#include "dialogs/links/frame_command.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/links/frame_dialog.h"
#include "document/apply_tag.h"

void FrameFrameClick(TMDIChild &doc, QObject *)
{
    TfrmFrame &dlg = attributeDialog<TfrmFrame>();
    if (!dlg.run())
        return;
    applyTag(doc, frameTag(dlg.options()), InsertMode::ReplaceSelection, Capture::Selection);
}
