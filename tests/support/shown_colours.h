#pragma once

#include "document/doc_editor.h"

#include <QTextLayout>

#include <tuple>

// Every coloured span drawn in the lines an editor shows, as (start, end,
// colour) in document positions: a line's layout formats, then the extra
// selections drawn over the text.
inline QList<std::tuple<int, int, QRgb>> shownColours(const TDocEditor &editor)
{
    QList<std::tuple<int, int, QRgb>> spans;
    for (const TDocEditor::ShownBlock &shown : editor.shownBlocks()) {
        const QTextBlock &block = shown.block;
        for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
            if (range.format.hasProperty(QTextFormat::ForegroundBrush))
                spans.append({block.position() + range.start, block.position() + range.start + range.length,
                              range.format.foreground().color().rgb()});
        }
    }
    for (const QTextEdit::ExtraSelection &s : editor.extraSelections()) {
        if (s.format.hasProperty(QTextFormat::ForegroundBrush))
            spans.append({s.cursor.selectionStart(), s.cursor.selectionEnd(), s.format.foreground().color().rgb()});
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
