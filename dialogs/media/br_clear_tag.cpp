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
