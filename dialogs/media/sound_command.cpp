#include "dialogs/media/sound_command.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/media/sound_dialog.h"
#include "document/apply_tag.h"

void MMSoundClick(TMDIChild &doc, QObject *)
{
    TfrmSound &dlg = attributeDialog<TfrmSound>();
    if (!dlg.run())
        return;
    applyTag(doc, soundTag(dlg.options()), InsertMode::BeforeSelection, Capture::None);
}
