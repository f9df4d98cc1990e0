#pragma once

#include <QColor>
#include <QString>
#include <array>

// A colour as one 24-bit value with red in the lowest byte:
// red + 256 × green + 65536 × blue.
using ColorValue = quint32;

ColorValue colorValue(const QColor &color);
QColor colorFromValue(ColorValue value);

// The six upper-case hexadecimal digits of a colour, red first: navy
// (held as 0x800000) is "000080". Always six digits.
QString ColorCode(ColorValue value);
inline QString ColorCode(const QColor &color)
{
    return ColorCode(colorValue(color));
}

// The sixteen swatches of every colour picker, p1 to p16.
struct SwatchColor {
    const char *control;
    int red;
    int green;
    int blue;
};
extern const std::array<SwatchColor, 16> swatchColors;
