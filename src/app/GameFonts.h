// The shared fonts and colours of the game's windows, in one place.
#pragma once

#include <QColor>
#include <QFont>

#include "surface/TextPainter.h"

// The font of a shared font number: Liberation Sans (metric-compatible with Arial) sized so
// that its character cell has the given height (15, 20 or 30 pixels).
QFont GameFont(FontId font);

// A colour value 0x00RRGGBB as a QColor.
inline QColor RgbColour(uint32_t rgb) {
  return QColor::fromRgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

inline constexpr uint32_t kDarkBlue = 0x08246B;   // the dark brush and pen, button captions
inline constexpr uint32_t kLightBlue = 0xA5CBF7;  // the light brush, highlighted menu items
