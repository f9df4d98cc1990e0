#include "document/doc_editor.h"
#include "document/editor_view.h"
#include "document/markup_colouring.h"
#include "document/partner_marking.h"
#include "support/shown_colours.h"

#include <QInputMethodEvent>
#include <QPaintEvent>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

#include <algorithm>
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

    QColor colourAt(int position) const { return shownColourAt(editor, position); }

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
        const auto kept = shownColours(editor);
        colouring->setEnabled(false);
        colouring->setEnabled(true);
        editor.viewport()->repaint();
        ASSERT_EQ(shownColours(editor), kept) << "round " << round;
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
    const auto kept = shownColours(editor);
    colouring->setEnabled(false);
    colouring->setEnabled(true);
    editor.viewport()->repaint();
    EXPECT_EQ(shownColours(editor), kept);
    EXPECT_EQ(kept.size(), 4);  // two tags on each of the two lines
}

// What an input method is composing keeps its own underline; the line's
// colours go around it, and after the commit they are a fresh pass's.
TEST_F(MarkupColouringTest, ComposedTextKeepsItsFormatAndTheColoursGoAroundIt)
{
    struct Row {
        int at;
        // The ranges of the line's layout while composing "かな": start, length, and
        // colour or 0 for the composition's underline.
        QList<std::tuple<int, int, QRgb>> composing;
        qsizetype spansAfter;
    };
    const QRgb element = colouring->colour(MarkupKind::ElementName).rgb();
    const QRgb attribute = colouring->colour(MarkupKind::AttributeName).rgb();
    const Row rows[] = {
        {0, {{0, 2, 0}, {2, 3, element}, {6, 4, element}}, 2},
        {2, {{0, 2, element}, {2, 2, 0}, {4, 1, element}, {6, 4, element}}, 4},
        {4, {{0, 3, element}, {4, 2, 0}, {6, 4, element}}, 2},
        {7, {{0, 3, element}, {4, 3, element}, {7, 2, 0}, {9, 1, element}}, 4},
    };
    for (const Row &row : rows) {
        editor.setPlainText(u"<B>x</B>"_s);
        QTextCursor caret = editor.textCursor();
        caret.setPosition(row.at);
        editor.setTextCursor(caret);
        QTextCharFormat underline;
        underline.setFontUnderline(true);
        QInputMethodEvent composing(u"かな"_s, {{QInputMethodEvent::TextFormat, 0, 2, underline}});
        QCoreApplication::sendEvent(&editor, &composing);
        editor.viewport()->repaint();
        QList<std::tuple<int, int, QRgb>> ranges;
        for (const QTextLayout::FormatRange &range : editor.document()->firstBlock().layout()->formats()) {
            ranges.append({range.start, range.length,
                           range.format.fontUnderline() ? 0 : range.format.foreground().color().rgb()});
        }
        EXPECT_EQ(ranges, row.composing) << "at " << row.at;

        QInputMethodEvent commit;
        commit.setCommitString(u"かな"_s);
        QCoreApplication::sendEvent(&editor, &commit);
        editor.viewport()->repaint();
        const auto shown = shownColours(editor);
        colouring->setEnabled(false);
        colouring->setEnabled(true);
        editor.viewport()->repaint();
        EXPECT_EQ(shown, shownColours(editor)) << "at " << row.at;
        EXPECT_EQ(shown.size(), row.spansAfter) << "at " << row.at;
        // Inside a tag the word reads as an attribute's name; outside, as text.
        EXPECT_EQ(shownColourAt(editor, row.at), row.spansAfter == 4 ? QColor(attribute) : QColor())
            << "at " << row.at;
    }
}

// Ranges drawn with the partner tint: a background and no colour of its own.
QList<std::pair<int, int>> tintedShown(const TDocEditor &editor)
{
    QList<std::pair<int, int>> tinted;
    for (const QTextLayout::FormatRange &range : shownFormats(editor)) {
        if (range.format.hasProperty(QTextFormat::BackgroundBrush)
            && !range.format.hasProperty(QTextFormat::ForegroundBrush))
            tinted.append({range.start, range.start + range.length});
    }
    std::sort(tinted.begin(), tinted.end());
    return tinted;
}

// The partner tint is part of a short line's formats and drawn over a long
// one; the colours stay under it either way.
TEST_F(MarkupColouringTest, ThePartnerTintLiesOverTheColours)
{
    const QString filler(9000, u'x');
    struct Row {
        const char *name;
        QString page;
        int caret;
        QList<std::pair<int, int>> tinted;
        int away;  // a caret outside any tag
    };
    const Row rows[] = {
        {"one line", u"<B>x</B>"_s, 1, {{0, 3}, {4, 8}}, 3},
        {"a tag over two lines", u"<B\nCLASS=a>x</B>"_s, 1, {{0, 2}, {3, 11}, {12, 16}}, 11},
        {"a long line", u"<B>"_s + filler + u"</B>"_s, 1, {{0, 3}, {9003, 9007}}, 5},
    };
    for (const Row &row : rows) {
        editor.setPlainText(row.page);
        QTextCursor caret = editor.textCursor();
        caret.setPosition(row.caret);
        editor.setTextCursor(caret);
        EditorView::of(&editor)->partner()->mark();
        editor.viewport()->repaint();
        EXPECT_EQ(tintedShown(editor), row.tinted) << row.name;
        EXPECT_EQ(shownColourAt(editor, 1), colouring->colour(MarkupKind::ElementName)) << row.name;

        caret.setPosition(row.away);
        editor.setTextCursor(caret);
        EditorView::of(&editor)->partner()->mark();
        editor.viewport()->repaint();
        EXPECT_EQ(tintedShown(editor), (QList<std::pair<int, int>>{})) << row.name;
    }
}

// Caret moves in quick succession are marked once the caret stops, where it stopped.
TEST_F(MarkupColouringTest, TheTintFollowsTheCaretOnceItStops)
{
    editor.setPlainText(u"<B>x</B><I>y</I>"_s);
    const QList<std::pair<int, int>> italic = {{8, 11}, {12, 16}};
    for (const int position : {1, 5, 9}) {
        QTextCursor caret = editor.textCursor();
        caret.setPosition(position);
        editor.setTextCursor(caret);
    }
    for (int tries = 0; tries < 100 && tintedShown(editor) != italic; ++tries)
        QTest::qWait(20);
    EXPECT_EQ(tintedShown(editor), italic);
}

// Lines keep their formats while out of sight; whatever they were given
// then, they show what they are now once they come back into sight.
TEST_F(MarkupColouringTest, LinesBackInSightShowTheirColoursAsTheyAreNow)
{
    struct Row {
        const char *name;
        std::function<void(TDocEditor &, MarkupColouring &)> whileAway;
        int line;  // the first line of "<B>x</B>"
        std::optional<MarkupKind> kindShown;  // of its "<B"
    };
    const Row rows[] = {
        {"colouring turned off", [](TDocEditor &, MarkupColouring &c) { c.setEnabled(false); }, 0, std::nullopt},
        {"a comment opened above", [](TDocEditor &e, MarkupColouring &) {
             QTextCursor(e.document()).insertText(u"<!--\n"_s); }, 1, MarkupKind::Comment},
        {"the line grown long", [](TDocEditor &e, MarkupColouring &) {
             QTextCursor line(e.document());
             line.movePosition(QTextCursor::EndOfBlock);
             line.insertText(QString(9000, u'y')); }, 0, MarkupKind::ElementName},
    };
    for (const Row &row : rows) {
        colouring->setEnabled(true);
        editor.setPlainText(QStringList(3000, u"<B>x</B>"_s).join(u'\n'));
        editor.viewport()->repaint();
        editor.moveCursor(QTextCursor::End);
        editor.viewport()->repaint();
        row.whileAway(editor, *colouring);
        editor.moveCursor(QTextCursor::Start);
        editor.viewport()->repaint();
        const int at = editor.document()->findBlockByNumber(row.line).position() + 1;
        EXPECT_EQ(shownColourAt(editor, at), row.kindShown ? colouring->colour(*row.kindShown) : QColor()) << row.name;
        // A line drawn over keeps no formats of its own.
        const QTextBlock first = editor.document()->findBlockByNumber(row.line);
        if (first.length() > 8192) {
            EXPECT_TRUE(first.layout()->formats().isEmpty()) << row.name;
        }
    }
}

// The view repaints only a line edited; an edit that changes the state the
// lines after it start in has them repainted, and so recoloured, too.
TEST_F(MarkupColouringTest, AnEditChangingTheStateAfterItRecoloursTheLinesBelow)
{
    editor.setPlainText(QStringList(5, u"<B>x</B>"_s).join(u'\n'));
    editor.viewport()->repaint();
    const EditRow rows[] = {
        {"a comment opened", [](TDocEditor &e) { QTextCursor(e.document()).insertText(u"<!--"_s); },
         MarkupKind::Comment},
        {"closed a line below", [](TDocEditor &e) {
             QTextCursor(e.document()->findBlockByNumber(1)).insertText(u"-->"_s); }, MarkupKind::ElementName},
        {"a value left open", [](TDocEditor &e) {
             QTextCursor(e.document()->findBlockByNumber(2)).insertText(u"<I CLASS=\""_s); },
         MarkupKind::AttributeValue},
    };
    for (const EditRow &row : rows) {
        row.edit(editor);
        QCoreApplication::processEvents();
        const int at = editor.document()->findBlockByNumber(4).position() + 1;
        EXPECT_EQ(colourAt(at), colouring->colour(*row.kindShown)) << row.name;
    }
}

// Formats change unseen by the view: switching colouring has every line
// shown painted again.
TEST_F(MarkupColouringTest, SwitchingColouringRepaintsEveryLineShown)
{
    struct PaintedRegion : QObject {
        QRegion region;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                region += static_cast<QPaintEvent *>(event)->region();
            return false;
        }
    } painted;
    editor.setPlainText(QStringList(5, u"<B>x</B>"_s).join(u'\n'));
    editor.viewport()->repaint();
    editor.viewport()->installEventFilter(&painted);
    for (const bool on : {false, true}) {
        painted.region = {};
        EditorView::of(&editor)->apply({.colourTags = on});
        QCoreApplication::processEvents();
        for (const auto &[block, rect] : editor.shownBlocks())
            EXPECT_TRUE(painted.region.contains(rect.toRect())) << "line " << block.blockNumber() + 1 << " on " << on;
    }
}

} // namespace
