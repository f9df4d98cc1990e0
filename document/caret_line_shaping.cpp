#include "document/caret_line_shaping.h"

#include <QImage>
#include <QPainter>
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

namespace {

// Qt lets a layout's glyphs go only after it draws or lays out the line;
// a line the caret left that is never drawn again would keep them. A draw
// clipped to nothing lets them go at once without painting anything.
void letGlyphsGo(QTextLayout *layout)
{
    layout->setCacheEnabled(false);
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&scratch);
    layout->draw(&painter, QPointF(), {}, QRectF(0, -2, 1, 1));
}

} // namespace

void CaretLineShaping::followCaret()
{
    const QTextBlock caretLine = m_editor->textCursor().block();
    if (!m_kept.isNull() && m_kept.document() == caretLine.document()) {
        const QTextBlock kept = m_kept.block();
        if (kept.isValid() && kept != caretLine)
            letGlyphsGo(kept.layout());
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
