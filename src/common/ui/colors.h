#pragma once
// Colour numbers (red in the low byte, blue in the high byte) to and from Qt colours, and the
// classic sixteen-colour palette by index.

#include <QColor>

#include "common/core/dialogs.h"

namespace coinwell {

inline QColor toQColor(ColorNumber color) {
    return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                  static_cast<int>((color >> 16) & 0xFFu));
}

inline ColorNumber toColorNumber(const QColor& color) {
    const QColor rgb = color.toRgb();
    return static_cast<ColorNumber>(rgb.red()) | (static_cast<ColorNumber>(rgb.green()) << 8) |
           (static_cast<ColorNumber>(rgb.blue()) << 16);
}

// The classic sixteen-colour palette: 0 black, 1 blue, 2 green, 3 cyan, 4 red, 5 magenta,
// 6 yellow, 7 white (light grey), 8 grey, 9 light blue, ..., 14 light yellow, 15 bright white.
// Indexes outside 0-15 give black.
constexpr ColorNumber classicPaletteColor(int index) {
    constexpr ColorNumber palette[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                         0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                         0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    return index >= 0 && index < 16 ? palette[index] : 0;
}

}  // namespace coinwell
