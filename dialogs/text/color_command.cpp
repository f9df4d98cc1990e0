#include "dialogs/text/color_command.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/text/bgc_data_dialog.h"
#include "dialogs/color_code.h"
#include "document/apply_tag.h"

using namespace Qt::StringLiterals;

TagTexts colorCodeTag(const QColor &color)
{
    return {ColorCode(color), {}};
}

TagTexts coloredCellTag(const QColor &color)
{
    return {u"<TD BGCOLOR=#"_s + ColorCode(color) + u'>', u"</TD>\r\n"_s};
}

namespace {

// The colour dialog is shared; its caption names the command that opened it.
std::optional<QColor> askColor(const QString &caption)
{
    TfrmBgcData &dlg = attributeDialog<TfrmBgcData>();
    dlg.setWindowTitle(caption);
    if (!dlg.run())
        return std::nullopt;
    return dlg.color();
}

} // namespace

void ColorClick(TMDIChild &doc, QObject *)
{
    if (const std::optional<QColor> color = askColor(u"色"_s))
        applyTag(doc, colorCodeTag(*color), Placement::ReplacingSelection);
}

void HyoBgcDataClick(TMDIChild &doc, QObject *)
{
    if (const std::optional<QColor> color = askColor(u"背景色付きデータ"_s))
        applyTag(doc, coloredCellTag(*color), Placement::AroundSelection);
}
