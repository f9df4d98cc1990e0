#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <span>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QSlider;
class QWidget;

// Point size of the sample at each slider position, position 1 first.
inline constexpr std::array<int, 7> fontSamplePoints{6, 8, 10, 12, 16, 18, 32};
inline constexpr std::array<int, 6> headingSamplePoints{6, 8, 10, 12, 16, 24};

// The size slider of the font, base-font and heading dialogs: the slider
// TrackBar1, above it the sample letter lblSize at the point size of the
// position, and the hidden holder txtSize with the value the command reads.
//
// The sample is not in a layout: each change puts it centred in its
// container, 4 pixels above the slider. The line above the slider is kept
// tall enough for the largest sample.
class SizeSlider : public QObject
{
    Q_OBJECT
public:
    // `points` gives the positions (1 to its size); the holder receives
    // valueOf(position). `label` is the slider's visible label, if any.
    SizeSlider(QWidget *container, std::span<const int> points,
               std::function<int(int position)> valueOf, const QString &label = {});

    // The sample's line and the slider, for the container's layout.
    QBoxLayout *layout() const { return m_layout; }

    // Moves the slider and runs the change steps even when it stays put, as
    // a dialog does once on show.
    void setPosition(int position);
    // Moves the slider to the position whose value reads `value`; any other
    // text leaves it where it is.
    void setValue(const QString &value);

    QSlider *TrackBar1;
    QLabel *lblSize;
    QLineEdit *txtSize;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void positionChanged(int position);
    void placeSample();
    int tallestSample();

    QWidget *m_container;
    std::span<const int> m_points;
    std::function<int(int)> m_valueOf;
    QBoxLayout *m_layout;
};
