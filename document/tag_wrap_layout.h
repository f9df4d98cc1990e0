#pragma once

#include <QPlainTextDocumentLayout>

// The editor's line layout: Qt's plain text layout, except that a wrapped
// line never breaks inside a tag's name, nor between "<" or "</" and the
// name. Unicode line breaking allows a break after the "/" of "</" and after
// a hyphen ("<my-tag"); here the name goes to the next line whole, unless it
// is wider than the window on its own. Without wrapping, Qt lays out alone.
//
// Qt offers no hook into its line breaking, and Qt's layout throws away
// break opportunities worked out ahead of time when it begins a block. So
// while wrapping, this layout lays the lines out itself, the way Qt's own
// does, and clears the unwanted opportunities in between. Qt reaches a line's
// layout through blockBoundingRect() (painting, scrolling, the caret) or
// documentChanged() (an edit), both of which are here; a path that missed
// them would only get Qt's own breaking.
//
// It reads Qt's private text engine, so it is used only with the Qt it was
// built against.
class TagWrapLayout : public QPlainTextDocumentLayout
{
    Q_OBJECT
public:
    explicit TagWrapLayout(QTextDocument *document);

    // Whether the running Qt is the one this was built against.
    static bool fitsRunningQt();

    QRectF blockBoundingRect(const QTextBlock &block) const override;

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    bool wrapping() const;
    void layOut(const QTextBlock &block);

    // Qt's layout's own count, as it stood after Qt last saw an edit: an
    // edit within one line keeps it.
    int m_blockCount = 1;
    // Set while the document's new size is being told; the views lay out
    // more lines on hearing it, whose sizes they read at the end anyway.
    bool m_tellingSize = false;
};
