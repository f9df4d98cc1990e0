#pragma once

#include <QColor>
#include <QWidget>

// The preview strip of the marquee dialog (Panel18): a band in its own
// colour in which the sample word "マーキー" stands at a left position that
// may lie partly or wholly outside the band. The word is painted here, so
// moving it repaints only the pixels it leaves and enters.
class MarqueeStrip : public QWidget
{
    Q_OBJECT
public:
    explicit MarqueeStrip(QWidget *parent = nullptr);

    QString sampleText() const;
    // The sample's width in pixels, in the strip's font.
    int sampleWidth() const;
    int sampleLeft() const { return m_left; }
    void setSampleLeft(int left);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The part of the strip the sample covers at `left`; empty when none.
    QRect sampleRect(int left) const;

    QColor m_color;
    int m_left = 8;
    int m_sampleWidth = 0;
};
