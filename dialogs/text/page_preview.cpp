#include "dialogs/text/page_preview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {

// While the preview cannot be used its colours are washed out, as the
// colour display's are.
QColor shown(const QColor &color, const QWidget &widget)
{
    if (widget.isEnabled())
        return color;
    const QColor veil = widget.palette().color(QPalette::Window);
    const auto mix = [](int a, int b) { return (a * 2 + b * 3) / 5; };
    return QColor(mix(color.red(), veil.red()), mix(color.green(), veil.green()),
                  mix(color.blue(), veil.blue()));
}

constexpr int sampleMargin = 3;

} // namespace

PagePreview::PagePreview(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void PagePreview::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void PagePreview::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(contentsRect(), shown(m_color, *this));
    painter.end();
    QFrame::paintEvent(event);
}

void PagePreview::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void PagePreview::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}

PageSample::PageSample(const QString &caption, bool underlined, QWidget *parent)
    : QAbstractButton(parent)
{
    setText(caption);
    setFocusPolicy(Qt::StrongFocus);
    if (underlined) {
        QFont f = font();
        f.setUnderline(true);
        setFont(f);
    }
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void PageSample::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

QSize PageSample::sizeHint() const
{
    const QSize textSize = fontMetrics().size(Qt::TextSingleLine, text());
    return textSize + QSize(2 * sampleMargin, 2 * sampleMargin);
}

void PageSample::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(shown(m_color, *this));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
