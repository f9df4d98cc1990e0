#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFrame>

// The page preview of the page dialog (pnlBack): a bordered panel painted in
// the page's background colour. A click on its own background picks the
// background as the colour to set.
class PagePreview : public QFrame
{
    Q_OBJECT
public:
    explicit PagePreview(QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QColor m_color;
    bool m_pressed = false;
};

// One sample text of the preview, drawn in the colour it stands for. It is
// clicked, or focused and activated by Space, to pick its colour as the one
// to set.
class PageSample : public QAbstractButton
{
    Q_OBJECT
public:
    PageSample(const QString &caption, bool underlined, QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
};
