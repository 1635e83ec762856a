// Single-pixel access for tests, independent of the pixel loops under test.
#include "support/SurfacePixels.h"

#include <stdexcept>

PixelFormatInfo FormatNamed(const char* name) {
  const auto format = PixelFormatInfo::FromName(name);
  if (!format) throw std::invalid_argument(name);
  return *format;
}

uint32_t ReadPixel(const Surface& surface, int x, int y) {
  const ConstSurfaceLock lock = surface.Lock();
  if (!lock) throw std::runtime_error("surface cannot be locked");
  const int bytes = surface.Format().BytesPerPixel();
  const uint8_t* p = lock.Row(y) + x * bytes;
  uint32_t v = 0;
  for (int b = 0; b < bytes; ++b) v |= uint32_t{p[b]} << (8 * b);
  return v;
}

void WritePixel(Surface& surface, int x, int y, uint32_t pixel) {
  const SurfaceLock lock = surface.Lock();
  if (!lock) throw std::runtime_error("surface cannot be locked");
  const int bytes = surface.Format().BytesPerPixel();
  uint8_t* p = lock.Row(y) + x * bytes;
  for (int b = 0; b < bytes; ++b) p[b] = static_cast<uint8_t>(pixel >> (8 * b));
}

void FillPattern(Surface& surface, uint32_t seed) {
  uint32_t state = seed * 2654435761u + 1;
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      state = state * 1664525u + 1013904223u;
      WritePixel(surface, x, y, (state >> 8) & surface.Format().colourMask);
    }
  }
}
