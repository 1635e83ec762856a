// Converting stored bitmap rows into display pixels.
#include "image/DibDeviceBitmap.h"

namespace {

// Runs `pixelAt(storedRow, x)` over every pixel, turning bottom-up rows the right way round.
template <typename PixelAt>
void ConvertRows(const DibHeaders& headers, const uint8_t* bits, uint32_t* out, PixelAt pixelAt) {
  for (uint32_t y = 0; y < headers.height; ++y) {
    const uint32_t stored = headers.topDown ? y : headers.height - 1 - y;
    const uint8_t* row = bits + static_cast<std::size_t>(stored) * headers.rowSize;
    uint32_t* target = out + static_cast<std::size_t>(y) * headers.width;
    for (uint32_t x = 0; x < headers.width; ++x) target[x] = pixelAt(row, x);
  }
}

}  // namespace

bool FillDeviceBitmap(const DibHeaders& headers, std::span<const uint8_t> bits,
                      const DibColourLookup& colours, DeviceBitmap& bitmap) {
  if (bits.size() < static_cast<std::size_t>(headers.rowSize) * headers.height) return false;
  bitmap.width = headers.width;
  bitmap.height = headers.height;
  bitmap.pixels.assign(static_cast<std::size_t>(headers.width) * headers.height, 0);
  uint32_t* out = bitmap.pixels.data();
  const DibMasks& masks = headers.masks;
  switch (headers.info.bitCount) {
    case 1:
      ConvertRows(headers, bits.data(), out, [&](const uint8_t* row, uint32_t x) {
        return colours[(row[x / 8] >> (7 - x % 8)) & 1];
      });
      return true;
    case 4:
      ConvertRows(headers, bits.data(), out, [&](const uint8_t* row, uint32_t x) {
        return colours[(row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F];
      });
      return true;
    case 8:
      ConvertRows(headers, bits.data(), out,
                  [&](const uint8_t* row, uint32_t x) { return colours[row[x]]; });
      return true;
    case 16:
      ConvertRows(headers, bits.data(), out, [&](const uint8_t* row, uint32_t x) {
        return masks.Rgb(uint32_t{row[2 * x]} | uint32_t{row[2 * x + 1]} << 8);
      });
      return true;
    case 24:
      ConvertRows(headers, bits.data(), out, [](const uint8_t* row, uint32_t x) {
        const uint8_t* p = row + 3 * x;
        return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16;
      });
      return true;
    case 32:
      ConvertRows(headers, bits.data(), out, [&](const uint8_t* row, uint32_t x) {
        const uint8_t* p = row + 4 * x;
        return masks.Rgb(uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 |
                         uint32_t{p[3]} << 24);
      });
      return true;
    default:
      return false;
  }
}
