// A device-independent bitmap: 8-bit RGB pixels, as bitmap resources are handed out.
#pragma once

#include <cstdint>
#include <vector>

struct Bitmap {
  int width = 0;
  int height = 0;
  // Row-major 0x00RRGGBB words, width x height of them.
  std::vector<uint32_t> pixels;

  uint32_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};
