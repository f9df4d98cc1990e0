#include "document/doc_editor.h"
#include "document/editor_view.h"

#include <QAbstractTextDocumentLayout>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QtMath>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// An editor with a font of one width for every ASCII character, so that a
// window can be made exactly so many characters wide.
class TagWrap : public ::testing::Test
{
protected:
    TDocEditor editor;
    qreal advance = 0;

    void SetUp() override
    {
        editor.setFont(QFont(u"IPAGothic"_s, 12));
        editor.resize(400, 200);
        editor.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
        const QFontMetricsF metrics(editor.font());
        advance = metrics.horizontalAdvance(u'x');
        ASSERT_EQ(metrics.horizontalAdvance(u"<W/i>-"_s), 6 * advance) << "not a font of one width";
    }

    // Room for `columns` characters a row and half of one more.
    void setColumns(int columns)
    {
        const qreal margin = editor.document()->documentMargin();
        const int width = qCeil(2 * margin + (columns + 0.5) * advance);
        editor.resize(editor.width() - editor.viewport()->width() + width, 200);
        ASSERT_EQ(editor.viewport()->width(), width);
    }

    // The rows line `number` is shown in, "|" between them. It is drawn
    // first, so it is laid out as for the screen.
    std::string rows(int number = 0)
    {
        editor.viewport()->repaint();
        const QTextBlock block = editor.document()->findBlockByNumber(number);
        editor.document()->documentLayout()->blockBoundingRect(block);
        const QTextLayout *layout = block.layout();
        QStringList rows;
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            rows << block.text().mid(line.textStart(), line.textLength());
        }
        return rows.join(u'|').toStdString();
    }
};

struct Row {
    const char *text;
    int columns;
    const char *rows;
};

TEST_F(TagWrap, BreaksAtBlanksNeverInATagName)
{
    const Row table[] = {
        // Unicode allows a break after "</" and after a hyphen.
        {"abcdefgh ijk</FONT>", 14, "abcdefgh |ijk</FONT>"},
        {"abcdefgh </FONT>", 11, "abcdefgh |</FONT>"},
        {"abcdefgh <my-tag>", 13, "abcdefgh |<my-tag>"},
        {"abcdef </my-tag-x>", 14, "abcdef |</my-tag-x>"},
        {"abcdefgh <FONT>", 10, "abcdefgh |<FONT>"},
        // Only the name: a hyphen after it still breaks, as a blank does.
        {"<a data-value=1>", 10, "<a data-|value=1>"},
        {"aaaa bbbb cccc", 10, "aaaa bbbb |cccc"},
        {"x < y-z", 5, "x < |y-z"},
        // A name wider than the window breaks where it must.
        {"<VERYLONGNAME>", 8, "<VERYLON|GNAME>"},
        {"ab </VERYLONGNAME>", 8, "ab |</VERYLO|NGNAME>"},
        // Fits: one row.
        {"abcdefgh ijk</FONT>", 19, "abcdefgh ijk</FONT>"},
    };
    for (const Row &row : table) {
        setColumns(row.columns);
        editor.setPlainText(QString::fromUtf8(row.text));
        EXPECT_EQ(rows(), row.rows) << row.text << " in " << row.columns;
    }
}

TEST_F(TagWrap, HoldsAfterEditsInTheLine)
{
    setColumns(14);
    editor.setPlainText(u"x\nabcdefgh ijk</FONT>"_s);
    ASSERT_EQ(rows(1), "abcdefgh |ijk</FONT>");
    QTextCursor cursor(editor.document()->findBlockByNumber(1));
    editor.setTextCursor(cursor);
    const struct {
        int key;
        const char *rows;
    } steps[] = {
        {Qt::Key_Delete, "bcdefgh |ijk</FONT>"},
        {Qt::Key_Z, "zbcdefgh |ijk</FONT>"},
        {Qt::Key_Backspace, "bcdefgh |ijk</FONT>"},
    };
    for (const auto &step : steps) {
        QTest::keyClick(&editor, Qt::Key(step.key));
        EXPECT_EQ(rows(1), step.rows);
    }
}

TEST_F(TagWrap, HoldsAfterResizingAndWithColouringOff)
{
    editor.setPlainText(u"x\nabcdef ijk</FONT>\nabcdef </my-tag>"_s);
    setColumns(30);
    EXPECT_EQ(rows(1) + '/' + rows(2), "abcdef ijk</FONT>/abcdef </my-tag>");
    setColumns(12);
    EXPECT_EQ(rows(1) + '/' + rows(2), "abcdef |ijk</FONT>/abcdef |</my-tag>");
    EditorView::of(&editor)->apply({.colourTags = false});
    setColumns(13);
    EXPECT_EQ(rows(1) + '/' + rows(2), "abcdef |ijk</FONT>/abcdef |</my-tag>");
}

TEST_F(TagWrap, WrapOffKeepsEachLineInOneRowAndOnAgainKeepsTagsWhole)
{
    setColumns(14);
    editor.setPlainText(u"abcdefgh ijk</FONT>"_s);
    EditorView *view = EditorView::of(&editor);
    view->apply({.wrap = false});
    EXPECT_EQ(rows(), "abcdefgh ijk</FONT>");
    view->apply({.wrap = true});
    setColumns(14);
    EXPECT_EQ(rows(), "abcdefgh |ijk</FONT>");
}

} // namespace
