#include "document/doc_editor.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QTextBlock>

// Input methods: what is being composed is shown in the line until it is
// committed; commands and focus changes commit it first.

void TDocEditor::inputMethodEvent(QInputMethodEvent *event)
{
    QTextCursor cursor = textCursor();
    if (overwriteMode() && !event->commitString().isEmpty() && event->replacementLength() == 0
        && !cursor.hasSelection()) {
        // Overwrite takes as many characters as come in, up to the line's end;
        // the editor removes what is selected and inserts in one undo step.
        const int lineEnd = cursor.block().position() + cursor.block().length() - 1;
        const int end = qMin(lineEnd, cursor.position() + int(event->commitString().size()));
        if (end > cursor.position()) {
            cursor.setPosition(end, QTextCursor::KeepAnchor);
            setTextCursor(cursor);
        }
    }
    m_preedit = event->preeditString();
    QPlainTextEdit::inputMethodEvent(event);
}

void TDocEditor::commitComposition()
{
    if (m_preedit.isEmpty())
        return;
    // The input method commits what it holds and forgets it; if nothing came
    // (it is not ours to ask any more), what was shown is committed here.
    if (QGuiApplication::focusObject() == this)
        QGuiApplication::inputMethod()->commit();
    if (m_preedit.isEmpty())
        return;
    QInputMethodEvent commit;
    commit.setCommitString(m_preedit);
    inputMethodEvent(&commit);
    QGuiApplication::inputMethod()->reset();
}

void TDocEditor::focusOutEvent(QFocusEvent *event)
{
    commitComposition();
    QPlainTextEdit::focusOutEvent(event);
}
