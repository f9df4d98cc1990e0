#include "dialogs/media/video_command.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/media/video_dialog.h"
#include "document/apply_tag.h"

void MMVideoClick(TMDIChild &doc, QObject *)
{
    TfrmVideo &dlg = attributeDialog<TfrmVideo>();
    if (!dlg.run())
        return;
    applyTag(doc, videoTag(dlg.options()), InsertMode::BeforeSelection, Capture::None);
}
