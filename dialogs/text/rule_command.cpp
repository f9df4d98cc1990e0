#include "dialogs/text/rule_command.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/text/rule_dialog.h"
#include "document/apply_tag.h"

void PageKeisenClick(TMDIChild &doc, QObject *)
{
    TfrmLine &dlg = attributeDialog<TfrmLine>();
    if (!dlg.run())
        return;
    applyTag(doc, ruleTag(dlg.options()), InsertMode::AfterSelection, Capture::None);
}
