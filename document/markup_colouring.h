#pragma once

#include "document/markup_tokenizer.h"

#include <QColor>
#include <QObject>
#include <QTextEdit>
#include <array>
#include <optional>

class TDocEditor;
class QTextBlock;

// Colours the markup of the lines an editor shows, and tints a range (the
// partner tag) on request.
//
// Colours are drawn over the laid-out text (extra selections), so colouring
// never lays a line out again, however long it is. Each line's end state
// is kept in its block's user state; states are trusted up to a watermark
// and worked out as far as the lines shown need them. An edit recolours
// from its line until the state meets the one kept, or past the lines shown.
class MarkupColouring : public QObject
{
public:
    explicit MarkupColouring(TDocEditor *editor);

    void setEnabled(bool on);
    bool isEnabled() const { return m_enabled; }

    // Ranges of the document drawn with a background tint.
    void setTinted(const QList<QTextEdit::ExtraSelection> &tinted);

    // The state the line `block` starts in (the lines above it are worked
    // out if they are not yet).
    MarkupState stateBefore(const QTextBlock &block);
    QColor colour(MarkupKind kind) const { return m_colours[int(kind)]; }

    // Builds the coloured spans of the lines shown now, unless nothing they
    // depend on changed. Runs as each paint begins.
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void contentsChanged(int position, int removed, int added);
    void trustUpTo(int blockNumber);
    void pickColours();
    // The part of `block` in sight: all of it, or for a very long line the
    // characters of its lines (and columns) inside the viewport.
    std::pair<qsizetype, qsizetype> shownPart(const QTextBlock &block, const QRectF &rect) const;

    TDocEditor *m_editor;
    bool m_enabled = false;
    // End states of blocks 0 to m_trusted - 1 are up to date.
    int m_trusted = 0;
    int m_blockCount = 1;
    std::array<QColor, MarkupKindCount> m_colours;
    QList<QTextEdit::ExtraSelection> m_tinted;
    // What the coloured spans were built for; the same again skips the build.
    QList<qsizetype> m_builtFor;
    // The spans of each line shown, and what they were worked out from.
    struct ColouredLine {
        QTextCursor start;
        QString text;  // the part coloured
        MarkupState before;
        qsizetype from;
        int tints;
        QList<QTextEdit::ExtraSelection> spans;
    };
    QList<ColouredLine> m_lines;
    // Counts the changes of the tinted ranges, which the spans' backgrounds follow.
    int m_tintCount = 0;
};
