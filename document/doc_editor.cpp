#include "document/doc_editor.h"

#include "document/caret_line_shaping.h"
#include "document/editor_view.h"
#include "document/tag_wrap_layout.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr QChar blockSeparator = QChar::ParagraphSeparator;

// Text from outside (clipboard, drops) with every kind of line end as the
// editor's own. A Unicode line separator would stay inside a line and could
// not be saved, so it becomes a line break as well.
QString normalizedInsertText(QString text)
{
    for (QChar &c : text) {
        if (c == QChar::LineSeparator)
            c = u'\n';
    }
    return text;
}

} // namespace

TDocEditor::TDocEditor(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("txtDoc"));
    if (TagWrapLayout::fitsRunningQt()) {
        // A document of its own, so that the editor takes the layout the
        // way it takes any document's (it keeps track of its layout).
        auto *doc = new QTextDocument(this);
        doc->setDocumentLayout(new TagWrapLayout(doc));
        setDocument(doc);
    }
    setAccessibleName(QStringLiteral("txtDoc"));
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(false);
    setUndoRedoEnabled(true);
    connect(document(), &QTextDocument::contentsChange, this, &TDocEditor::forgetRawText);
    new CaretLineShaping(this);
    new EditorView(this);
}

QString TDocEditor::rawText() const
{
    // contentsChange only comes when an edit block closes; the length check
    // also catches an edit still inside one, unless it kept the length.
    const QTextDocument *doc = document();
    if (m_rawTextOf != doc || m_rawText.size() + 1 != doc->characterCount()) {
        m_rawText = doc->toRawText();
        m_rawTextOf = doc;
    }
    return m_rawText;
}

void TDocEditor::forgetRawText()
{
    m_rawText = QString();
    m_rawTextOf = nullptr;
}

void TDocEditor::replaceAllQuietly(const QString &text)
{
    const int position = textCursor().position();
    const int scroll = verticalScrollBar()->value();
    setPlainText(text);
    QTextCursor cursor = textCursor();
    cursor.setPosition(qMin(position, document()->characterCount() - 1));
    setTextCursor(cursor);
    verticalScrollBar()->setValue(scroll);
    document()->setModified(true);
}

void TDocEditor::replaceQuietly(QTextCursor cursor, const QString &text)
{
    // Switching undo off clears the editor's history, so the next Undo falls
    // to the document's snapshot.
    QTextDocument *doc = document();
    doc->setUndoRedoEnabled(false);
    cursor.insertText(text);
    doc->setUndoRedoEnabled(true);
    setTextCursor(cursor);
    doc->setModified(true);
    ensureCursorVisible();
}

void TDocEditor::replaceRangesQuietly(QList<Range> ranges, const QString &text)
{
    // From the back, so the earlier positions still hold.
    std::sort(ranges.begin(), ranges.end(),
              [](const Range &a, const Range &b) { return a.start > b.start; });
    QTextDocument *doc = document();
    doc->setUndoRedoEnabled(false);
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    for (const Range &r : ranges) {
        cursor.setPosition(int(r.start));
        cursor.setPosition(int(r.start + r.length), QTextCursor::KeepAnchor);
        cursor.insertText(text);
    }
    cursor.endEditBlock();
    doc->setUndoRedoEnabled(true);
    doc->setModified(true);
}

void TDocEditor::replacePiecesQuietly(QList<Piece> pieces)
{
    std::sort(pieces.begin(), pieces.end(),
              [](const Piece &a, const Piece &b) { return a.start < b.start; });
    // Many edits cost the editor more than taking a new text at once.
    constexpr qsizetype fewEdits = 64;
    if (pieces.size() > fewEdits) {
        const QString old = rawText();
        QString text;
        qsizetype added = 0;
        for (const Piece &p : std::as_const(pieces))
            added += p.text.size() - p.length;
        text.reserve(old.size() + added);
        qsizetype from = 0;
        for (const Piece &p : std::as_const(pieces)) {
            text += QStringView(old).sliced(from, p.start - from);
            text += p.text;
            from = p.start + p.length;
        }
        text += QStringView(old).sliced(from);
        replaceAllQuietly(text);
        return;
    }
    // The editor's own cursor moves with the edits of this one.
    QTextDocument *doc = document();
    doc->setUndoRedoEnabled(false);
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    // From the back, so the earlier positions still hold.
    for (auto p = pieces.crbegin(); p != pieces.crend(); ++p) {
        cursor.setPosition(int(p->start));
        cursor.setPosition(int(p->start + p->length), QTextCursor::KeepAnchor);
        cursor.insertText(p->text);
    }
    cursor.endEditBlock();
    doc->setUndoRedoEnabled(true);
    doc->setModified(true);
}

QString TDocEditor::selectedTextCrLf() const
{
    const QString selected = textCursor().selectedText();
    QString result;
    result.reserve(selected.size());
    for (QChar c : selected) {
        if (c == blockSeparator)
            result += u"\r\n"_s;
        else
            result += c;
    }
    return result;
}

void TDocEditor::setMenuShortcuts(const QList<QKeySequence> &keys)
{
    m_menuShortcuts = keys;
}

bool TDocEditor::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(key->keyCombination());
        if (m_menuShortcuts.contains(pressed)) {
            // Not claimed by the editor: the menu entry's shortcut runs.
            event->ignore();
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void TDocEditor::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Insert && mods == Qt::NoModifier) {
        toggleTypingMode();
        event->accept();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && mods == Qt::ShiftModifier) {
        // The editor would insert a line separator, which stays inside the
        // line; here every Enter makes a new line.
        textCursor().insertBlock();
        ensureCursorVisible();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TDocEditor::toggleTypingMode()
{
    m_typingMode = m_typingMode == 0 ? 1 : 0;
    setOverwriteMode(m_typingMode == 1);
    setCursorWidth(m_typingMode == 1 ? qMax(2, fontMetrics().averageCharWidth()) : 1);
    Q_EMIT typingModeChanged(m_typingMode);
}

void TDocEditor::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_contextMenu) {
        m_contextMenu->exec(event->globalPos());
        event->accept();
        return;
    }
    QPlainTextEdit::contextMenuEvent(event);
}

QMimeData *TDocEditor::createMimeDataFromSelection() const
{
    // Plain text only, and exactly the characters of the selection (the
    // editor's own conversion would turn non-breaking spaces into blanks).
    QString text = textCursor().selectedText();
    for (QChar &c : text) {
        if (c == blockSeparator)
            c = u'\n';
    }
    auto *data = new QMimeData;
    data->setText(text);
    return data;
}

bool TDocEditor::canInsertFromMimeData(const QMimeData *source) const
{
    return source->hasText();
}

void TDocEditor::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText())
        return;
    QTextCursor cursor = textCursor();
    cursor.insertText(normalizedInsertText(source->text()));
    setTextCursor(cursor);
    ensureCursorVisible();
}

QList<TDocEditor::ShownBlock> TDocEditor::shownBlocks() const
{
    // Each rectangle follows from the one above, as the editor paints them:
    // blockBoundingGeometry() would walk down from the first line each time.
    QList<ShownBlock> shown;
    QPointF offset = contentOffset();
    const qreal bottom = viewport()->height();
    for (QTextBlock block = firstVisibleBlock(); block.isValid() && offset.y() <= bottom; block = block.next()) {
        const QRectF rect = blockBoundingRect(block).translated(offset);
        shown.append({block, rect});
        offset.ry() += rect.height();
    }
    return shown;
}
