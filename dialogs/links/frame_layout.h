#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QtGlobal>
#include <array>

// The sizes of a frame set and the little picture of them, without widgets.

// COLS: frames side by side; ROWS: frames stacked.
enum class FrameDirection { Columns, Rows };
enum class FrameUnit { Percent, Pixels };

inline constexpr int frameSizeBoxes = 5;
using FrameSizeTexts = std::array<QString, frameSizeBoxes>;

// What the remainder box shows when the percentages leave no room for a
// last frame.
inline QString noRoomLeft()
{
    return QStringLiteral("Err");
}

// The five size boxes and the remainder box after normalisation.
struct FrameSizes {
    FrameSizeTexts boxes{};
    QString remainder{};
    bool operator==(const FrameSizes &) const = default;
};

// Only whole numbers above 0 are sizes; the rest (empty, not a number, 0,
// negative) is dropped, and the sizes close up to the front, in their
// order, written as plain decimals. The remainder is "*" in pixels; in
// percent it is what 100 leaves, or noRoomLeft() when nothing is left.
FrameSizes normaliseFrameSizes(const FrameSizeTexts &typed, FrameUnit unit);

// The number a size box holds for the preview: 0 when it holds none.
qint64 frameSizeValue(const QString &box);

// The preview area, in pixels at 100 %.
inline constexpr QSize framePreviewArea(258, 169);

// A panel of the preview. Widths and heights may be 0 or negative: such a
// panel shows nothing.
struct PreviewRect {
    qint64 left = 0;
    qint64 top = 0;
    qint64 width = 0;
    qint64 height = 0;
    bool operator==(const PreviewRect &) const = default;
};

// The six panels picturing frames of `sizes` (the five boxes, 0 for an
// empty one) in `area`, at a third of the pixels or the percentage of the
// area. A panel whose box holds no size takes the rest of the area; the
// first panel, without a size, is one pixel thin; the sixth always takes
// the rest.
std::array<PreviewRect, 6> previewPanels(const std::array<qint64, frameSizeBoxes> &sizes,
                                         FrameDirection direction, FrameUnit unit, QSize area);

// A widget geometry that pictures `panel` inside `area` exactly as the
// panel itself would: the parts well outside the area (never seen, and
// possibly beyond int) are cut off, and a panel without room gets size 0.
QRect previewGeometry(const PreviewRect &panel, QSize area);
