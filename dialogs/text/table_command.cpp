#include "dialogs/text/table_command.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/text/table_dialog.h"
#include "dialogs/text/table_tag.h"
#include "document/apply_tag.h"

void HyoCreateClick(TMDIChild &doc, QObject *)
{
    TfrmHyo &dlg = attributeDialog<TfrmHyo>();
    if (dlg.run())
        insertTable(doc, dlg.options());
}

void insertTable(TMDIChild &doc, const TableOptions &options)
{
    // Each insertion leaves the caret after itself, so the lines follow one
    // another and the selection ends up after the last; Undo takes back
    // only that last one.
    for (const QString &line : tablePieces(options))
        applyTag(doc, {line, {}}, Placement::BeforeSelection);
}
