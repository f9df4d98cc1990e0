#include "document/mdi_child.h"

#include "document/doc_editor.h"
#include "document/find_dialogs.h"
#include "platform/program_icon.h"

#include <QCloseEvent>
#include <QLabel>

TMDIChild::TMDIChild(QSize frameClientSize, QWidget *parent)
    : QMdiSubWindow(parent)
    , lblFilename(new QLabel(this))
    , txtDoc(new TDocEditor(this))
{
    setObjectName(QStringLiteral("MDIChild"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A sub-window without an icon of its own shows the toolkit's logo.
    setWindowIcon(programIcon());
    lblFilename->setObjectName(QStringLiteral("lblFilename"));
    lblFilename->hide();
    setWidget(txtDoc);
    connect(txtDoc, &TDocEditor::typingModeChanged, this, &TMDIChild::typingModeChanged);

    ClearTagPair();
    setFileName({});
    resize(frameClientSize.width() / 10 * 7, frameClientSize.height() / 10 * 7);
    UndoSnapshot.clear();
}

// The search dialogs are children: they go with the window.
TMDIChild::~TMDIChild() = default;

void TMDIChild::ClearTagPair()
{
    StartTag.clear();
    EndTag.clear();
    CapturedText.clear();
}

void TMDIChild::CaptureSelection()
{
    CapturedText = txtDoc->selectedTextCrLf();
}

void TMDIChild::InsertTagPair(InsertMode mode)
{
    QTextCursor cursor = txtDoc->textCursor();
    switch (mode) {
    case InsertMode::BeforeSelection:
        cursor.setPosition(cursor.selectionStart());
        break;
    case InsertMode::AfterSelection:
        cursor.setPosition(cursor.selectionEnd());
        break;
    case InsertMode::ReplaceSelection:
        break;
    }
    replaceWithSnapshot(cursor, StartTag + CapturedText + EndTag);
}

void TMDIChild::InsertTextAt(qsizetype position, const QString &text)
{
    QTextCursor cursor = txtDoc->textCursor();
    cursor.setPosition(int(position));
    replaceWithSnapshot(cursor, text);
}

void TMDIChild::replaceWithSnapshot(const QTextCursor &cursor, const QString &text)
{
    // The editor keeps no undo step of its own: Undo swaps the snapshot back in.
    UndoSnapshot = txtDoc->rawText();
    HasUndoSnapshot = true;
    txtDoc->replaceQuietly(cursor, text);
}

void TMDIChild::UndoItemClick()
{
    if (txtDoc->document()->isUndoAvailable()) {
        txtDoc->undo();
        return;
    }
    if (!HasUndoSnapshot)
        return;
    QString current = txtDoc->rawText();
    txtDoc->replaceAllQuietly(UndoSnapshot);
    UndoSnapshot = std::move(current);
}

QString TMDIChild::fileName() const
{
    return lblFilename->text();
}

void TMDIChild::setFileName(const QString &name)
{
    lblFilename->setText(name);
}

bool TMDIChild::isModified() const
{
    return txtDoc->document()->isModified();
}

void TMDIChild::setModified(bool modified)
{
    txtDoc->document()->setModified(modified);
    if (!modified)
        m_textBeforeEncodingChoice.reset();
}

void TMDIChild::chooseEncoding(TextEncoding chosen)
{
    if (chosen == encoding)
        return;
    if (!isModified())
        m_textBeforeEncodingChoice = qHash(txtDoc->rawText());
    encoding = chosen;
    setModified(true);
    Q_EMIT encodingChanged();
}

bool TMDIChild::hasUnsavedText() const
{
    if (!isModified())
        return false;
    return !m_textBeforeEncodingChoice || *m_textBeforeEncodingChoice != qHash(txtDoc->rawText());
}

void TMDIChild::loadPage(const LoadedText &page)
{
    txtDoc->setPlainText(page.text);
    lineEnd = page.lineEnd;
    encoding = page.encoding;
    UndoSnapshot.clear();
    HasUndoSnapshot = false;
    setModified(false);
    Q_EMIT encodingChanged();
}

int TMDIChild::TypingMode() const
{
    return txtDoc->TypingMode();
}

void TMDIChild::closeSearchDialogs()
{
    const auto dialogs = findChildren<TFindDialog *>(QString(), Qt::FindDirectChildrenOnly);
    for (TFindDialog *dialog : dialogs)
        dialog->close();
}

void TMDIChild::returnFocusToText()
{
    // Keyboard users go on typing where they searched.
    if (m_closeAllowed || !isVisible())
        return;
    window()->activateWindow();
    txtDoc->setFocus();
}

void TMDIChild::setCloseQuery(std::function<bool(TMDIChild &)> query)
{
    m_closeQuery = std::move(query);
}

void TMDIChild::closeWithoutAsking()
{
    m_closeAllowed = true;
    close();
}

void TMDIChild::closeEvent(QCloseEvent *event)
{
    if (!m_closeAllowed && m_closeQuery && !m_closeQuery(*this)) {
        event->ignore();
        return;
    }
    m_closeAllowed = true;
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted())
        Q_EMIT closing();
}

void TMDIChild::showEvent(QShowEvent *event)
{
    closeSearchDialogs();
    QMdiSubWindow::showEvent(event);
}
