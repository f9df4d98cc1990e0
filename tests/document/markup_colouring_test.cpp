#include "document/doc_editor.h"
#include "document/editor_view.h"
#include "document/markup_colouring.h"

#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

class MarkupColouringTest : public ::testing::Test
{
protected:
    TDocEditor editor;
    MarkupColouring *colouring = EditorView::of(&editor)->colouring();

    void SetUp() override
    {
        editor.resize(600, 400);
        editor.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    }

    // The colour the character at `position` is drawn in; invalid for the text's own.
    QColor colourAt(int position) const
    {
        QColor colour;
        for (const QTextEdit::ExtraSelection &s : editor.extraSelections()) {
            if (s.cursor.selectionStart() <= position && position < s.cursor.selectionEnd()
                && s.format.hasProperty(QTextFormat::ForegroundBrush))
                colour = s.format.foreground().color();
        }
        return colour;
    }

    void insertAt(int line, int column, const QString &text)
    {
        QTextCursor cursor(editor.document()->findBlockByNumber(line));
        cursor.setPosition(cursor.position() + column);
        cursor.insertText(text);
    }
};

struct EditRow {
    const char *name;
    std::function<void(TDocEditor &)> edit;
    std::optional<MarkupKind> kindShown;  // nullopt: no colour
};

TEST_F(MarkupColouringTest, EditsFarAboveTheViewRecolourTheLinesShown)
{
    QStringList lines(3000, u"<B>x</B>"_s);
    editor.setPlainText(lines.join(u'\n'));
    editor.moveCursor(QTextCursor::End);
    QCoreApplication::processEvents();
    const auto lastLine = [this] { return editor.document()->lastBlock().position(); };
    ASSERT_EQ(colourAt(lastLine()), colouring->colour(MarkupKind::ElementName));

    const EditRow rows[] = {
        {"comment opened on the first line", [](TDocEditor &e) {
             QTextCursor(e.document()).insertText(u"<!--"_s); }, MarkupKind::Comment},
        {"closed on the second", [](TDocEditor &e) {
             QTextCursor(e.document()->findBlockByNumber(1)).insertText(u"-->"_s); }, MarkupKind::ElementName},
        {"the closing undone", [](TDocEditor &e) { e.undo(); }, MarkupKind::Comment},
        {"the opening undone", [](TDocEditor &e) { e.undo(); }, MarkupKind::ElementName},
        {"a script opened", [](TDocEditor &e) {
             QTextCursor(e.document()->findBlockByNumber(5)).insertText(u"<SCRIPT>\n"_s); }, MarkupKind::Script},
        {"colouring off", [](TDocEditor &e) { EditorView::of(&e)->apply({.colourTags = false}); },
         std::nullopt},
    };
    for (const EditRow &row : rows) {
        row.edit(editor);
        editor.moveCursor(QTextCursor::End);
        QCoreApplication::processEvents();
        const QColor expected = row.kindShown ? colouring->colour(*row.kindShown) : QColor();
        EXPECT_EQ(colourAt(lastLine() + 1), expected) << row.name;
    }
}

// Whatever the edits and wherever the view, the state each line starts in
// is the one a pass over the whole text gives.
// Every coloured span as drawn: start, end and colour.
QList<std::tuple<int, int, QRgb>> drawnSpans(const TDocEditor &editor)
{
    QList<std::tuple<int, int, QRgb>> spans;
    for (const QTextEdit::ExtraSelection &s : editor.extraSelections()) {
        if (s.format.hasProperty(QTextFormat::ForegroundBrush))
            spans.append({s.cursor.selectionStart(), s.cursor.selectionEnd(), s.format.foreground().color().rgb()});
    }
    return spans;
}

TEST_F(MarkupColouringTest, KeptStatesAndSpansMatchAFreshPassAfterRandomEdits)
{
    QStringList lines;
    for (int i = 0; i < 400; ++i)
        lines << u"<P CLASS=\"a\">text %1 &amp;</P>"_s.arg(i);
    editor.setPlainText(lines.join(u'\n'));
    QRandomGenerator random(19);
    const QString pieces[] = {u"<!--"_s, u"-->"_s, u"\""_s, u"<A "_s, u">"_s, u"\n"_s,
                              u"<SCRIPT>"_s, u"</SCRIPT>"_s, u"'"_s};
    for (int round = 0; round < 300; ++round) {
        QTextCursor cursor(editor.document());
        cursor.setPosition(random.bounded(editor.document()->characterCount() - 1));
        if (random.bounded(4) == 0) {
            cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor, random.bounded(1, 30));
            cursor.removeSelectedText();
        } else {
            cursor.insertText(pieces[random.bounded(int(std::size(pieces)))]);
        }
        if (round % 7 == 0)
            editor.verticalScrollBar()->setValue(random.bounded(editor.verticalScrollBar()->maximum() + 1));
        editor.viewport()->repaint();
        // The spans kept from before the edit, moved along with it, are the
        // ones a fresh pass draws.
        const auto kept = drawnSpans(editor);
        colouring->setEnabled(false);
        colouring->setEnabled(true);
        editor.viewport()->repaint();
        ASSERT_EQ(drawnSpans(editor), kept) << "round " << round;
    }
    MarkupState state;
    for (QTextBlock block = editor.document()->begin(); block.isValid(); block = block.next()) {
        ASSERT_EQ(colouring->stateBefore(block), state) << "line " << block.blockNumber() + 1;
        state = tokenizeLine(block.text(), state);
    }
}

TEST_F(MarkupColouringTest, ALineDeletedUnderAnEqualOneLeavesTheEqualOneColoured)
{
    editor.setPlainText(u"<TD>a</TD>\n<TD>a</TD>\n<TD>a</TD>"_s);
    editor.viewport()->repaint();
    QTextCursor line(editor.document()->findBlockByNumber(1));
    line.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    line.removeSelectedText();
    editor.viewport()->repaint();
    const auto kept = drawnSpans(editor);
    colouring->setEnabled(false);
    colouring->setEnabled(true);
    editor.viewport()->repaint();
    EXPECT_EQ(drawnSpans(editor), kept);
    EXPECT_EQ(kept.size(), 4);  // two tags on each of the two lines
}

} // namespace
