#pragma once

#include <QObject>
#include <QTextCursor>

class QPlainTextEdit;

// Keeps the shaped glyphs of the line holding the caret.
//
// Qt shapes a line to lay it out and throws the glyphs away afterwards, so
// every repaint shapes the line again, and a caret blink repaints its line.
// On a line of millions of characters (a minified page) that kept a processor
// busy while nothing happened, and the repaint after a keystroke shaped the
// line a second time. Only the caret's line is kept, so the memory grows with
// one line, not with the page; a line the caret leaves lets its glyphs go the
// next time Qt lays it out or draws it.
class CaretLineShaping : public QObject
{
public:
    explicit CaretLineShaping(QPlainTextEdit *editor);

private:
    void followCaret();

    QPlainTextEdit *m_editor;
    // At the start of the line whose glyphs are kept; it moves with edits.
    QTextCursor m_kept;
};
