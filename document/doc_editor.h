#pragma once

#include <QKeySequence>
#include <QList>
#include <QPlainTextEdit>
#include <QTextBlock>

class QMenu;

// The document's editor: plain text that wraps at the window edge, a tab
// for the Tab key, its own undo and modified flag, and insert/overwrite
// switched by the Insert key.
//
// Its text holds one block per line. rawText() gives it with U+2029 between
// lines, the form the file writer, the search and the undo snapshot use; the
// copy is kept until the text changes, so pressing Find Next again and again
// does not copy a long page each time.
class TDocEditor : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TDocEditor(QWidget *parent = nullptr);

    // 0 = insert, 1 = overwrite.
    int TypingMode() const { return m_typingMode; }

    QString rawText() const;
    // Replaces the whole text; leaves no undo step and sets the modified flag.
    void replaceAllQuietly(const QString &text);
    // Replaces what `cursor` selects (or inserts at it) without an undo step of
    // the editor's own; the caret ends after the new text. Sets the modified flag.
    void replaceQuietly(QTextCursor cursor, const QString &text);

    struct Range {
        qsizetype start;
        qsizetype length;
    };
    // Replaces each of the (non-overlapping) ranges by `text` in one edit,
    // without an undo step of the editor's own. Sets the modified flag.
    void replaceRangesQuietly(QList<Range> ranges, const QString &text);

    struct Piece {
        qsizetype start;
        qsizetype length;
        QString text;
    };
    // Replaces each of the (non-overlapping) pieces by its text in one
    // edit, without an undo step of the editor's own; the caret stays where
    // it was. Sets the modified flag.
    void replacePiecesQuietly(QList<Piece> pieces);

    // The selection as the markup builders see it: lines end in CR LF.
    QString selectedTextCrLf() const;

    // Keys bound to menu commands: the editor leaves them to the menu
    // (its own Ctrl+Z, Ctrl+Del and Enter handling would run otherwise).
    void setMenuShortcuts(const QList<QKeySequence> &keys);
    // Shown on right click instead of the editor's own menu, whose Undo
    // would bypass the document's.
    void setContextMenu(QMenu *menu) { m_contextMenu = menu; }

    // Puts text still being composed by an input method into the page, as
    // if committed, so a command finds it there and not in its dialog.
    void commitComposition();
    bool isComposing() const { return !m_preedit.isEmpty(); }

    // For what is drawn beside or over the text (line numbers, colouring):
    // the lines in sight, top to bottom, with their rectangles in the
    // viewport (a hidden line has an empty one).
    struct ShownBlock {
        QTextBlock block;
        QRectF rect;
    };
    QList<ShownBlock> shownBlocks() const;
    // One line's rectangle in the viewport (worked out down from the first
    // line in sight: for many lines, shownBlocks()).
    QRectF shownBlockRect(const QTextBlock &block) const
    {
        return blockBoundingGeometry(block).translated(contentOffset());
    }
    QTextBlock firstShownBlock() const { return firstVisibleBlock(); }
    void setLeftMargin(int width) { setViewportMargins(width, 0, 0, 0); }

Q_SIGNALS:
    void typingModeChanged(int mode);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void toggleTypingMode();
    void forgetRawText();

    // The last rawText() and the document it was taken from.
    mutable QString m_rawText;
    mutable const QTextDocument *m_rawTextOf = nullptr;

    int m_typingMode = 0;
    QString m_preedit;
    QList<QKeySequence> m_menuShortcuts;
    QMenu *m_contextMenu = nullptr;
};
