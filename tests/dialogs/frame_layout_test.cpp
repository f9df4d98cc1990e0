#include "dialogs/links/frame_layout.h"
#include "support/doc_fixture.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Found by argument-dependent lookup, so beside the types, outside the
// anonymous namespace.
static void PrintTo(const PreviewRect &r, std::ostream *os)
{
    *os << '(' << r.left << ',' << r.top << ' ' << r.width << 'x' << r.height << ')';
}

static void PrintTo(const FrameSizes &s, std::ostream *os)
{
    *os << '[';
    for (const QString &box : s.boxes)
        *os << '"' << box.toStdString() << "\" ";
    *os << "| \"" << s.remainder.toStdString() << "\"]";
}

namespace {

FrameSizeTexts texts(std::initializer_list<const char16_t *> typed)
{
    FrameSizeTexts out;
    std::size_t i = 0;
    for (const char16_t *t : typed)
        out[i++] = QString::fromUtf16(t);
    return out;
}

TEST(FrameSizes, NormalisingKeepsWholeSizesAboveZeroClosedUpAndWorksOutTheRemainder)
{
    const auto P = FrameUnit::Percent;
    const auto X = FrameUnit::Pixels;
    const struct {
        FrameSizeTexts typed;
        FrameUnit unit;
        FrameSizeTexts boxes;
        const char16_t *remainder;
    } rows[] = {
        {texts({u"30", u"", u"", u"20"}), P, texts({u"30", u"20"}), u"50"},
        {texts({u"30", u"", u"", u"20"}), X, texts({u"30", u"20"}), u"*"},
        {texts({}), P, texts({}), u"100"},
        {texts({}), X, texts({}), u"*"},
        {texts({u"120"}), X, texts({u"120"}), u"*"},
        // Not a number, 0, and negative sizes vanish and count for nothing.
        {texts({u"abc", u"40", u"0", u"", u"10"}), P, texts({u"40", u"10"}), u"50"},
        {texts({u"-5", u"", u"30"}), P, texts({u"30"}), u"70"},
        {texts({u"-0", u"$FFFFFFFF", u"-200", u"200"}), X, texts({u"200"}), u"*"},
        // Whole numbers in any accepted form come back as plain decimals.
        {texts({u" 30", u"$14", u"+5", u"1.5", u"3 "}), P, texts({u"30", u"20", u"5"}), u"45"},
        {texts({u"３０", u"2147483648", u"1e2", u"99"}), P, texts({u"99"}), u"1"},
        {texts({u"1", u"2", u"3", u"4", u"5"}), P, texts({u"1", u"2", u"3", u"4", u"5"}), u"85"},
        // Nothing left over: the remainder box says so.
        {texts({u"100"}), P, texts({u"100"}), u"Err"},
        {texts({u"60", u"40"}), P, texts({u"60", u"40"}), u"Err"},
        {texts({u"60", u"50"}), P, texts({u"60", u"50"}), u"Err"},
        {texts({u"2147483647", u"2147483647", u"2147483647", u"2147483647", u"2147483647"}), P,
         texts({u"2147483647", u"2147483647", u"2147483647", u"2147483647", u"2147483647"}), u"Err"},
        {texts({u"100", u"900"}), X, texts({u"100", u"900"}), u"*"},
    };
    for (const auto &row : rows) {
        const FrameSizes expected{row.boxes, QString::fromUtf16(row.remainder)};
        EXPECT_EQ(normaliseFrameSizes(row.typed, row.unit), expected)
            << row.typed[0].toStdString() << "," << row.typed[1].toStdString() << ","
            << row.typed[2].toStdString();
    }
}

TEST(FramePreview, PanelsPictureTheSizesInTheArea)
{
    using D = FrameDirection;
    using U = FrameUnit;
    const QSize area = framePreviewArea;
    ASSERT_EQ(area, QSize(258, 169));
    const struct {
        const char *what;
        std::array<qint64, 5> sizes;
        D direction;
        U unit;
        std::array<PreviewRect, 6> panels;
    } rows[] = {
        {"as shown first: one frame of 100 %", {100, 0, 0, 0, 0}, D::Columns, U::Percent,
         {{{0, 0, 258, 169}, {258, 0, 0, 169}, {258, 0, 0, 169}, {258, 0, 0, 169}, {258, 0, 0, 169},
           {258, 0, 0, 169}}}},
        {"30 % and 20 % side by side, the rest in panel 3", {30, 20, 0, 0, 0}, D::Columns, U::Percent,
         {{{0, 0, 77, 169}, {77, 0, 51, 169}, {128, 0, 130, 169}, {258, 0, 0, 169}, {258, 0, 0, 169},
           {258, 0, 0, 169}}}},
        {"30 % and 20 % stacked", {30, 20, 0, 0, 0}, D::Rows, U::Percent,
         {{{0, 0, 258, 50}, {0, 50, 258, 33}, {0, 83, 258, 86}, {0, 169, 258, 0}, {0, 169, 258, 0},
           {0, 169, 258, 0}}}},
        {"120 pixels stacked, at a third", {120, 0, 0, 0, 0}, D::Rows, U::Pixels,
         {{{0, 0, 258, 40}, {0, 40, 258, 129}, {0, 169, 258, 0}, {0, 169, 258, 0}, {0, 169, 258, 0},
           {0, 169, 258, 0}}}},
        {"300 and 150 pixels side by side", {300, 150, 0, 0, 0}, D::Columns, U::Pixels,
         {{{0, 0, 100, 169}, {100, 0, 50, 169}, {150, 0, 108, 169}, {258, 0, 0, 169}, {258, 0, 0, 169},
           {258, 0, 0, 169}}}},
        {"no size: a one-pixel first panel, the rest in panel 2", {0, 0, 0, 0, 0}, D::Columns, U::Pixels,
         {{{0, 0, 1, 169}, {1, 0, 257, 169}, {258, 0, 0, 169}, {258, 0, 0, 169}, {258, 0, 0, 169},
           {258, 0, 0, 169}}}},
        {"no size, stacked", {0, 0, 0, 0, 0}, D::Rows, U::Percent,
         {{{0, 0, 258, 1}, {0, 1, 258, 168}, {0, 169, 258, 0}, {0, 169, 258, 0}, {0, 169, 258, 0},
           {0, 169, 258, 0}}}},
        {"over 100 %: the rest panel goes negative, the later ones come back to nothing",
         {80, 50, 0, 0, 0}, D::Columns, U::Percent,
         {{{0, 0, 206, 169}, {206, 0, 129, 169}, {335, 0, -77, 169}, {258, 0, 0, 169}, {258, 0, 0, 169},
           {258, 0, 0, 169}}}},
        {"five sizes: panel 6 takes what is left, here less than nothing", {10, 20, 30, 40, 50},
         D::Columns, U::Percent,
         {{{0, 0, 25, 169}, {25, 0, 51, 169}, {76, 0, 77, 169}, {153, 0, 103, 169}, {256, 0, 129, 169},
           {385, 0, -127, 169}}}},
        {"five sizes stacked leave room for panel 6", {10, 10, 10, 10, 10}, D::Rows, U::Percent,
         {{{0, 0, 258, 16}, {0, 16, 258, 16}, {0, 32, 258, 16}, {0, 48, 258, 16}, {0, 64, 258, 16},
           {0, 80, 258, 89}}}},
        {"a size under 3 pixels is a frame too thin to picture", {2, 300, 0, 0, 0}, D::Columns, U::Pixels,
         {{{0, 0, 0, 169}, {0, 0, 100, 169}, {100, 0, 158, 169}, {258, 0, 0, 169}, {258, 0, 0, 169},
           {258, 0, 0, 169}}}},
        {"1 pixel in the second box", {30, 1, 0, 0, 0}, D::Rows, U::Pixels,
         {{{0, 0, 258, 10}, {0, 10, 258, 0}, {0, 10, 258, 159}, {0, 169, 258, 0}, {0, 169, 258, 0},
           {0, 169, 258, 0}}}},
        {"the largest size, far beyond 32 bits once scaled", {2147483647, 0, 0, 0, 0}, D::Columns,
         U::Percent,
         {{{0, 0, 5540507809, 169}, {5540507809, 0, -5540507551, 169}, {258, 0, 0, 169},
           {258, 0, 0, 169}, {258, 0, 0, 169}, {258, 0, 0, 169}}}},
    };
    for (const auto &row : rows) {
        const auto panels = previewPanels(row.sizes, row.direction, row.unit, area);
        for (std::size_t i = 0; i < panels.size(); ++i)
            EXPECT_EQ(panels[i], row.panels[i]) << row.what << ", Panel" << i + 1;
    }
}

TEST(FramePreview, WidgetGeometryIsThePanelCutToWhatCanBeSeen)
{
    const QSize area = framePreviewArea;
    const struct {
        PreviewRect panel;
        QRect geometry;
    } rows[] = {
        {{77, 0, 51, 169}, QRect(77, 0, 51, 169)},
        {{0, 83, 258, 86}, QRect(0, 83, 258, 86)},
        {{0, 0, 258, 169}, QRect(0, 0, 258, 169)},
        // Running off the edge it stays running off, border unseen.
        {{206, 0, 129, 169}, QRect(206, 0, 54, 169)},
        {{0, 150, 258, 100}, QRect(0, 150, 258, 21)},
        {{0, 0, 5540507809, 169}, QRect(0, 0, 260, 169)},
        {{-5000000000, 0, 5000000100, 169}, QRect(-2, 0, 102, 169)},
        // No room: nothing to show.
        {{258, 0, 0, 169}, QRect(258, 0, 0, 0)},
        {{335, 0, -77, 169}, QRect(260, 0, 0, 0)},
        {{5540507809, 0, -5540507551, 169}, QRect(260, 0, 0, 0)},
        {{0, 169, 258, 0}, QRect(0, 169, 0, 0)},
        {{300, 0, 40, 169}, QRect(260, 0, 0, 0)},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(previewGeometry(row.panel, area), row.geometry)
            << row.panel.left << "," << row.panel.top << " " << row.panel.width << "x" << row.panel.height;
    }
}

// What of `panel` falls inside `area`, worked out without any limit.
QRect seenPart(const PreviewRect &panel, QSize area)
{
    const qint64 left = std::max<qint64>(panel.left, 0);
    const qint64 top = std::max<qint64>(panel.top, 0);
    const qint64 right = std::min<qint64>(panel.left + panel.width, area.width());
    const qint64 bottom = std::min<qint64>(panel.top + panel.height, area.height());
    if (panel.width <= 0 || panel.height <= 0 || right <= left || bottom <= top)
        return {};
    return QRect(int(left), int(top), int(right - left), int(bottom - top));
}

TEST(FramePreview, WidgetsShowExactlyWhatThePanelsWouldShowForAnySizes)
{
    QRandomGenerator random(4711);
    const qint64 scales[] = {4, 120, 1000, 2147483647};
    for (int round = 0; round < 2000; ++round) {
        std::array<qint64, 5> sizes{};
        const qint64 scale = scales[random.bounded(4)];
        const int filled = random.bounded(6);
        for (int i = 0; i < filled; ++i)
            sizes[i] = qint64(random.bounded(quint64(scale))) + 1;
        const auto direction = random.bounded(2) ? FrameDirection::Rows : FrameDirection::Columns;
        const auto unit = random.bounded(2) ? FrameUnit::Pixels : FrameUnit::Percent;
        for (const PreviewRect &panel : previewPanels(sizes, direction, unit, framePreviewArea)) {
            const QRect geometry = previewGeometry(panel, framePreviewArea);
            const QRect seen = geometry.isEmpty() ? QRect() : geometry & QRect(QPoint(0, 0), framePreviewArea);
            ASSERT_EQ(seen, seenPart(panel, framePreviewArea))
                << sizes[0] << "," << sizes[1] << "," << sizes[2] << "," << sizes[3] << "," << sizes[4];
            // Where a border line can be seen, it is the panel's own.
            if (!seen.isEmpty()) {
                EXPECT_EQ(geometry.left() == seen.left(), panel.left >= 0);
                EXPECT_EQ(geometry.right() == seen.right(), panel.left + panel.width <= framePreviewArea.width());
                EXPECT_EQ(geometry.top() == seen.top(), panel.top >= 0);
                EXPECT_EQ(geometry.bottom() == seen.bottom(), panel.top + panel.height <= framePreviewArea.height());
            }
        }
    }
}

} // namespace
