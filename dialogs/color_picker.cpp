#include "dialogs/color_picker.h"

#include "dialogs/controls.h"
#include "dialogs/color_code.h"
#include "platform/platform.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// A disabled colour is drawn washed out, so the group reads as unusable.
void paintColor(QPainter &painter, const QRect &rect, const QColor &color, const QWidget &widget)
{
    painter.fillRect(rect, color);
    if (!widget.isEnabled()) {
        QColor veil = widget.palette().color(QPalette::Window);
        veil.setAlpha(160);
        painter.fillRect(rect, veil);
    }
}

} // namespace

std::optional<QColor> StandardColorDialog::choose(QWidget *parent)
{
    const std::optional<QColor> chosen = platform().chooseColor(parent, m_lastConfirmed);
    if (chosen)
        m_lastConfirmed = *chosen;
    return chosen;
}

ColorPanel::ColorPanel(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFixedSize(sizeHint());
}

void ColorPanel::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void ColorPanel::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paintColor(painter, contentsRect(), m_color, *this);
    painter.end();
    QFrame::paintEvent(event);
}

ColorSwatch::ColorSwatch(const QColor &color, QWidget *parent)
    : QAbstractButton(parent)
    , m_color(color)
{
    setFixedSize(sizeHint());
    setFocusPolicy(Qt::TabFocus);
}

void ColorSwatch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect tile = rect().adjusted(0, 0, -1, -1);
    paintColor(painter, tile, m_color, *this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(tile);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

ColorPicker::ColorPicker(StandardColorDialog &dialog, const QString &label, QWidget *parent)
    : QWidget(parent)
    , pnlColor(new ColorPanel(this))
    , cmdSansyo(new QToolButton(this))
    , m_dialog(dialog)
{
    nameControl(pnlColor, "pnlColor", label);
    nameControl(cmdSansyo, "cmdSansyo");
    cmdSansyo->setText(u"..."_s);
    cmdSansyo->setToolTip(u"色の設定"_s);
    connect(cmdSansyo, &QToolButton::clicked, this, &ColorPicker::openColorDialog);

    auto *top = new QHBoxLayout;
    top->addWidget(pnlColor);
    top->addWidget(cmdSansyo);
    top->addStretch();

    auto *grid = new QGridLayout;
    grid->setSpacing(2);
    for (std::size_t i = 0; i < swatchColors.size(); ++i) {
        const SwatchColor &c = swatchColors[i];
        auto *swatch = new ColorSwatch(QColor(c.red, c.green, c.blue), this);
        nameControl(swatch, c.control);
        connect(swatch, &ColorSwatch::clicked, this, [this, swatch] { choose(swatch->color()); });
        grid->addWidget(swatch, int(i / 8), int(i % 8));
        swatches[i] = swatch;
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addLayout(grid);
}

void ColorPicker::choose(const QColor &color)
{
    pnlColor->setColor(color);
    Q_EMIT colorChosen(color);
}

void ColorPicker::openColorDialog()
{
    if (const std::optional<QColor> color = m_dialog.choose(window()))
        choose(*color);
}
