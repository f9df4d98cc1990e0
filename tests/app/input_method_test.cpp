#include "main_form_fixture.h"

#include <QInputMethodEvent>
#include <QTextBlock>
#include <QTextLayout>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

using InputMethodTest = MainFormFixture;

void compose(QWidget *editor, const QString &preedit)
{
    QInputMethodEvent event(preedit, {{QInputMethodEvent::TextFormat, 0, int(preedit.size()), {}}});
    QCoreApplication::sendEvent(editor, &event);
}

void commit(QWidget *editor, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(editor, &event);
}

// Whatever runs a command, text still being composed is in the page first,
// and nothing composed is left drawn in the line.
TEST_F(InputMethodTest, CommandsFindTheComposedTextCommitted)
{
    struct Row {
        const char *how;
        std::function<void()> run;
        const char *text;
    };
    const Row rows[] = {
        {"shortcut", [this] {
             QTest::keyClick(current()->txtDoc, Qt::Key_Return, Qt::ControlModifier); },
         "ab改行<BR>cd"},
        {"menu entry", [this] { trigger(u"FontBold"_s); }, "ab改行<B></B>cd"},
        {"a menu opening", [this] {
             QMenu *menu = form->menuBar()->actions().at(1)->menu();
             menu->popup({0, 0});
             menu->close(); }, "ab改行cd"},
    };
    for (const Row &row : rows) {
        form->FileNewItemClick();
        TDocEditor *editor = current()->txtDoc;
        editor->setPlainText(u"abcd"_s);
        editor->setFocus();
        QTextCursor caret = editor->textCursor();
        caret.setPosition(2);
        editor->setTextCursor(caret);
        compose(editor, u"改行"_s);
        row.run();
        EXPECT_EQ(docText(current()).toStdString(), row.text) << row.how;
        EXPECT_FALSE(editor->isComposing()) << row.how;
        EXPECT_EQ(editor->document()->firstBlock().layout()->preeditAreaText(), QString()) << row.how;
    }
}

TEST_F(InputMethodTest, OverwriteCommitReplacesAsManyUpToTheLineEndAndUndoesWhole)
{
    struct Row {
        int caret;
        const char *committed;
        const char *text;
    };
    const Row rows[] = {
        {1, "日本", "a日本def\r\nxyz"},
        {4, "日本語", "abcd日本語\r\nxyz"},
        {6, "語", "abcdef語\r\nxyz"},
    };
    form->FileNewItemClick();
    TDocEditor *editor = current()->txtDoc;
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_Insert);
    ASSERT_EQ(editor->TypingMode(), 1);
    for (const Row &row : rows) {
        editor->setPlainText(u"abcdef\nxyz"_s);
        QTextCursor caret = editor->textCursor();
        caret.setPosition(row.caret);
        editor->setTextCursor(caret);
        compose(editor, QString::fromUtf8(row.committed));
        commit(editor, QString::fromUtf8(row.committed));
        EXPECT_EQ(docText(current()).toStdString(), row.text);
        editor->undo();
        EXPECT_EQ(docText(current()), u"abcdef\r\nxyz"_s) << row.text;
    }
}

} // namespace
