// The device-dependent bitmap: a picture as the display holds it, one 0x00RRGGBB word a pixel.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "image/DibHeader.h"

// width x height pixels, top row first, 0x00RRGGBB (blue in the low byte, top byte zero).
struct DeviceBitmap {
  uint32_t width = 0;
  uint32_t height = 0;
  std::vector<uint32_t> pixels;

  uint32_t At(uint32_t x, uint32_t y) const {
    return pixels[static_cast<std::size_t>(y) * width + x];
  }
};

// The colour of every possible index of a 1-, 4- or 8-bit bitmap.
using DibColourLookup = std::array<uint32_t, 256>;

// Turns plain stored rows (as ReadDibBits leaves them) into display pixels: indices through
// `colours`, 16- and 32-bit pixels through the masks, 24-bit pixels as blue, green, red. False
// when `bits` is shorter than the rows. Throws std::bad_alloc when memory runs out.
bool FillDeviceBitmap(const DibHeaders& headers, std::span<const uint8_t> bits,
                      const DibColourLookup& colours, DeviceBitmap& bitmap);
