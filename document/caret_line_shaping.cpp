#include "document/caret_line_shaping.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

CaretLineShaping::CaretLineShaping(QPlainTextEdit *editor)
    : QObject(editor)
    , m_editor(editor)
{
    connect(editor, &QPlainTextEdit::cursorPositionChanged, this, &CaretLineShaping::followCaret);
    followCaret();
}

void CaretLineShaping::followCaret()
{
    const QTextBlock caretLine = m_editor->textCursor().block();
    if (!m_kept.isNull() && m_kept.document() == caretLine.document()) {
        const QTextBlock kept = m_kept.block();
        if (kept.isValid() && kept != caretLine)
            kept.layout()->setCacheEnabled(false);
    }
    if (!caretLine.isValid())
        return;
    // Set again even when the caret stays in the line: a line it was joined
    // to takes the joined line's place.
    caretLine.layout()->setCacheEnabled(true);
    if (m_kept.isNull() || m_kept.block() != caretLine) {
        m_kept = QTextCursor(caretLine);
        // Enter at the line's start leaves this layout with the empty first
        // part: the cursor stays there with it.
        m_kept.setKeepPositionOnInsert(true);
    }
}
