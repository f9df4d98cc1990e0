#pragma once

#include "document/markup_tokenizer.h"

#include <QColor>
#include <QObject>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <array>
#include <optional>

class TDocEditor;

// Colours the markup of the lines an editor shows, and tints a range (the
// partner tag) on request.
//
// A line's colours are formats of its layout, drawn with its text at no
// cost of their own; setting them lays the line out again, which a line of
// more than a few thousand characters would feel, so such a line has only
// the part in sight coloured, by extra selections drawn over its text.
// Lines out of sight may keep formats from before an edit: every line has
// its formats checked as it comes into sight, before it is drawn.
//
// Each line's end state is kept in its block's user state; states are
// trusted up to a watermark and worked out as far as the lines shown need
// them. An edit recolours from its line until the state meets the one kept,
// or past the lines shown.
class MarkupColouring : public QObject
{
public:
    explicit MarkupColouring(TDocEditor *editor);

    void setEnabled(bool on);
    bool isEnabled() const { return m_enabled; }

    // Ranges of the document drawn with a background tint (a format of
    // their own: only the background is set).
    void setTinted(const QList<QTextEdit::ExtraSelection> &tinted);

    // The state the line `block` starts in (the lines above it are worked
    // out if they are not yet).
    MarkupState stateBefore(const QTextBlock &block);
    QColor colour(MarkupKind kind) const { return m_colours[int(kind)]; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Colours the lines shown in `painted`, unless nothing they depend on
    // changed. Runs as each paint begins.
    void refresh(const QRect &painted);
    void contentsChanged(int position, int removed, int added);
    // Works out the end states again from the line `first`, where an edit
    // began, until they meet the ones kept (the blocks after the edit up to
    // `trustedAfter` were trusted); `firstEnd` is the end state of `first`
    // when it is known already. Returns whether the state after the line
    // `lastChanged` changed.
    bool retrust(const QTextBlock &first, int lastChanged, int trustedAfter, std::optional<MarkupState> firstEnd);
    void trustUpTo(int blockNumber);
    void pickColours();
    using FormatRanges = QList<QTextLayout::FormatRange>;
    // A short line's formats: the colours of `spans`, and the tints in it.
    FormatRanges formatsOf(const QTextBlock &block, const QList<MarkupSpan> &spans) const;
    bool touchesLongLine(const QTextEdit::ExtraSelection &tint) const;
    // Gives a short line the formats `ours`, unless it has them already.
    void colourLine(const QTextBlock &block, const FormatRanges &ours);
    // Colours the line an edit changed before it is laid out again, so the
    // paint that follows need not lay it out a second time; returns the
    // line's end state, if it was coloured.
    std::optional<MarkupState> colourEditedLine(const QTextBlock &block);
    // Takes colours off the lines shown in `painted`, once colouring is off.
    void clearShown(const QRect &painted);
    // The part of `block` in sight: all of it, or for a very long line the
    // characters of its lines (and columns) inside the viewport.
    std::pair<qsizetype, qsizetype> shownPart(const QTextBlock &block, const QRectF &rect) const;

    TDocEditor *m_editor;
    bool m_enabled = false;
    // Whether lines may still hold formats from when colouring was on.
    bool m_formatsLeft = false;
    // End states of blocks 0 to m_trusted - 1 are up to date.
    int m_trusted = 0;
    int m_blockCount = 1;
    std::array<QColor, MarkupKindCount> m_colours;
    // The same colours as formats, shared by every range that uses them.
    std::array<QTextCharFormat, MarkupKindCount> m_formats;
    QList<QTextEdit::ExtraSelection> m_tinted;
    // What the coloured spans were built for; the same again skips the build.
    QList<qsizetype> m_builtFor;
    // The line an edit coloured, at the document's revision after it: the
    // paint that follows, of that line alone, has nothing left to do.
    QTextBlock m_editedLine;
    int m_editedRevision = -1;
    // The spans of each line shown, and what they were worked out from.
    struct ColouredLine {
        QTextCursor start;
        QString text;  // the part coloured
        MarkupState before;
        qsizetype from;
        int tints;
        // A short line's formats, or the spans drawn over a long one.
        QList<QTextLayout::FormatRange> formats;
        QList<QTextEdit::ExtraSelection> spans;
    };
    QList<ColouredLine> m_lines;
    // The colours of the part [from, to) of `block`: those of `was`, moved
    // out of it, if nothing they came from changed.
    ColouredLine colouredLine(const QTextBlock &block, qsizetype from, qsizetype to, ColouredLine *was);
    // Counts the changes of the tinted ranges, which the lines' colours follow.
    int m_tintCount = 0;
};
