// Random option values through the markup builders: nothing crashes, the
// frame-set sizes normalise to the list the tag then carries, the preview
// panels always tile the area, and every tag has its element's shape with
// CR LF as its only line break.
#include "dialogs/links/frame_layout.h"
#include "dialogs/links/frame_set_tag.h"
#include "dialogs/links/frame_tag.h"
#include "dialogs/media/image_tag.h"
#include "dialogs/media/marquee_tag.h"
#include "dialogs/text/font_tag.h"
#include "dialogs/text/heading_tag.h"
#include "dialogs/text/rule_tag.h"
#include "dialogs/text/table_tag.h"
#include "document/whole_number.h"

#include <QStringList>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

void require(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "markup builders: %s\n", what);
        std::abort();
    }
}

// What a one-line box may hold: digits, signs, hex, blanks, quotes, angle
// brackets, Japanese, a lone surrogate.
QString typed(FuzzedDataProvider &in)
{
    static const char16_t alphabet[] = {u'0', u'1', u'2', u'5', u'9', u'+', u'-', u'$', u'a', u'F',
                                        u' ', u'%', u'"', u'<', u'>', 0x3042, 0xD800};
    QString text;
    const size_t length = in.ConsumeIntegralInRange<size_t>(0, 12);
    for (size_t i = 0; i < length; ++i)
        text += QChar(alphabet[in.ConsumeIntegralInRange<size_t>(0, std::size(alphabet) - 1)]);
    return text;
}

QColor colour(FuzzedDataProvider &in)
{
    return QColor::fromRgb(in.ConsumeIntegral<uint8_t>(), in.ConsumeIntegral<uint8_t>(),
                           in.ConsumeIntegral<uint8_t>());
}

// Line breaks only as CR LF.
bool crLfOnly(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'))
            return false;
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r'))
            return false;
    }
    return true;
}

// "<NAME" … ">" with an optional CR LF, and the end tag "</NAME>" (with an
// optional CR LF) or nothing.
void requireElement(const TagTexts &tag, const QString &name, bool endTag)
{
    require(tag.start.startsWith(u"<"_s + name), "a start tag names another element");
    require(tag.start.endsWith(u'>') || tag.start.endsWith(u">\r\n"), "a start tag is not closed");
    const QString end = u"</"_s + name + u'>';
    if (endTag)
        require(tag.end == end || tag.end == end + u"\r\n"_s, "the end tag is wrong");
    else
        require(tag.end.isEmpty(), "an element without end tag got one");
    require(crLfOnly(tag.start) && crLfOnly(tag.end), "a line break other than CR LF");
}

void frameSet(FuzzedDataProvider &in)
{
    FrameSizeTexts boxes;
    for (QString &box : boxes)
        box = typed(in);
    const FrameUnit unit = in.ConsumeBool() ? FrameUnit::Percent : FrameUnit::Pixels;
    const FrameDirection direction = in.ConsumeBool() ? FrameDirection::Columns : FrameDirection::Rows;
    const FrameSizes sizes = normaliseFrameSizes(boxes, unit);

    // The sizes above 0 close up to the front, as plain decimals.
    QStringList expected;
    qint64 sum = 0;
    for (const QString &box : boxes) {
        const std::optional<int> value = wholeNumberValue(box);
        if (value && *value > 0) {
            expected << QString::number(*value);
            sum += *value;
        }
    }
    for (qsizetype i = 0; i < frameSizeBoxes; ++i)
        require(sizes.boxes[i] == expected.value(i), "the sizes did not close up in order");
    if (unit == FrameUnit::Pixels)
        require(sizes.remainder == u"*", "the pixel remainder is not *");
    else
        require(sizes.remainder == (sum < 100 ? QString::number(100 - sum) : noRoomLeft()),
                "the percent remainder is wrong");

    FrameSetOptions options;
    options.direction = direction;
    options.unit = unit;
    options.sizes = sizes.boxes;
    options.remainder = sizes.remainder;
    options.noFrameBorder = in.ConsumeBool();
    options.frameSpacing = in.ConsumeBool();
    options.frameSpacingValue = typed(in);
    const TagTexts tag = frameSetTag(options);
    requireElement(tag, u"FRAMESET"_s, true);

    const QString unitText = unit == FrameUnit::Percent ? u"%"_s : QString();
    QStringList list;
    for (const QString &size : expected)
        list << size + unitText;
    if (sizes.remainder != noRoomLeft())
        list << sizes.remainder + unitText;
    const QString attribute = (direction == FrameDirection::Columns ? u"COLS=\""_s : u"ROWS=\""_s)
            + list.join(u',') + u'"';
    require(tag.start.startsWith(u"<FRAMESET "_s + attribute), "the size list is not the normalised sizes");

    // The preview: six panels side by side (or stacked) that always add up
    // to the area, and geometries that stay near it.
    std::array<qint64, frameSizeBoxes> values{};
    for (qsizetype i = 0; i < frameSizeBoxes; ++i)
        values[i] = frameSizeValue(sizes.boxes[i]);
    const QSize area = in.ConsumeBool() ? framePreviewArea
                                        : QSize(in.ConsumeIntegralInRange(0, 5000), in.ConsumeIntegralInRange(0, 5000));
    const auto panels = previewPanels(values, direction, unit, area);
    const qint64 extent = direction == FrameDirection::Columns ? area.width() : area.height();
    qint64 at = 0;
    for (const PreviewRect &panel : panels) {
        const qint64 length = direction == FrameDirection::Columns ? panel.width : panel.height;
        require((direction == FrameDirection::Columns ? panel.left : panel.top) == at, "the panels do not follow on");
        at += length;
        const QRect geometry = previewGeometry(panel, area);
        require(geometry.width() >= 0 && geometry.height() >= 0, "a negative geometry");
        require(geometry.left() >= -2 && geometry.left() + geometry.width() <= area.width() + 4,
                "a geometry far outside the area");
    }
    require(at == extent, "the panels do not fill the area");
}

void table(FuzzedDataProvider &in)
{
    TableOptions o;
    o.border = in.ConsumeBool();
    o.borderValue = typed(in);
    o.width = in.ConsumeBool();
    o.widthValue = typed(in);
    o.widthPercent = in.ConsumeBool();
    o.backColor = in.ConsumeBool();
    o.backColorValue = colour(in);
    o.caption = in.ConsumeBool();
    o.captionText = typed(in);
    o.fixedRows = in.ConsumeBool();
    o.fixedRowsCount = wholeNumberValue(typed(in)).value_or(0);
    o.fixedCols = in.ConsumeBool();
    o.fixedColsCount = wholeNumberValue(typed(in)).value_or(0);
    o.rows = in.ConsumeIntegralInRange(1, 20);
    o.cols = in.ConsumeIntegralInRange(1, 20);
    for (int i = 0; i < o.rows * o.cols; ++i)
        o.cells << typed(in);

    const QStringList pieces = tablePieces(o);
    require(pieces.size() == o.rows + (o.caption ? 3 : 2), "not one piece per line");
    require(pieces.front().startsWith(u"<TABLE") && pieces.front().endsWith(u">\r\n"), "the TABLE line");
    require(pieces.back() == u"</TABLE>", "the last line is not </TABLE>");
    if (o.caption)
        require(pieces[1].startsWith(u"<CAPTION ") && pieces[1].endsWith(u"</CAPTION>\r\n"), "the caption line");
    for (int row = 0; row < o.rows; ++row) {
        const QString &line = pieces[row + (o.caption ? 2 : 1)];
        require(line.startsWith(u"<TR>") && line.endsWith(u"</TR>\r\n"), "a row line");
        require(line.count(u"<TH>") + line.count(u"<TD>") >= o.cols, "a row lacks cells");
        require(crLfOnly(line), "a line break other than CR LF");
    }
}

void others(FuzzedDataProvider &in)
{
    FrameOptions frame;
    frame.source = typed(in);
    frame.name = in.ConsumeBool();
    frame.nameValue = typed(in);
    frame.margin = in.ConsumeBool();
    frame.marginWidth = typed(in);
    frame.marginHeight = typed(in);
    frame.scroll = static_cast<FrameScroll>(in.ConsumeIntegralInRange(0, 3));
    frame.noFrameBorder = in.ConsumeBool();
    frame.frameSpacing = in.ConsumeBool();
    frame.frameSpacingValue = typed(in);
    frame.noResize = in.ConsumeBool();
    requireElement(frameTag(frame), u"FRAME"_s, true);

    HeadingOptions heading;
    heading.level = QString::number(in.ConsumeIntegralInRange(1, 6));
    static const char16_t *const aligns[] = {u"", u"left", u"center", u"right"};
    heading.align = QString::fromUtf16(aligns[in.ConsumeIntegralInRange(0, 3)]);
    requireElement(headingTag(heading), u'H' + heading.level, true);

    ImageOptions image;
    image.fileName = typed(in);
    image.align = in.ConsumeBool() ? u"LEFT"_s : typed(in);
    image.space = in.ConsumeBool();
    image.vSpace = typed(in);
    image.hSpace = typed(in);
    image.alt = in.ConsumeBool();
    image.altText = typed(in);
    image.border = in.ConsumeBool();
    image.borderWidth = typed(in);
    image.usemap = in.ConsumeBool();
    image.mapName = typed(in);
    requireElement(imageTag(image), u"IMG"_s, false);

    RuleOptions rule;
    rule.size = in.ConsumeBool();
    rule.sizeValue = typed(in);
    rule.width = in.ConsumeBool();
    rule.widthValue = typed(in);
    rule.percent = in.ConsumeBool();
    rule.position = in.ConsumeBool();
    rule.align = static_cast<RuleAlign>(in.ConsumeIntegralInRange(0, 2));
    rule.color = in.ConsumeBool();
    rule.colorValue = colour(in);
    rule.noShade = in.ConsumeBool();
    const TagTexts hr = ruleTag(rule);
    require(hr.start.isEmpty() && hr.end.startsWith(u"<HR") && hr.end.endsWith(u">\r\n"), "the rule's shape");

    FontOptions font;
    font.size = in.ConsumeBool();
    font.sizeValue = QString::number(in.ConsumeIntegralInRange(1, 7));
    font.relativeSize = in.ConsumeBool();
    font.relativeValue = typed(in);
    font.color = in.ConsumeBool();
    font.colorValue = colour(in);
    font.face = in.ConsumeBool();
    font.faceName = typed(in);
    requireElement(fontTag(font), u"FONT"_s, true);

    MarqueeOptions marquee;
    marquee.align = in.ConsumeBool();
    marquee.alignValue = static_cast<MarqueeAlign>(in.ConsumeIntegralInRange(0, 2));
    marquee.behavior = in.ConsumeBool();
    marquee.behaviorValue = static_cast<MarqueeBehavior>(in.ConsumeIntegralInRange(0, 2));
    marquee.color = in.ConsumeBool();
    marquee.colorValue = colour(in);
    marquee.direction = in.ConsumeBool();
    marquee.height = in.ConsumeBool();
    marquee.heightValue = typed(in);
    marquee.heightPixels = in.ConsumeBool();
    marquee.width = in.ConsumeBool();
    marquee.widthValue = typed(in);
    marquee.widthPixels = in.ConsumeBool();
    marquee.loop = in.ConsumeBool();
    marquee.infinite = in.ConsumeBool();
    marquee.loopValue = typed(in);
    marquee.scrollamount = in.ConsumeBool();
    marquee.scrollamountValue = typed(in);
    marquee.scrolldelay = in.ConsumeBool();
    marquee.scrolldelayValue = typed(in);
    marquee.space = in.ConsumeBool();
    marquee.hspaceValue = typed(in);
    marquee.vspaceValue = typed(in);
    requireElement(marqueeTag(marquee), u"MARQUEE"_s, true);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0:
        frameSet(in);
        break;
    case 1:
        table(in);
        break;
    default:
        others(in);
        break;
    }
    return 0;
}
