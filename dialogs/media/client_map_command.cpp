#include "dialogs/media/client_map_command.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/media/client_map_dialog.h"
#include "document/apply_tag.h"
#include "document/mdi_child.h"
#include "platform/platform.h"

using namespace Qt::StringLiterals;

void ImageHotspotClick(TMDIChild &doc, QObject *)
{
    TfrmClientMap &dlg = attributeDialog<TfrmClientMap>();
    if (!dlg.run())
        return;
    applyTag(doc, hotspotTag(dlg.options()), InsertMode::BeforeSelection, Capture::None);
}

void ImageClientMapClick(TMDIChild &doc, QObject *)
{
    const std::optional<QString> name = platform().inputBox(
            &doc, {u"クライアントサイド イメージマップ"_s, u"ＭＡＰの名前を入力して下さい"_s, {}});
    if (!name)
        return;
    applyTag(doc, clientMapTag(*name), InsertMode::ReplaceSelection, Capture::Selection);
}
