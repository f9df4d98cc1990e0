#include "app/document_status.h"

#include "document/doc_editor.h"
#include "document/mdi_child.h"
#include "platform/charset_declaration.h"

#include <QMouseEvent>

#include <QLabel>
#include <QStatusBar>
#include <QTextBlock>

using namespace Qt::StringLiterals;

namespace {

// Characters before `position` in `line`: a surrogate pair is one.
int characterColumn(const QString &line, int position)
{
    int pairs = 0;
    for (int i = 1; i < position; ++i)
        pairs += line.at(i).isLowSurrogate() && line.at(i - 1).isHighSurrogate();
    return position - pairs;
}

QLabel *panel(QStatusBar *bar, const QString &name, const QString &description, const QString &widest)
{
    auto *label = new QLabel(bar);
    label->setObjectName(name);
    label->setAccessibleDescription(description);
    label->setAlignment(Qt::AlignCenter);
    // A fixed size: a new text in a label that may change its size makes the
    // whole bar lay itself out and repaint at every keystroke.
    label->setText(widest);
    label->setFixedSize(label->sizeHint() + QSize(8, 0));
    label->clear();
    bar->addPermanentWidget(label);
    return label;
}

} // namespace

DocumentStatus::DocumentStatus(QStatusBar *bar)
    : QObject(bar)
    , StatusCaret(panel(bar, u"StatusCaret"_s, u"ｶｰｿﾙ位置"_s, u"9999999 行 9999999 列"_s))
    , StatusModified(panel(bar, u"StatusModified"_s, u"変更状態"_s, u"更新"_s))
    , StatusEncoding(panel(bar, u"StatusEncoding"_s, u"文字ｺｰﾄﾞ"_s, u"Shift_JIS"_s))
{
    StatusEncoding->installEventFilter(this);
}

bool DocumentStatus::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == StatusEncoding && event->type() == QEvent::MouseButtonRelease && m_doc
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Q_EMIT encodingPanelClicked();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void DocumentStatus::showEncoding()
{
    if (m_doc)
        StatusEncoding->setText(charsetName(m_doc->encoding));
}

void DocumentStatus::follow(TMDIChild *doc)
{
    // Followed again when a window gets its file after it was activated.
    disconnectDocument();
    m_doc = doc;
    if (!doc) {
        StatusCaret->clear();
        StatusModified->clear();
        StatusEncoding->clear();
        return;
    }
    m_caretMoved = connect(doc->txtDoc, &QPlainTextEdit::cursorPositionChanged, this,
                           &DocumentStatus::showCaret);
    m_modifiedChanged = connect(doc->txtDoc->document(), &QTextDocument::modificationChanged, this,
                                &DocumentStatus::showModified);
    showCaret();
    m_encodingChanged = connect(doc, &TMDIChild::encodingChanged, this, &DocumentStatus::showEncoding);
    showModified(doc->isModified());
    showEncoding();
}

void DocumentStatus::disconnectDocument()
{
    disconnect(m_caretMoved);
    disconnect(m_modifiedChanged);
    disconnect(m_encodingChanged);
}

void DocumentStatus::showCaret()
{
    if (!m_doc)
        return;
    const QTextCursor cursor = m_doc->txtDoc->textCursor();
    const QTextBlock block = cursor.block();
    const int position = cursor.positionInBlock();
    const int column = position > 1 ? characterColumn(block.text(), position) : position;
    StatusCaret->setText(u"%1 行 %2 列"_s.arg(block.blockNumber() + 1).arg(column + 1));
}

void DocumentStatus::showModified(bool modified)
{
    StatusModified->setText(modified ? u"更新"_s : QString());
}
