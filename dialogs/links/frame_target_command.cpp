#include "dialogs/links/frame_target_command.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/links/frame_target_dialog.h"
#include "document/apply_tag.h"

void FrameTergetClick(TMDIChild &doc, QObject *)
{
    TfrmTarget &dlg = attributeDialog<TfrmTarget>();
    if (!dlg.run())
        return;
    applyTag(doc, frameTargetTag(dlg.options()), InsertMode::BeforeSelection, Capture::None);
}
