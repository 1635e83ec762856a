// A test fixture run once for each of the four display formats, with a surface service of it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "support/SurfacePixels.h"
#include "surface/SurfaceService.h"

// Parameterised by format name ("555", "565", "24", "32"); makes surfaces in that format.
class FormatParam : public ::testing::TestWithParam<const char*> {
 protected:
  FormatParam() : format(FormatNamed(GetParam())), service(format) {}

  // A system-memory surface filled with a pattern that differs from pixel to pixel.
  std::unique_ptr<Surface> Make(int width, int height, uint32_t seed = 1) {
    auto surface = service.Create(width, height, SurfaceMemory::System);
    if (surface) FillPattern(*surface, seed);
    return surface;
  }

  PixelFormatInfo format;
  SurfaceService service;
};

// Bits of a pixel that are not colour: bit 15 of 5-5-5, the top byte of 32 bits; none otherwise.
inline uint32_t SpareBits(const PixelFormatInfo& format) {
  const int bits = format.bitsPerPixel;
  const uint32_t all = bits == 32 ? 0xFFFFFFFFu : (1u << bits) - 1;
  return all & ~format.colourMask;
}

// Every pixel of a surface, row by row.
inline std::vector<uint32_t> Pixels(const Surface& surface) {
  std::vector<uint32_t> pixels;
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) pixels.push_back(ReadPixel(surface, x, y));
  }
  return pixels;
}

inline std::string FormatTestName(const ::testing::TestParamInfo<const char*>& info) {
  return std::string("Rgb") + info.param;
}
