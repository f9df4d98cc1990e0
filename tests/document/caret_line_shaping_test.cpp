#include "document/doc_editor.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <gtest/gtest.h>

#include <cctype>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// The numbers of the lines whose glyphs are kept.
QList<int> keptLines(const TDocEditor &editor)
{
    QList<int> kept;
    for (QTextBlock b = editor.document()->begin(); b.isValid(); b = b.next()) {
        if (b.layout()->cacheEnabled())
            kept.append(b.blockNumber());
    }
    return kept;
}

void putCaret(TDocEditor &editor, int position)
{
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(position);
    editor.setTextCursor(cursor);
}

struct CaretRow {
    const char *name;
    std::function<void(TDocEditor &)> move;
    QList<int> kept;
};

void PrintTo(const CaretRow &row, std::ostream *os)
{
    *os << row.name;
}

// "one\ntwo\nthree", caret first in line 1 ("two").
const CaretRow caretRows[] = {
    {"down a line", [](TDocEditor &e) { QTest::keyClick(&e, Qt::Key_Down); }, {2}},
    {"to the start", [](TDocEditor &e) { QTest::keyClick(&e, Qt::Key_Home, Qt::ControlModifier); }, {0}},
    {"within the line", [](TDocEditor &e) { QTest::keyClick(&e, Qt::Key_End); }, {1}},
    {"Enter splits the line", [](TDocEditor &e) { QTest::keyClick(&e, Qt::Key_Return); }, {2}},
    {"Enter inside the line",
     [](TDocEditor &e) {
         QTest::keyClick(&e, Qt::Key_Right);
         QTest::keyClick(&e, Qt::Key_Return);
     },
     {2}},
    {"Backspace joins it to the line above",
     [](TDocEditor &e) { QTest::keyClick(&e, Qt::Key_Backspace); }, {0}},
    {"Delete at a line end joins the next",
     [](TDocEditor &e) {
         QTest::keyClick(&e, Qt::Key_End);
         QTest::keyClick(&e, Qt::Key_Delete);
     },
     {1}},
    {"a new text", [](TDocEditor &e) { e.setPlainText(u"a\nb"_s); }, {0}},
    {"a whole line selected and typed over",
     [](TDocEditor &e) {
         QTextCursor cursor = e.textCursor();
         cursor.setPosition(0);
         cursor.setPosition(8, QTextCursor::KeepAnchor);
         e.setTextCursor(cursor);
         QTest::keyClicks(&e, u"x"_s);
     },
     {0}},
};

class CaretLineKept : public ::testing::TestWithParam<CaretRow>
{
};

TEST_P(CaretLineKept, OnlyTheCaretsLineKeepsItsGlyphs)
{
    TDocEditor editor;
    editor.setPlainText(u"one\ntwo\nthree"_s);
    putCaret(editor, 4);
    ASSERT_EQ(keptLines(editor), QList<int>{1});
    GetParam().move(editor);
    EXPECT_EQ(keptLines(editor), GetParam().kept);
    EXPECT_EQ(GetParam().kept.value(0), editor.textCursor().blockNumber());
}

INSTANTIATE_TEST_SUITE_P(Moves, CaretLineKept, ::testing::ValuesIn(caretRows),
                         [](const auto &info) {
                             std::string name;
                             for (const char *c = info.param.name; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

} // namespace
