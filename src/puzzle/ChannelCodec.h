// Reading and writing the colour channels of pixels, chosen once per pixel depth.
#pragma once

#include <cstdint>

#include "surface/PixelAccess.h"
#include "surface/PixelFormat.h"

// 24- and 32-bit pixels hold 8-bit channels at fixed places (0x00RRGGBB), so their codec is
// fixed at compile time. Channels are at their own widths, as PixelFormatInfo::Unpack gives them.
template <typename P>
struct ChannelCodec {
  explicit ChannelCodec(const PixelFormatInfo&) {}
  static Channels Unpack(uint32_t pixel) {
    return {(pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF};
  }
  static uint32_t Pack(Channels c) { return c.red << 16 | c.green << 8 | c.blue; }
};

// 16-bit pixels are packed by the masks and shifts of the display's format (5-5-5 or 5-6-5).
template <>
struct ChannelCodec<Pixel16> {
  explicit ChannelCodec(const PixelFormatInfo& format) : f(format) {}
  Channels Unpack(uint32_t pixel) const { return f.Unpack(pixel); }
  uint32_t Pack(Channels c) const { return f.Pack(c); }
  const PixelFormatInfo& f;
};
