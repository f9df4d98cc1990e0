#include "document/doc_editor.h"

#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <cctype>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// rawText() is kept between calls; every kind of edit must show in the next one.
struct EditRow {
    const char *name;
    std::function<void(TDocEditor &)> edit;
    QString expected;
};

void PrintTo(const EditRow &row, std::ostream *os)
{
    *os << row.name;
}

QTextCursor cursorAt(TDocEditor &editor, int anchor, int position)
{
    QTextCursor cursor(editor.document());
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    return cursor;
}

const QString start = u"abc\u2029def"_s;

const EditRow editRows[] = {
    {"typed key",
     [](TDocEditor &e) {
         e.setTextCursor(cursorAt(e, 1, 1));
         QTest::keyClick(&e, Qt::Key_X);
     },
     u"axbc\u2029def"_s},
    {"backspace", [](TDocEditor &e) {
         e.setTextCursor(cursorAt(e, 4, 4));
         QTest::keyClick(&e, Qt::Key_Backspace);
     },
     u"abcdef"_s},
    {"same length through setPlainText", [](TDocEditor &e) { e.setPlainText(u"xyz\ndef"_s); },
     u"xyz\u2029def"_s},
    {"same length replacement", [](TDocEditor &e) { cursorAt(e, 0, 1).insertText(u"A"_s); },
     u"Abc\u2029def"_s},
    {"quiet replacement without undo", [](TDocEditor &e) { e.replaceQuietly(cursorAt(e, 4, 7), u"DEF"_s); },
     u"abc\u2029DEF"_s},
    {"quiet ranges", [](TDocEditor &e) { e.replaceRangesQuietly({{0, 1}, {4, 1}}, u"Q"_s); },
     u"Qbc\u2029Qef"_s},
    {"whole text replaced", [](TDocEditor &e) { e.replaceAllQuietly(u"one\ntwo"_s); },
     u"one\u2029two"_s},
    {"cleared", [](TDocEditor &e) { e.clear(); }, QString()},
    {"undo", [](TDocEditor &e) {
         cursorAt(e, 0, 3).insertText(u"ABC"_s);
         (void)e.rawText();
         e.undo();
     },
     start},
    {"redo", [](TDocEditor &e) {
         cursorAt(e, 0, 3).insertText(u"ABC"_s);
         e.undo();
         (void)e.rawText();
         e.redo();
     },
     u"ABC\u2029def"_s},
    {"edit inside an open edit block", [](TDocEditor &e) {
         QTextCursor cursor = cursorAt(e, 7, 7);
         cursor.beginEditBlock();
         cursor.insertText(u"!"_s);
         EXPECT_EQ(e.rawText(), u"abc\u2029def!"_s);
         cursor.insertText(u"?"_s);
         cursor.endEditBlock();
     },
     u"abc\u2029def!?"_s},
};

class RawTextAfterEdit : public ::testing::TestWithParam<EditRow>
{
};

TEST_P(RawTextAfterEdit, ShowsTheEdit)
{
    TDocEditor editor;
    editor.setPlainText(u"abc\ndef"_s);
    ASSERT_EQ(editor.rawText(), start);
    GetParam().edit(editor);
    EXPECT_EQ(editor.rawText(), GetParam().expected);
    EXPECT_EQ(editor.rawText(), editor.document()->toRawText());
}

INSTANTIATE_TEST_SUITE_P(Edits, RawTextAfterEdit, ::testing::ValuesIn(editRows),
                         [](const auto &info) {
                             std::string name;
                             for (const char *c = info.param.name; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

TEST(RawText, AskingAgainWithoutAnEditSharesTheSameCopy)
{
    TDocEditor editor;
    editor.setPlainText(u"<p>abc</p>\n<p>def</p>"_s);
    const QString first = editor.rawText();
    const QString second = editor.rawText();
    EXPECT_EQ(first.constData(), second.constData());
    EXPECT_EQ(second, u"<p>abc</p>\u2029<p>def</p>"_s);
}

} // namespace
