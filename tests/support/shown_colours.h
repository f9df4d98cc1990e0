#pragma once

#include "document/doc_editor.h"

#include <QTextLayout>

#include <tuple>

// Every format drawn in the lines an editor shows, in document positions:
// the lines' layout formats, then the extra selections drawn over the text.
inline QList<QTextLayout::FormatRange> shownFormats(const TDocEditor &editor)
{
    QList<QTextLayout::FormatRange> drawn;
    for (const TDocEditor::ShownBlock &shown : editor.shownBlocks()) {
        for (QTextLayout::FormatRange range : shown.block.layout()->formats()) {
            range.start += shown.block.position();
            drawn.append(range);
        }
    }
    for (const QTextEdit::ExtraSelection &s : editor.extraSelections())
        drawn.append({s.cursor.selectionStart(), s.cursor.selectionEnd() - s.cursor.selectionStart(), s.format});
    return drawn;
}

// The coloured spans among them, as (start, end, colour).
inline QList<std::tuple<int, int, QRgb>> shownColours(const TDocEditor &editor)
{
    QList<std::tuple<int, int, QRgb>> spans;
    for (const QTextLayout::FormatRange &range : shownFormats(editor)) {
        if (range.format.hasProperty(QTextFormat::ForegroundBrush))
            spans.append({range.start, range.start + range.length, range.format.foreground().color().rgb()});
    }
    return spans;
}

// The colour the character at `position` is drawn in; invalid for the text's own.
inline QColor shownColourAt(const TDocEditor &editor, int position)
{
    QColor colour;
    for (const auto &[start, end, rgb] : shownColours(editor)) {
        if (start <= position && position < end)
            colour = QColor::fromRgb(rgb);
    }
    return colour;
}
