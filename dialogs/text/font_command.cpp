#include "dialogs/text/font_command.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/text/base_font_dialog.h"
#include "dialogs/text/font_dialog.h"
#include "document/apply_tag.h"

void FontColorClick(TMDIChild &doc, QObject *)
{
    TfrmFont &dlg = attributeDialog<TfrmFont>();
    if (!dlg.run())
        return;
    applyTag(doc, fontTag(dlg.options()), InsertMode::ReplaceSelection, Capture::Selection);
}

void FontBaseClick(TMDIChild &doc, QObject *)
{
    TfrmBase &dlg = attributeDialog<TfrmBase>();
    if (!dlg.run())
        return;
    applyTag(doc, baseFontTag(dlg.options()), InsertMode::BeforeSelection, Capture::None);
}
