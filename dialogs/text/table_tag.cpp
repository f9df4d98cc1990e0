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

QString tableText(const TableOptions &options)
{
    return tablePieces(options).join(QString());
}

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator
            || c == QChar::LineSeparator;
}

// Walks the content of a table as the dialog writes it.
class TableContent
{
public:
    explicit TableContent(QStringView text) : m_text(text) {}

    bool atEnd()
    {
        skipBlanks();
        return m_at >= m_text.size();
    }
    // The start tag `name` (or, `closing`, its end tag) next, blanks before it
    // skipped; it must have no attributes unless `attributes` takes them.
    std::optional<TagElement> next(QStringView name, bool closing, bool blanksBefore = true)
    {
        if (blanksBefore)
            skipBlanks();
        ParsedTag tag = parseTagAt(m_text, m_at);
        if (!tag.valid() || tag.closing != closing || !tag.element.is(name))
            return std::nullopt;
        m_at = tag.element.end;
        return tag.element;
    }
    // The text up to the end tag `name`, which is passed.
    std::optional<QString> textUntilEnd(QStringView name)
    {
        for (qsizetype at = m_text.indexOf(u"</", m_at); at >= 0; at = m_text.indexOf(u"</", at + 1)) {
            const ParsedTag tag = parseTagAt(m_text, at);
            if (tag.valid() && tag.element.is(name)) {
                const QString text = m_text.sliced(m_at, at - m_at).toString();
                m_at = tag.element.end;
                return text;
            }
        }
        return std::nullopt;
    }
    // Whether a tag named `name` is next, without passing it.
    bool startsWith(QStringView name)
    {
        skipBlanks();
        const ParsedTag tag = parseTagAt(m_text, m_at);
        return tag.valid() && !tag.closing && tag.element.is(name);
    }

private:
    void skipBlanks()
    {
        while (m_at < m_text.size() && isBlank(m_text[m_at]))
            ++m_at;
    }

    QStringView m_text;
    qsizetype m_at = 0;
};

std::optional<TableAlign> alignOf(QStringView word)
{
    const auto align = oneOf(word, {u"left", u"center", u"right"});
    if (!align)
        return std::nullopt;
    return *align == u"left" ? TableAlign::Left : *align == u"center" ? TableAlign::Center : TableAlign::Right;
}

bool readCaption(TableContent &content, TableOptions &o)
{
    const std::optional<TagElement> caption = content.next(u"CAPTION", false);
    if (!caption)
        return false;
    const TagAttribute *side = caption->attribute(u"VALIGN");
    const TagAttribute *align = caption->attribute(u"ALIGN");
    // A caption written by hand often leaves out what browsers take by
    // default: above the table, centred.
    if (caption->attributes.size() != (side ? 1 : 0) + (align ? 1 : 0))
        return false;
    const auto sideWord = side ? oneOf(side->value, {u"top", u"bottom"}) : std::optional<QString>(u"top"_s);
    const auto alignValue = align ? alignOf(align->value) : std::optional<TableAlign>(TableAlign::Center);
    const auto text = content.textUntilEnd(u"CAPTION");
    if (!sideWord || !alignValue || !text)
        return false;
    o.caption = true;
    o.captionSide = *sideWord == u"top" ? CaptionSide::Top : CaptionSide::Bottom;
    o.captionAlign = *alignValue;
    o.captionText = *text;
    return true;
}

// The heading rows at the top and heading columns at the left that give
// exactly these heading cells.
bool readHeadings(const QList<QList<bool>> &heading, TableOptions &o)
{
    int rows = 0;
    while (rows < heading.size() && !heading.at(rows).contains(false))
        ++rows;
    int cols = rows < heading.size() ? int(heading.at(rows).size()) : 0;
    for (qsizetype row = rows; row < heading.size(); ++row)
        cols = qMin(cols, int(heading.at(row).indexOf(false)));
    for (qsizetype row = 0; row < heading.size(); ++row) {
        for (qsizetype col = 0; col < heading.at(row).size(); ++col) {
            if (heading.at(row).at(col) != (row < rows || col < cols))
                return false;
        }
    }
    o.fixedCols = rows > 0;
    if (o.fixedCols)
        o.fixedColsCount = rows;
    o.fixedRows = cols > 0;
    if (o.fixedRows)
        o.fixedRowsCount = cols;
    return true;
}

// Reads caption and cells into `o`; false when the content is not the
// dialog's (then `o` is not to be used).
bool readContent(QStringView text, TableOptions &o)
{
    TableContent content(text);
    o.caption = false;
    if (content.startsWith(u"CAPTION") && !readCaption(content, o))
        return false;
    QList<QList<bool>> heading;
    QStringList cells;
    int cols = -1;
    while (!content.atEnd()) {
        if (!content.next(u"TR", false) || heading.size() >= tableMaxRows)
            return false;
        QList<bool> kinds;
        for (;;) {
            const bool th = content.startsWith(u"TH");
            if (!th && !content.startsWith(u"TD"))
                break;
            const QStringView kind = th ? u"TH" : u"TD";
            const auto cell = content.next(kind, false);
            const auto cellText = cell && cell->attributes.isEmpty() ? content.textUntilEnd(kind) : std::nullopt;
            if (!cellText)
                return false;
            cells.append(*cellText);
            kinds.append(th);
        }
        if (!content.next(u"TR", true) || kinds.isEmpty() || kinds.size() > tableMaxCols
            || (cols >= 0 && kinds.size() != cols))
            return false;
        cols = int(kinds.size());
        heading.append(kinds);
    }
    if (heading.isEmpty() || !readHeadings(heading, o))
        return false;
    o.rows = int(heading.size());
    o.cols = cols;
    o.cells = cells;
    return true;
}

} // namespace

Reopened<TableOptions> reopenTable(const TagElement &table, TableOptions o)
{
    TagFields fields(table);
    o.pos = false;
    if (const auto align = fields.take(u"ALIGN")) {
        o.pos = true;
        if (const auto value = alignOf(*align))
            o.posAlign = *value;
        else
            fields.cannotShow();
    }
    o.background = fields.takeInto(u"BACKGROUND", o.backgroundFile);
    o.backColor = fields.takeColor(u"BACKCOLOR", o.backColorValue);
    o.borderColor = fields.takeColor(u"BORDERCOLOR", o.borderColorValue);
    o.borderColorLight = fields.takeColor(u"BORDERCOLORLIGHT", o.borderColorLightValue);
    o.borderColorDark = fields.takeColor(u"BORDERCOLORDARK", o.borderColorDarkValue);
    o.textVAlign = false;
    if (const auto valign = fields.take(u"VALIGN")) {
        // Middle writes nothing, so one written by hand stays as it is.
        if (const auto word = oneOf(*valign, {u"top", u"bottom"})) {
            o.textVAlign = true;
            o.textVAlignValue = *word == u"top" ? CellVAlign::Top : CellVAlign::Bottom;
        } else {
            fields.giveBack();
        }
    }
    o.border = fields.takeInto(u"BORDER", o.borderValue);
    o.cellSpacing = fields.takeInto(u"CELLSPACING", o.cellSpacingValue);
    o.cellPadding = fields.takeInto(u"CELLPADDING", o.cellPaddingValue);
    o.width = fields.takeSize(u"WIDTH", o.widthValue, o.widthPercent);
    o.height = fields.takeSize(u"HEIGHT", o.heightValue, o.heightPercent);

    Reopened<TableOptions> reopened = reopenedTag(table, o, fields);
    if (table.elementEnd >= 0 && readContent(table.content, reopened.options)) {
        reopened.to = table.elementEnd;
        reopened.whole = true;
    } else {
        reopened.options = o;
    }
    return reopened;
}
