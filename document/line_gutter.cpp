#include "document/line_gutter.h"

#include "document/doc_editor.h"

#include <QPainter>
#include <QPaintEvent>

LineGutter::LineGutter(TDocEditor *editor)
    : QWidget(editor)
    , m_editor(editor)
{
    setObjectName(QStringLiteral("LineGutter"));
    hide();
    connect(editor, &QPlainTextEdit::blockCountChanged, this, &LineGutter::fitWidth);
    connect(editor, &QPlainTextEdit::updateRequest, this, &LineGutter::followUpdate);
    editor->installEventFilter(this);
}

void LineGutter::setShown(bool shown)
{
    setVisible(shown);
    m_digits = 0;
    fitWidth();
}

int LineGutter::neededWidth() const
{
    const int digits = QString::number(qMax(1, m_editor->blockCount())).size();
    return m_editor->fontMetrics().horizontalAdvance(QLatin1Char('9')) * (qMax(2, digits) + 1);
}

void LineGutter::fitWidth()
{
    if (isHidden()) {
        m_editor->setLeftMargin(0);
        return;
    }
    // Only a new number of digits moves the text.
    const int digits = QString::number(m_editor->blockCount()).size();
    if (digits == m_digits)
        return;
    m_digits = digits;
    const int width = neededWidth();
    m_editor->setLeftMargin(width);
    const QRect area = m_editor->contentsRect();
    setGeometry(area.left(), area.top(), width, area.height());
    update();
}

bool LineGutter::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::FontChange) {
        m_digits = 0;
        fitWidth();
    }
    return false;
}

void LineGutter::followUpdate(const QRect &rect, int dy)
{
    if (isHidden())
        return;
    if (dy)
        scroll(0, dy);
    else
        update(0, rect.y(), width(), rect.height());
}

void LineGutter::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.setFont(m_editor->font());
    const int right = width() - m_editor->fontMetrics().horizontalAdvance(QLatin1Char('9')) / 2;
    const int lineHeight = m_editor->fontMetrics().height();
    const QList<TDocEditor::ShownBlock> shown = m_editor->shownBlocks();
    int number = shown.isEmpty() ? 0 : shown.first().block.blockNumber();
    for (const auto &[block, rect] : shown) {
        ++number;
        if (rect.top() > event->rect().bottom())
            break;
        if (!block.isVisible() || rect.bottom() < event->rect().top())
            continue;
        painter.drawText(QRect(0, int(rect.top()), right, lineHeight), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(number));
    }
}
