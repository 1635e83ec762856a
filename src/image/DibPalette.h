// The logical palette of a palette-indexed bitmap.
#pragma once

#include <cstdint>
#include <vector>

struct DibPaletteEntry {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  uint8_t flags = 0;
  bool operator==(const DibPaletteEntry&) const = default;
};

// The colours a bitmap is drawn with once its colour table holds palette indices.
struct DibPalette {
  static constexpr uint16_t kVersion = 0x300;
  uint16_t version = kVersion;
  std::vector<DibPaletteEntry> entries;
};
