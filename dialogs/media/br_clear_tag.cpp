#include "dialogs/media/br_clear_tag.h"

using namespace Qt::StringLiterals;

TagTexts brClearTag(const BrClearOptions &options)
{
    QString value;
    switch (options.side) {
    case ClearSide::Left:
        value = u"left"_s;
        break;
    case ClearSide::Right:
        value = u"right"_s;
        break;
    case ClearSide::All:
        value = u"all"_s;
        break;
    }
    return {{}, u"<BR CLEAR="_s + value + u'>'};
}

std::optional<Reopened<BrClearOptions>> reopenBrClear(const TagElement &br)
{
    TagFields fields(br);
    const auto clear = fields.take(u"CLEAR");
    const auto side = clear ? oneOf(*clear, {u"left", u"right", u"all"}) : std::nullopt;
    if (!side)
        return std::nullopt;
    const ClearSide value = *side == u"left" ? ClearSide::Left : *side == u"right" ? ClearSide::Right : ClearSide::All;
    return reopenedTag(br, BrClearOptions{value}, fields);
}
