#pragma once

#include "dialogs/dialog_owner.h"
#include "document/apply_tag.h"

#include <optional>
#include <type_traits>
#include <utility>

// The options a dialog reads back and takes in.
template <typename Dialog>
using DialogOptions = std::remove_cvref_t<decltype(std::declval<const Dialog &>().options())>;

// The tags `build` writes from the dialog of type `Dialog`, or nothing when
// it is left without OK. It starts from its reset, or, given `start`, from
// those options (a tag opened again).
template <typename Dialog, auto build>
std::optional<TagTexts> dialogTags(const std::optional<DialogOptions<Dialog>> &start = std::nullopt)
{
    Dialog &dlg = attributeDialog<Dialog>();
    if (start) {
        dlg.reset();
        dlg.setOptions(*start);
    }
    if (!(start ? dlg.runAsSet() : dlg.run()))
        return std::nullopt;
    return build(dlg.options());
}

// The command of an attribute dialog: run it, and on OK put its builder's
// tags at `placement`. Declared beside its dialog under the menu's handler
// name:
//     inline constexpr DocumentCommand FontColorClick =
//         &dialogCommand<TfrmFont, fontTag, Placement::AroundSelection>;
template <typename Dialog, auto build, Placement placement>
void dialogCommand(TMDIChild &doc, QObject *)
{
    if (const std::optional<TagTexts> tags = dialogTags<Dialog, build>())
        applyTag(doc, *tags, placement);
}
