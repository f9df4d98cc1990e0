#include "dialogs/media/marquee_preview.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int verticalMargin = 4;

} // namespace

MarqueeStrip::MarqueeStrip(QWidget *parent)
    : QWidget(parent)
    , m_color(palette().color(QPalette::Window))
    , m_sampleWidth(fontMetrics().horizontalAdvance(sampleText()))
{
    // Every pixel is painted here, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QString MarqueeStrip::sampleText() const
{
    return u"マーキー"_s;
}

int MarqueeStrip::sampleWidth() const
{
    return m_sampleWidth;
}

void MarqueeStrip::setSampleLeft(int left)
{
    if (left == m_left)
        return;
    const QRect before = sampleRect(m_left);
    m_left = left;
    update(before.united(sampleRect(m_left)));
}

void MarqueeStrip::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

QSize MarqueeStrip::sizeHint() const
{
    return {4 * m_sampleWidth, fontMetrics().height() + 2 * verticalMargin};
}

QSize MarqueeStrip::minimumSizeHint() const
{
    return {m_sampleWidth, fontMetrics().height() + 2 * verticalMargin};
}

QRect MarqueeStrip::sampleRect(int left) const
{
    // The position may be far outside the strip; clip before making a QRect.
    // A pixel either side takes in what antialiasing draws past the advance.
    const qint64 from = std::max<qint64>(qint64(left) - 1, 0);
    const qint64 to = std::min<qint64>(qint64(left) + m_sampleWidth + 1, width());
    if (to <= from)
        return {};
    return QRect(int(from), 0, int(to - from), height());
}

void MarqueeStrip::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), m_color);
    if (!sampleRect(m_left).intersects(event->rect()))
        return;
    const QFontMetrics metrics = fontMetrics();
    const int baseline = (height() - metrics.height()) / 2 + metrics.ascent();
    painter.setPen(Qt::black);
    painter.drawText(QPoint(m_left, baseline), sampleText());
}

void MarqueeStrip::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        m_sampleWidth = fontMetrics().horizontalAdvance(sampleText());
        updateGeometry();
        update();
    }
    QWidget::changeEvent(event);
}
