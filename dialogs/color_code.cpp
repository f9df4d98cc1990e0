#include "dialogs/color_code.h"

ColorValue colorValue(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return ColorValue(rgb.red()) | ColorValue(rgb.green()) << 8 | ColorValue(rgb.blue()) << 16;
}

QColor colorFromValue(ColorValue value)
{
    return QColor(int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF));
}

QString ColorCode(ColorValue value)
{
    // Held as blue-green-red; the text form reads red-green-blue.
    const QString held = QStringLiteral("%1").arg(value & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
    return held.mid(4, 2) + held.mid(2, 2) + held.mid(0, 2);
}

const std::array<SwatchColor, 16> swatchColors = {{
    {"p1", 0, 0, 0},        // black
    {"p2", 128, 0, 0},      // maroon
    {"p3", 0, 128, 0},      // green
    {"p4", 128, 128, 0},    // olive
    {"p5", 0, 0, 128},      // navy
    {"p6", 128, 0, 128},    // purple
    {"p7", 0, 128, 128},    // teal
    {"p8", 128, 128, 128},  // gray
    {"p9", 192, 192, 192},  // silver
    {"p10", 255, 0, 0},     // red
    {"p11", 0, 255, 0},     // lime
    {"p12", 255, 255, 0},   // yellow
    {"p13", 0, 0, 255},     // blue
    {"p14", 255, 0, 255},   // fuchsia
    {"p15", 0, 255, 255},   // aqua
    {"p16", 255, 255, 255}, // white
}};
