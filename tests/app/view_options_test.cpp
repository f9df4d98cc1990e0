#include "main_form_fixture.h"

#include "app/view_settings.h"
#include "document/editor_view.h"
#include "document/line_gutter.h"
#include "support/shown_colours.h"

#include <QFile>
#include <QSettings>
#include <QTextBlock>

using namespace Qt::StringLiterals;

namespace {

using ViewOptionsTest = MainFormFixture;

QByteArray bytesOf(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST_F(ViewOptionsTest, EntriesSwitchEveryWindowAndAreKeptInTheirOwnFile)
{
    QFile::remove(viewSettingsPath());
    form->close();
    const QByteArray iniBefore = bytesOf(fake.configFilePath());
    ASSERT_FALSE(iniBefore.isEmpty());
    start();
    form->FileNewItemClick();
    form->FileNewItemClick();
    EXPECT_EQ(EditorView::of(current()->txtDoc)->options(), ViewOptions());
    current()->txtDoc->viewport()->repaint();
    EXPECT_FALSE(shownColours(*current()->txtDoc).isEmpty());

    struct Row {
        const char *entry;
        ViewOptions after;
    };
    const Row rows[] = {
        {"ColourTags", {.colourTags = false, .lineNumbers = false, .wrap = true}},
        {"LineNumbers", {.colourTags = false, .lineNumbers = true, .wrap = true}},
        {"WrapLines", {.colourTags = false, .lineNumbers = true, .wrap = false}},
    };
    for (const Row &row : rows) {
        trigger(QString::fromUtf8(row.entry));
        EXPECT_EQ(form->Views, row.after) << row.entry;
        EXPECT_EQ(entry(QString::fromUtf8(row.entry))->isChecked(),
                  row.entry == "ColourTags"_ba ? row.after.colourTags
                  : row.entry == "LineNumbers"_ba ? row.after.lineNumbers : row.after.wrap);
        for (TMDIChild *doc : form->Documents.filled())
            EXPECT_EQ(EditorView::of(doc->txtDoc)->options(), row.after) << row.entry;
        EXPECT_EQ(readViewSettings(viewSettingsPath()), row.after) << row.entry;
    }
    TDocEditor *editor = current()->txtDoc;
    EXPECT_EQ(editor->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_TRUE(EditorView::of(editor)->gutter()->isVisible());
    editor->viewport()->repaint();
    EXPECT_TRUE(shownColours(*editor).isEmpty());

    form->close();
    EXPECT_EQ(bytesOf(fake.configFilePath()), iniBefore);
    start();
    EXPECT_EQ(form->Views, rows[2].after);
    form->FileNewItemClick();
    EXPECT_EQ(EditorView::of(current()->txtDoc)->options(), rows[2].after);
    QFile::remove(viewSettingsPath());
}

TEST_F(ViewOptionsTest, GoToLineMovesTheCaretOrWarnsOfTheRange)
{
    form->FileNewItemClick();
    TDocEditor *editor = current()->txtDoc;
    editor->setPlainText(u"one\ntwo\nthree\nfour"_s);
    struct Row {
        std::optional<QString> typed;
        int caretLine;  // from 1; 0: left where it was
        bool warned;
    };
    const Row rows[] = {
        {u"3"_s, 3, false}, {u" 4 "_s, 4, false}, {u"1"_s, 1, false}, {u"0"_s, 0, true},
        {u"5"_s, 0, true}, {u"abc"_s, 0, true}, {u""_s, 0, true}, {u"-2"_s, 0, true},
        {std::nullopt, 0, false},
    };
    for (const Row &row : rows) {
        QTextCursor cursor = editor->textCursor();
        cursor.setPosition(6);
        editor->setTextCursor(cursor);
        fake.inputs = {row.typed};
        fake.messages.clear();
        QTest::keyClick(editor, Qt::Key_G, Qt::ControlModifier);
        const QString typed = row.typed.value_or(u"(cancelled)"_s);
        ASSERT_EQ(fake.inputRequests.size(), 1) << typed.toStdString();
        const InputBoxRequest asked = fake.inputRequests.takeFirst();
        EXPECT_EQ(asked.title, u"指定行へ移動"_s);
        EXPECT_EQ(asked.prompt, u"行番号 (1～4)"_s);
        const int expected = row.caretLine
                ? editor->document()->findBlockByNumber(row.caretLine - 1).position() : 6;
        EXPECT_EQ(editor->textCursor().position(), expected) << typed.toStdString();
        EXPECT_EQ(fake.messageTexts(),
                  row.warned ? QStringList{u"行番号は 1 から 4 までです"_s} : QStringList())
                << typed.toStdString();
    }
}

} // namespace
