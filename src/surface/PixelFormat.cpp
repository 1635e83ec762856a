// Building PixelFormatInfo from channel masks.
#include "surface/PixelFormat.h"

#include <bit>

namespace {

int LowestSetBit(uint32_t mask) {
  return mask == 0 ? 0 : std::countr_zero(mask);
}

}  // namespace

PixelFormatInfo PixelFormatInfo::FromMasks(int bitsPerPixel, uint32_t red, uint32_t green,
                                           uint32_t blue) {
  PixelFormatInfo f;
  f.bitsPerPixel = bitsPerPixel;
  f.redMask = red;
  f.greenMask = green;
  f.blueMask = blue;
  f.redBits = std::popcount(red);
  f.greenBits = std::popcount(green);
  f.blueBits = std::popcount(blue);
  f.colourMask = red | green | blue;
  // Blue sits in the low bits, green above it, red above green; the masks say where exactly.
  f.blueShift = LowestSetBit(blue);
  f.greenShift = LowestSetBit(green);
  f.redShift = LowestSetBit(red);
  return f;
}

PixelFormatInfo PixelFormatInfo::Rgb555() {
  return FromMasks(16, 0x7C00, 0x03E0, 0x001F);
}
PixelFormatInfo PixelFormatInfo::Rgb565() {
  return FromMasks(16, 0xF800, 0x07E0, 0x001F);
}
PixelFormatInfo PixelFormatInfo::Rgb24() {
  return FromMasks(24, 0xFF0000, 0x00FF00, 0x0000FF);
}
PixelFormatInfo PixelFormatInfo::Rgb32() {
  return FromMasks(32, 0xFF0000, 0x00FF00, 0x0000FF);
}

std::optional<PixelFormatInfo> PixelFormatInfo::FromName(std::string_view name) {
  if (name == "32") return Rgb32();
  if (name == "24") return Rgb24();
  if (name == "565") return Rgb565();
  if (name == "555") return Rgb555();
  return std::nullopt;
}
