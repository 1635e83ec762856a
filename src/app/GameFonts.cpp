// The shared fonts.
#include "GameFonts.h"

#include <cmath>

namespace {

// Arial's character cell (ascent plus descent) is 2288 of its 2048 font units, so a cell of
// h pixels is an em of h * 2048 / 2288 pixels.
int EmForCell(int cellHeight) {
  return static_cast<int>(std::lround(cellHeight * 2048.0 / 2288.0));
}

QFont MakeFont(int cellHeight, bool bold) {
  QFont font("Liberation Sans");
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(EmForCell(cellHeight));
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

}  // namespace

QFont GameFont(FontId font) {
  switch (font) {
    case FontId::Small:
      return MakeFont(15, false);
    case FontId::Medium:
      return MakeFont(20, true);
    case FontId::Large:
      break;
  }
  return MakeFont(30, true);
}
