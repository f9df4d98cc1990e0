#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

enum class TableAlign { Left, Center, Right };
enum class CellVAlign { Top, Middle, Bottom };
enum class CaptionSide { Top, Bottom };

// Everything a whole table is written from: the TABLE attributes, the
// caption, the heading counts and the cell texts. Numbers are kept as typed.
struct TableOptions {
    bool pos = false;
    TableAlign posAlign = TableAlign::Left;
    bool background = false;
    QString backgroundFile{};
    bool backColor = false;
    QColor backColorValue = Qt::white;
    bool borderColor = false;
    QColor borderColorValue = Qt::white;
    bool borderColorLight = false;
    QColor borderColorLightValue = Qt::white;
    bool borderColorDark = false;
    QColor borderColorDarkValue = Qt::white;
    bool textVAlign = false;
    CellVAlign textVAlignValue = CellVAlign::Top;
    bool border = false;
    QString borderValue{};
    bool cellSpacing = false;
    QString cellSpacingValue{};
    bool cellPadding = false;
    QString cellPaddingValue{};
    bool width = false;
    QString widthValue{};
    bool widthPercent = false;
    bool height = false;
    QString heightValue{};
    bool heightPercent = false;

    bool caption = false;
    QString captionText{};
    CaptionSide captionSide = CaptionSide::Top;
    TableAlign captionAlign = TableAlign::Left;

    // Heading cells at the start of every row (heading columns on the left).
    bool fixedRows = false;
    int fixedRowsCount = 0;
    // Heading rows at the top.
    bool fixedCols = false;
    int fixedColsCount = 0;

    int rows = 1;
    int cols = 1;
    // Row-major, rows × cols; a missing text is an empty cell.
    QStringList cells{};

    QString cell(int row, int col) const { return cells.value(qsizetype(row) * cols + col); }

    bool operator==(const TableOptions &) const = default;
};

// A whole table, one line per piece, each piece inserted on its own:
//   <TABLE ALIGN=center BORDER="1">
//   <CAPTION VALIGN=top ALIGN=center>T</CAPTION>
//   <TR><TH>a</TH><TH>b</TH></TR>
//   <TR><TD>c</TD><TD>d</TD></TR>
//   </TABLE>                         (no line end)
QString tableStartLine(const TableOptions &options);
// Empty when the table has no caption.
QString tableCaptionLine(const TableOptions &options);
QString tableRowLine(const TableOptions &options, int row);
// The lines above in insertion order.
QStringList tablePieces(const TableOptions &options);
