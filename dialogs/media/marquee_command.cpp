#include "dialogs/media/marquee_command.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/media/marquee_dialog.h"
#include "document/apply_tag.h"

void MMMarqueeClick(TMDIChild &doc, QObject *)
{
    TfrmMarquee &dlg = attributeDialog<TfrmMarquee>();
    if (!dlg.run())
        return;
    applyTag(doc, marqueeTag(dlg.options()), InsertMode::ReplaceSelection, Capture::Selection);
}
