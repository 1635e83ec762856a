// Surfaces as PPM pictures.
#include "SurfacePpm.h"

#include <cstdint>
#include <vector>

#include "Netpbm.h"

bool WriteSurfacePpm(const std::filesystem::path& path, const Surface& surface) {
  const ConstSurfaceLock lock = surface.Lock();
  if (!lock) return false;
  const PixelFormatInfo& format = surface.Format();
  const int bytes = format.BytesPerPixel();
  std::vector<uint8_t> rgb;
  rgb.reserve(static_cast<std::size_t>(surface.Width()) * surface.Height() * 3);
  for (int y = 0; y < surface.Height(); ++y) {
    const uint8_t* row = lock.Row(y);
    for (int x = 0; x < surface.Width(); ++x) {
      uint32_t value = 0;
      for (int b = 0; b < bytes; ++b) value |= uint32_t{row[x * bytes + b]} << (8 * b);
      const Channels c = format.ToRgb8(value);
      rgb.push_back(static_cast<uint8_t>(c.red));
      rgb.push_back(static_cast<uint8_t>(c.green));
      rgb.push_back(static_cast<uint8_t>(c.blue));
    }
  }
  return WritePpm(path.string(), surface.Width(), surface.Height(), rgb);
}
