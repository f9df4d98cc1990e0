#include "dialogs/media/applet_command.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/media/applet_dialog.h"
#include "document/apply_tag.h"

void JavaAppletClick(TMDIChild &doc, QObject *)
{
    TfrmApplet &dlg = attributeDialog<TfrmApplet>();
    if (!dlg.run())
        return;
    applyTag(doc, appletTag(dlg.options()), InsertMode::ReplaceSelection, Capture::Selection);
}
