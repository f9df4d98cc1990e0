#include "dialogs/text/size_slider.h"

#include "dialogs/controls.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

SizeSlider::SizeSlider(QWidget *container, std::span<const int> points,
                       std::function<int(int)> valueOf, const QString &label)
    : QObject(container)
    , TrackBar1(new QSlider(Qt::Horizontal, container))
    , lblSize(new QLabel(u"Ａ"_s, container))
    , txtSize(new QLineEdit(container))
    , m_container(container)
    , m_points(points)
    , m_valueOf(std::move(valueOf))
    , m_layout(new QVBoxLayout)
{
    nameControl(TrackBar1, "TrackBar1", label);
    TrackBar1->setRange(1, int(points.size()));
    TrackBar1->setSingleStep(1);
    TrackBar1->setPageStep(1);
    TrackBar1->setTickInterval(1);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setMinimumWidth(200);

    nameControl(lblSize, "lblSize", label);
    QFont sample(u"ＭＳ ゴシック"_s);
    sample.setStyleHint(QFont::Monospace);
    lblSize->setFont(sample);
    lblSize->setAlignment(Qt::AlignCenter);

    nameControl(txtSize, "txtSize");
    txtSize->setReadOnly(true);
    txtSize->hide();

    m_layout->setSpacing(0);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->addSpacing(tallestSample() + 4);
    m_layout->addWidget(TrackBar1);

    connect(TrackBar1, &QSlider::valueChanged, this, &SizeSlider::positionChanged);
    // The dialog's layout settles the slider's place only when it is first
    // shown, after the show steps ran; follow it there.
    container->installEventFilter(this);
    TrackBar1->installEventFilter(this);
    positionChanged(TrackBar1->value());
}

void SizeSlider::setPosition(int position)
{
    const bool moves = TrackBar1->value() != position;
    TrackBar1->setValue(position);
    if (!moves)
        positionChanged(TrackBar1->value());
}

bool SizeSlider::eventFilter(QObject *watched, QEvent *event)
{
    const bool containerResized = watched == m_container && event->type() == QEvent::Resize;
    const bool sliderMoved = watched == TrackBar1
        && (event->type() == QEvent::Move || event->type() == QEvent::Resize);
    if (containerResized || sliderMoved)
        placeSample();
    return QObject::eventFilter(watched, event);
}

void SizeSlider::setValue(const QString &value)
{
    for (int position = 1; position <= int(m_points.size()); ++position) {
        if (QString::number(m_valueOf(position)) == value)
            setPosition(position);
    }
}

void SizeSlider::positionChanged(int position)
{
    QFont font = lblSize->font();
    font.setPointSize(m_points[std::size_t(position - 1)]);
    lblSize->setFont(font);
    lblSize->adjustSize();
    placeSample();
    txtSize->setText(QString::number(m_valueOf(position)));
}

void SizeSlider::placeSample()
{
    const int sliderTop = TrackBar1->mapTo(m_container, QPoint(0, 0)).y();
    lblSize->move((m_container->width() - lblSize->width()) / 2,
                  sliderTop - lblSize->height() - 4);
}

int SizeSlider::tallestSample()
{
    const QFont kept = lblSize->font();
    int tallest = 0;
    for (int points : m_points) {
        QFont font = kept;
        font.setPointSize(points);
        lblSize->setFont(font);
        tallest = std::max(tallest, lblSize->sizeHint().height());
    }
    lblSize->setFont(kept);
    return tallest;
}
