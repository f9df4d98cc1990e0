#include "dialogs/links/frame_layout.h"

#include "document/whole_number.h"

#include <algorithm>

using namespace Qt::StringLiterals;

FrameSizes normaliseFrameSizes(const FrameSizeTexts &typed, FrameUnit unit)
{
    // A negative size is dropped like any other bad one: counted in the
    // remainder, it would leave a gap and a remainder the list never shows.
    FrameSizes out;
    std::size_t next = 0;
    qint64 sum = 0;
    for (const QString &text : typed) {
        const std::optional<int> value = wholeNumberValue(text);
        if (!value || *value <= 0)
            continue;
        out.boxes[next++] = QString::number(*value);
        sum += *value;
    }
    if (unit == FrameUnit::Pixels) {
        out.remainder = u"*"_s;
    } else {
        const qint64 rest = 100 - sum;
        out.remainder = rest > 0 ? QString::number(rest) : noRoomLeft();
    }
    return out;
}

qint64 frameSizeValue(const QString &box)
{
    return wholeNumberValue(box).value_or(0);
}

std::array<PreviewRect, 6> previewPanels(const std::array<qint64, frameSizeBoxes> &sizes,
                                         FrameDirection direction, FrameUnit unit, QSize area)
{
    const bool columns = direction == FrameDirection::Columns;
    const qint64 extent = columns ? area.width() : area.height();
    const auto scaled = [&](qint64 size) {
        return unit == FrameUnit::Pixels ? size / 3 : extent * size / 100;
    };

    std::array<qint64, 6> lengths{};
    lengths[0] = sizes[0] > 0 ? scaled(sizes[0]) : 1;
    qint64 used = lengths[0];
    for (std::size_t i = 1; i < frameSizeBoxes; ++i) {
        lengths[i] = sizes[i] > 0 ? scaled(sizes[i]) : extent - used;
        used += lengths[i];
    }
    lengths[5] = extent - used;

    std::array<PreviewRect, 6> panels;
    qint64 at = 0;
    for (std::size_t i = 0; i < panels.size(); ++i) {
        panels[i] = columns ? PreviewRect{at, 0, lengths[i], area.height()}
                            : PreviewRect{0, at, area.width(), lengths[i]};
        at += lengths[i];
    }
    return panels;
}

QRect previewGeometry(const PreviewRect &panel, QSize area)
{
    // Far enough outside that a panel's border line there is never seen.
    constexpr qint64 margin = 2;
    const auto within = [](qint64 v, qint64 extent) { return std::clamp(v, -margin, extent + margin); };
    const qint64 left = within(panel.left, area.width());
    const qint64 top = within(panel.top, area.height());
    const qint64 right = within(panel.left + panel.width, area.width());
    const qint64 bottom = within(panel.top + panel.height, area.height());
    if (panel.width <= 0 || panel.height <= 0 || right <= left || bottom <= top)
        return QRect(int(left), int(top), 0, 0);
    return QRect(int(left), int(top), int(right - left), int(bottom - top));
}
