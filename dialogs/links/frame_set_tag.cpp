#include "dialogs/links/frame_set_tag.h"

#include <QStringList>

using namespace Qt::StringLiterals;

TagTexts frameSetTag(const FrameSetOptions &o)
{
    const QString unit = o.unit == FrameUnit::Percent ? u"%"_s : QString();
    QStringList list;
    for (const QString &size : o.sizes) {
        if (size.isEmpty())
            break;
        list << size + unit;
    }
    if (!o.remainder.isEmpty() && o.remainder != noRoomLeft())
        list << o.remainder + unit;

    QString start = o.direction == FrameDirection::Columns ? u"<FRAMESET COLS=\""_s : u"<FRAMESET ROWS=\""_s;
    start += list.join(u',') + u'"';
    if (o.noFrameBorder)
        start += u" FRAMEBORDER=\"no\""_s;
    if (o.frameSpacing)
        start += u" FRAMESPACING=\""_s + o.frameSpacingValue + u'"';
    start += u'>';
    return {start, u"</FRAMESET>\r\n"_s};
}
