#include "app/menu_rows.h"
#include "app/tool_panel.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <gtest/gtest.h>
#include <string_view>

namespace {

QString helpHtml()
{
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/marquill.html"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The help shipped beside the program, as its reader sees it.
QString helpText()
{
    QTextDocument document;
    document.setHtml(helpHtml());
    return document.toPlainText();
}

using Table = QList<QStringList>;

// The tables of the section that starts at the anchor `name`, up to the
// next section: each row as the plain text of its cells, the heading row
// left out.
QList<Table> sectionTables(const QString &name)
{
    const QString html = helpHtml();
    const qsizetype start = html.indexOf(QStringLiteral("<a name=\"%1\">").arg(name));
    if (start < 0)
        return {};
    qsizetype end = html.indexOf(QStringLiteral("<h2>"), html.indexOf(QStringLiteral("<h2>"), start) + 1);
    if (end < 0)
        end = html.indexOf(QStringLiteral("</body>"), start);
    QTextDocument document;
    document.setHtml(html.mid(start, end - start));
    QList<Table> tables;
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        Table rows;
        for (int r = 1; r < table->rows(); ++r) {
            QStringList cells;
            for (int c = 0; c < table->columns(); ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                QTextCursor cursor = cell.firstCursorPosition();
                cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                cells << cursor.selectedText().simplified();
            }
            rows << cells;
        }
        tables << rows;
    }
    return tables;
}

// The caption of the menu entry `name`.
template <typename Command>
QString captionOf(std::span<const MenuRow<Command>> rows, const char *name)
{
    for (const MenuRow<Command> &row : rows) {
        if (row.name == std::string_view(name))
            return QString::fromUtf8(row.caption);
    }
    return {};
}

template <typename Rows>
void expectEveryShownCaptionIn(const QString &help, const Rows &rows)
{
    for (const auto &row : rows) {
        const QString caption = QString::fromUtf8(row.caption);
        if (caption.isEmpty() || caption == u"-" || row.hidden)
            continue;
        EXPECT_TRUE(help.contains(caption)) << row.name << " " << caption.toStdString();
    }
}

TEST(HelpDocument, DescribesEveryShownMenuEntry)
{
    const QString help = helpText();
    ASSERT_FALSE(help.isEmpty());
    expectEveryShownCaptionIn(help, mainMenuRows());
    expectEveryShownCaptionIn(help, documentMenuRows());
}

// Every button of both bars has a row of its own in the bars' order: its
// tooltip, the caption of the menu entry it triggers, and what it does.
TEST(HelpDocument, DescribesEveryToolbarButtonInItsBarsOrder)
{
    const QList<Table> tables = sectionTables(QStringLiteral("toolbar"));
    ASSERT_EQ(tables.size(), 2);
    const std::span<const ToolButtonRow> bars[] = {speedPanelRows(), extPanelRows()};
    for (int bar = 0; bar < 2; ++bar) {
        const Table &table = tables[bar];
        ASSERT_EQ(table.size(), qsizetype(bars[bar].size())) << "bar " << bar;
        for (std::size_t i = 0; i < bars[bar].size(); ++i) {
            const ToolButtonRow &button = bars[bar][i];
            const QStringList &cells = table[qsizetype(i)];
            ASSERT_EQ(cells.size(), 3) << button.name;
            EXPECT_EQ(cells[0], shortHint(button.hint)) << button.name;
            EXPECT_FALSE(cells[2].isEmpty()) << button.name;
            const QString caption = *button.entry ? captionOf(documentMenuRows(), button.entry)
                                                  : captionOf(mainMenuRows(), button.mainEntry);
            ASSERT_FALSE(caption.isEmpty()) << button.name << " names no menu entry";
            EXPECT_TRUE(cells[1].endsWith(caption))
                    << button.name << ": " << cells[1].toStdString() << " is not " << caption.toStdString();
        }
    }
}

TEST(HelpDocument, OpensAtItsContents)
{
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/marquill.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("<a name=\"context-1\">"));
}

} // namespace
