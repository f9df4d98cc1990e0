#include "dialogs/text/table_tag.h"
#include "support/doc_fixture.h"

#include <QStringList>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

TableOptions emptyTable(int rows, int cols)
{
    TableOptions o;
    o.rows = rows;
    o.cols = cols;
    return o;
}

QString whole(const TableOptions &o)
{
    return tablePieces(o).join(QString());
}

// Rows of cells, one letter each: "HD|DD" is a row of <TH></TH><TD></TD>,
// then a row of two empty data cells.
QString emptyRows(const QString &pattern)
{
    QString markup;
    for (const QString &row : pattern.split(u'|')) {
        markup += u"<TR>"_s;
        for (QChar kind : row)
            markup += kind == u'H' ? u"<TH></TH>"_s : u"<TD></TD>"_s;
        markup += u"</TR>\r\n"_s;
    }
    return markup;
}

TEST(TableTag, TheTwoByTwoExample)
{
    TableOptions o = emptyTable(2, 2);
    o.cells = {u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    o.border = true;
    o.borderValue = u"1"_s;
    o.fixedCols = true;
    o.fixedColsCount = 1;
    o.caption = true;
    o.captionText = u"T"_s;
    o.captionSide = CaptionSide::Top;
    o.captionAlign = TableAlign::Center;
    const QStringList expected = {
        u"<TABLE BORDER=\"1\">\r\n"_s,
        u"<CAPTION VALIGN=top ALIGN=center>T</CAPTION>\r\n"_s,
        u"<TR><TH>a</TH><TH>b</TH></TR>\r\n"_s,
        u"<TR><TD>c</TD><TD>d</TD></TR>\r\n"_s,
        u"</TABLE>"_s,
    };
    EXPECT_EQ(tablePieces(o), expected);
}

TEST(TableTag, FirstUseIsFiveByFiveEmptyDataCells)
{
    const QString row = u"<TR><TD></TD><TD></TD><TD></TD><TD></TD><TD></TD></TR>\r\n"_s;
    const QStringList expected = {u"<TABLE>\r\n"_s, row, row, row, row, row, u"</TABLE>"_s};
    EXPECT_EQ(tablePieces(emptyTable(5, 5)), expected);
}

TEST(TableTag, HeadingCellsFollowTheHeadingCounts)
{
    const struct {
        int rows, cols;
        bool fixedRows;
        int fixedRowsCount;
        bool fixedCols;
        int fixedColsCount;
        const char16_t *cells;
    } rows[] = {
        {3, 3, true, 1, true, 1, u"HHH|HDD|HDD"},
        {2, 3, false, 0, true, 1, u"HHH|DDD"},
        {2, 3, true, 2, false, 0, u"HHD|HHD"},
        {2, 3, false, 0, true, 5, u"HHH|HHH"},       // more heading rows than rows
        {2, 3, true, 9, false, 0, u"HHH|HHH"},       // more heading columns than columns
        {2, 2, true, 0, true, 0, u"DD|DD"},
        {2, 2, true, -2, true, -1, u"DD|DD"},
        {2, 2, false, 3, false, 3, u"DD|DD"},        // counts without their boxes
        {4, 2, true, 1, true, 2, u"HH|HH|HD|HD"},
        {1, 1, true, 1, false, 0, u"H"},
    };
    for (const auto &r : rows) {
        TableOptions o = emptyTable(r.rows, r.cols);
        o.fixedRows = r.fixedRows;
        o.fixedRowsCount = r.fixedRowsCount;
        o.fixedCols = r.fixedCols;
        o.fixedColsCount = r.fixedColsCount;
        const QString pattern = QString::fromUtf16(r.cells);
        EXPECT_EQ(whole(o), u"<TABLE>\r\n"_s + emptyRows(pattern) + u"</TABLE>"_s)
                << pattern.toStdString();
    }
}

TEST(TableTag, EachAttributeAlone)
{
    const struct {
        std::function<void(TableOptions &)> set;
        const char16_t *line;
    } rows[] = {
        {[](TableOptions &o) { o.pos = true; o.posAlign = TableAlign::Left; },
         u"<TABLE ALIGN=left>"},
        {[](TableOptions &o) { o.pos = true; o.posAlign = TableAlign::Center; },
         u"<TABLE ALIGN=center>"},
        {[](TableOptions &o) { o.pos = true; o.posAlign = TableAlign::Right; },
         u"<TABLE ALIGN=right>"},
        {[](TableOptions &o) { o.background = true; o.backgroundFile = u"tile.gif"_s; },
         u"<TABLE BACKGROUND=\"tile.gif\">"},
        {[](TableOptions &o) { o.background = true; },
         u"<TABLE BACKGROUND=\"\">"},
        {[](TableOptions &o) { o.backColor = true; o.backColorValue = QColor(0, 0, 128); },
         u"<TABLE BACKCOLOR=#000080>"},
        {[](TableOptions &o) { o.borderColor = true; o.borderColorValue = QColor(255, 0, 0); },
         u"<TABLE BORDERCOLOR=#FF0000>"},
        {[](TableOptions &o) {
             o.borderColorLight = true;
             o.borderColorLightValue = QColor(0x12, 0x34, 0x56);
         },
         u"<TABLE BORDERCOLORLIGHT=\"123456\">"},
        {[](TableOptions &o) { o.borderColorDark = true; o.borderColorDarkValue = Qt::black; },
         u"<TABLE BORDERCOLORDARK=\"000000\">"},
        {[](TableOptions &o) { o.textVAlign = true; o.textVAlignValue = CellVAlign::Top; },
         u"<TABLE VALIGN=top>"},
        {[](TableOptions &o) { o.textVAlign = true; o.textVAlignValue = CellVAlign::Middle; },
         u"<TABLE>"},
        {[](TableOptions &o) { o.textVAlign = true; o.textVAlignValue = CellVAlign::Bottom; },
         u"<TABLE VALIGN=bottom>"},
        {[](TableOptions &o) { o.border = true; o.borderValue = u"1"_s; },
         u"<TABLE BORDER=\"1\">"},
        {[](TableOptions &o) { o.cellSpacing = true; o.cellSpacingValue = u"2"_s; },
         u"<TABLE CELLSPACING=\"2\">"},
        {[](TableOptions &o) { o.cellPadding = true; o.cellPaddingValue = u"3"_s; },
         u"<TABLE CELLPADDING=\"3\">"},
        {[](TableOptions &o) { o.width = true; o.widthValue = u"80"_s; },
         u"<TABLE WIDTH=\"80\">"},
        {[](TableOptions &o) { o.width = true; o.widthValue = u"80"_s; o.widthPercent = true; },
         u"<TABLE WIDTH=\"80%\">"},
        {[](TableOptions &o) { o.height = true; o.heightValue = u"120"_s; },
         u"<TABLE HEIGHT=\"120\">"},
        {[](TableOptions &o) { o.height = true; o.heightValue = u"50"_s; o.heightPercent = true; },
         u"<TABLE HEIGHT=\"50%\">"},
        // Numbers go in exactly as typed.
        {[](TableOptions &o) { o.border = true; o.borderValue = u" 3"_s; },
         u"<TABLE BORDER=\" 3\">"},
        {[](TableOptions &o) { o.cellSpacing = true; o.cellSpacingValue = u"-2"_s; },
         u"<TABLE CELLSPACING=\"-2\">"},
        {[](TableOptions &o) { o.width = true; o.widthValue = u"$1F"_s; o.widthPercent = true; },
         u"<TABLE WIDTH=\"$1F%\">"},
        // A value without its box is not written.
        {[](TableOptions &o) { o.borderValue = u"1"_s; o.widthValue = u"80"_s; },
         u"<TABLE>"},
    };
    for (const auto &row : rows) {
        TableOptions o = emptyTable(1, 1);
        row.set(o);
        EXPECT_EQ(tableStartLine(o), QString::fromUtf16(row.line) + u"\r\n"_s);
    }
}

TEST(TableTag, AllTwelveAttributesInTheirOrder)
{
    TableOptions o = emptyTable(1, 1);
    o.height = true;
    o.heightValue = u"200"_s;
    o.width = true;
    o.widthValue = u"90"_s;
    o.widthPercent = true;
    o.cellPadding = true;
    o.cellPaddingValue = u"4"_s;
    o.cellSpacing = true;
    o.cellSpacingValue = u"0"_s;
    o.border = true;
    o.borderValue = u"2"_s;
    o.textVAlign = true;
    o.textVAlignValue = CellVAlign::Bottom;
    o.borderColorDark = true;
    o.borderColorDarkValue = QColor(0x80, 0x80, 0x80);
    o.borderColorLight = true;
    o.borderColorLightValue = QColor(0xC0, 0xC0, 0xC0);
    o.borderColor = true;
    o.borderColorValue = QColor(0, 0x80, 0);
    o.backColor = true;
    o.backColorValue = QColor(0xFF, 0xFF, 0);
    o.background = true;
    o.backgroundFile = u"back.gif"_s;
    o.pos = true;
    o.posAlign = TableAlign::Center;
    EXPECT_EQ(tableStartLine(o),
              u"<TABLE ALIGN=center BACKGROUND=\"back.gif\" BACKCOLOR=#FFFF00 BORDERCOLOR=#008000"
              u" BORDERCOLORLIGHT=\"C0C0C0\" BORDERCOLORDARK=\"808080\" VALIGN=bottom BORDER=\"2\""
              u" CELLSPACING=\"0\" CELLPADDING=\"4\" WIDTH=\"90%\" HEIGHT=\"200\">\r\n"_s);
}

TEST(TableTag, CaptionSideAndAlignment)
{
    const struct {
        CaptionSide side;
        TableAlign align;
        const char16_t *text;
        const char16_t *line;
    } rows[] = {
        {CaptionSide::Top, TableAlign::Left, u"表題", u"<CAPTION VALIGN=top ALIGN=left>表題</CAPTION>"},
        {CaptionSide::Top, TableAlign::Right, u"x", u"<CAPTION VALIGN=top ALIGN=right>x</CAPTION>"},
        {CaptionSide::Bottom, TableAlign::Center, u"x", u"<CAPTION VALIGN=bottom ALIGN=center>x</CAPTION>"},
        {CaptionSide::Bottom, TableAlign::Left, u"", u"<CAPTION VALIGN=bottom ALIGN=left></CAPTION>"},
        {CaptionSide::Top, TableAlign::Left, u" a<b>&amp; ", u"<CAPTION VALIGN=top ALIGN=left> a<b>&amp; </CAPTION>"},
    };
    for (const auto &row : rows) {
        TableOptions o = emptyTable(1, 1);
        o.caption = true;
        o.captionSide = row.side;
        o.captionAlign = row.align;
        o.captionText = QString::fromUtf16(row.text);
        const QString line = QString::fromUtf16(row.line) + u"\r\n"_s;
        EXPECT_EQ(tablePieces(o),
                  (QStringList{u"<TABLE>\r\n"_s, line, u"<TR><TD></TD></TR>\r\n"_s, u"</TABLE>"_s}));
    }
    // Without the box there is no caption line, whatever the text.
    TableOptions o = emptyTable(1, 1);
    o.captionText = u"T"_s;
    EXPECT_EQ(tableCaptionLine(o), QString());
    EXPECT_EQ(whole(o), u"<TABLE>\r\n<TR><TD></TD></TR>\r\n</TABLE>"_s);
}

TEST(TableTag, CellTextsGoInAsTyped)
{
    TableOptions o = emptyTable(2, 3);
    o.fixedCols = true;
    o.fixedColsCount = 1;
    o.cells = {u"a<b"_s, u"&amp;"_s, u" 見出し "_s, u"x&y"_s, u""_s, u"<td>"_s};
    EXPECT_EQ(whole(o), u"<TABLE>\r\n"
                        u"<TR><TH>a<b</TH><TH>&amp;</TH><TH> 見出し </TH></TR>\r\n"
                        u"<TR><TD>x&y</TD><TD></TD><TD><td></TD></TR>\r\n"
                        u"</TABLE>"_s);
}

TEST(TableTag, MissingCellTextsAreEmptyCells)
{
    TableOptions o = emptyTable(2, 2);
    o.cells = {u"a"_s};
    EXPECT_EQ(tableRowLine(o, 0), u"<TR><TD>a</TD><TD></TD></TR>\r\n"_s);
    EXPECT_EQ(tableRowLine(o, 1), u"<TR><TD></TD><TD></TD></TR>\r\n"_s);
}

} // namespace
