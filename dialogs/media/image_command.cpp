#include "dialogs/media/image_command.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/media/image_dialog.h"
#include "document/apply_tag.h"

void ImageImageClick(TMDIChild &doc, QObject *)
{
    TfrmImage &dlg = attributeDialog<TfrmImage>();
    if (!dlg.run())
        return;
    applyTag(doc, imageTag(dlg.options()), InsertMode::BeforeSelection, Capture::None);
}
