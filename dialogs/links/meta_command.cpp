#include "dialogs/links/meta_command.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/links/meta_dialog.h"
#include "document/apply_tag.h"

void PageMetaClick(TMDIChild &doc, QObject *)
{
    TfrmMeta &dlg = attributeDialog<TfrmMeta>();
    if (!dlg.run())
        return;
    applyTag(doc, metaTag(dlg.options()), InsertMode::ReplaceSelection, Capture::Selection);
}
