#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFrame>
#include <array>
#include <optional>

class QToolButton;

// The standard colour dialog of one attribute dialog: it opens on the colour
// last confirmed in it (black before the first), not on what a display shows.
class StandardColorDialog
{
public:
    std::optional<QColor> choose(QWidget *parent);

private:
    QColor m_lastConfirmed = Qt::black;
};

// A small panel that shows one colour (pnlColor and the table dialog's
// colour displays).
class ColorPanel : public QFrame
{
    Q_OBJECT
public:
    explicit ColorPanel(QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);

    QSize sizeHint() const override { return {41, 17}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color = Qt::black;
};

// One of the sixteen palette tiles: shows its colour and is clicked to take it.
class ColorSwatch : public QAbstractButton
{
    Q_OBJECT
public:
    ColorSwatch(const QColor &color, QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    QSize sizeHint() const override { return {16, 16}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
};

// The colour group of the attribute dialogs: the display pnlColor, the
// colour-dialog button cmdSansyo and the swatches p1 to p16 in two rows of
// eight. Its one state is the display's colour. The dialog that holds it
// owns the enabling check box and the standard colour dialog.
class ColorPicker : public QWidget
{
    Q_OBJECT
public:
    // `label` describes the display to assistive technology.
    ColorPicker(StandardColorDialog &dialog, const QString &label, QWidget *parent = nullptr);

    QColor color() const { return pnlColor->color(); }
    // Shows `color` without reporting it as chosen.
    void setColor(const QColor &color) { pnlColor->setColor(color); }

    ColorPanel *pnlColor;
    QToolButton *cmdSansyo;
    std::array<ColorSwatch *, 16> swatches{};

Q_SIGNALS:
    // The user took a colour, by a swatch or the confirmed colour dialog.
    void colorChosen(const QColor &color);

private:
    void choose(const QColor &color);
    void openColorDialog();

    StandardColorDialog &m_dialog;
};
