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

namespace {

// The sizes of COLS or ROWS in the boxes, or nothing when they do not fit.
std::optional<FrameSetOptions> readSizes(const QString &list, FrameSetOptions o)
{
    QStringList sizes = list.split(u',');
    o.unit = sizes.constLast() == u"*" || !sizes.constFirst().endsWith(u'%') ? FrameUnit::Pixels : FrameUnit::Percent;
    if (o.unit == FrameUnit::Pixels) {
        if (sizes.constLast() != u"*")
            return std::nullopt;
        sizes.removeLast();
    }
    FrameSizeTexts boxes{};
    if (sizes.size() > frameSizeBoxes + 1)
        return std::nullopt;
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        QString size = sizes.at(i);
        if (o.unit == FrameUnit::Percent && !size.endsWith(u'%'))
            return std::nullopt;
        if (o.unit == FrameUnit::Percent)
            size.chop(1);
        bool ok = false;
        if (size.toInt(&ok) <= 0 || !ok || size != QString::number(size.toInt()))
            return std::nullopt;
        if (i < frameSizeBoxes)
            boxes[std::size_t(i)] = size;
    }
    // The last percentage is the remainder when it is what the others leave.
    if (o.unit == FrameUnit::Percent && !sizes.isEmpty()) {
        FrameSizeTexts typed = boxes;
        if (sizes.size() <= frameSizeBoxes)
            typed[std::size_t(sizes.size() - 1)].clear();
        const FrameSizes asRemainder = normaliseFrameSizes(typed, o.unit);
        if (asRemainder.remainder + u'%' == sizes.constLast()) {
            o.sizes = asRemainder.boxes;
            o.remainder = asRemainder.remainder;
            return o;
        }
        if (sizes.size() > frameSizeBoxes)
            return std::nullopt;
    }
    const FrameSizes normalised = normaliseFrameSizes(boxes, o.unit);
    o.sizes = normalised.boxes;
    o.remainder = normalised.remainder;
    return o;
}

} // namespace

Reopened<FrameSetOptions> reopenFrameSet(const TagElement &frameSet, FrameSetOptions o)
{
    TagFields fields(frameSet);
    const auto cols = fields.take(u"COLS");
    const auto rows = cols ? std::nullopt : fields.take(u"ROWS");
    if (cols || rows) {
        o.direction = cols ? FrameDirection::Columns : FrameDirection::Rows;
        if (const auto sizes = readSizes(cols ? *cols : *rows, o))
            o = *sizes;
        else
            fields.cannotShow();
    }
    o.noFrameBorder = fields.takeWord(u"FRAMEBORDER", u"no");
    o.frameSpacing = fields.takeInto(u"FRAMESPACING", o.frameSpacingValue);
    return reopenedTag(frameSet, o, fields);
}
