#include "dialogs/text/table_tag.h"

#include "dialogs/color_code.h"

using namespace Qt::StringLiterals;

namespace {

const QString lineEnd = u"\r\n"_s;

QString alignWord(TableAlign align)
{
    switch (align) {
    case TableAlign::Left: return u"left"_s;
    case TableAlign::Center: return u"center"_s;
    case TableAlign::Right: break;
    }
    return u"right"_s;
}

QString quoted(const QString &value)
{
    return u'"' + value + u'"';
}

QString size(const QString &value, bool percent)
{
    return quoted(percent ? value + u'%' : value);
}

} // namespace

QString tableStartLine(const TableOptions &o)
{
    QString line = u"<TABLE"_s;
    if (o.pos)
        line += u" ALIGN="_s + alignWord(o.posAlign);
    if (o.background)
        line += u" BACKGROUND="_s + quoted(o.backgroundFile);
    if (o.backColor)
        line += u" BACKCOLOR=#"_s + ColorCode(o.backColorValue);
    if (o.borderColor)
        line += u" BORDERCOLOR=#"_s + ColorCode(o.borderColorValue);
    if (o.borderColorLight)
        line += u" BORDERCOLORLIGHT="_s + quoted(ColorCode(o.borderColorLightValue));
    if (o.borderColorDark)
        line += u" BORDERCOLORDARK="_s + quoted(ColorCode(o.borderColorDarkValue));
    if (o.textVAlign) {
        // Middle is what cells do anyway: it writes nothing.
        if (o.textVAlignValue == CellVAlign::Top)
            line += u" VALIGN=top"_s;
        else if (o.textVAlignValue == CellVAlign::Bottom)
            line += u" VALIGN=bottom"_s;
    }
    if (o.border)
        line += u" BORDER="_s + quoted(o.borderValue);
    if (o.cellSpacing)
        line += u" CELLSPACING="_s + quoted(o.cellSpacingValue);
    if (o.cellPadding)
        line += u" CELLPADDING="_s + quoted(o.cellPaddingValue);
    if (o.width)
        line += u" WIDTH="_s + size(o.widthValue, o.widthPercent);
    if (o.height)
        line += u" HEIGHT="_s + size(o.heightValue, o.heightPercent);
    return line + u'>' + lineEnd;
}

QString tableCaptionLine(const TableOptions &o)
{
    if (!o.caption)
        return {};
    const QString side = o.captionSide == CaptionSide::Top ? u"top"_s : u"bottom"_s;
    return u"<CAPTION VALIGN="_s + side + u" ALIGN="_s + alignWord(o.captionAlign) + u'>'
            + o.captionText + u"</CAPTION>"_s + lineEnd;
}

QString tableRowLine(const TableOptions &o, int row)
{
    const bool headingRow = o.fixedCols && row < o.fixedColsCount;
    QString line;
    line.reserve(8 + qsizetype(o.cols) * 12);
    line += u"<TR>"_s;
    for (int col = 0; col < o.cols; ++col) {
        const bool heading = headingRow || (o.fixedRows && col < o.fixedRowsCount);
        line += heading ? u"<TH>" : u"<TD>";
        line += o.cell(row, col);
        line += heading ? u"</TH>" : u"</TD>";
    }
    line += u"</TR>"_s + lineEnd;
    return line;
}

QStringList tablePieces(const TableOptions &o)
{
    QStringList pieces;
    pieces.reserve(o.rows + 3);
    pieces.append(tableStartLine(o));
    if (o.caption)
        pieces.append(tableCaptionLine(o));
    for (int row = 0; row < o.rows; ++row)
        pieces.append(tableRowLine(o, row));
    pieces.append(u"</TABLE>"_s);
    return pieces;
}
