// The display's pixel format: channel masks, widths and shifts for 5-5-5, 5-6-5, 24 and 32 bits.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Channel values of one pixel, each at its own channel width (0..31 for a 5-bit channel).
struct Channels {
  uint32_t red = 0;
  uint32_t green = 0;
  uint32_t blue = 0;
  bool operator==(const Channels&) const = default;
};

// Read once from the display mode and kept for the program's life. 16-bit pixels hold red in
// the high bits, then green, then blue; 24-bit pixels are the bytes blue, green, red; 32-bit
// pixels are 0x00RRGGBB words.
struct PixelFormatInfo {
  int bitsPerPixel = 32;
  uint32_t redMask = 0x00FF0000;
  uint32_t greenMask = 0x0000FF00;
  uint32_t blueMask = 0x000000FF;
  int redBits = 8;
  int greenBits = 8;
  int blueBits = 8;
  uint32_t colourMask = 0x00FFFFFF;
  int blueShift = 0;
  int greenShift = 8;
  int redShift = 16;

  static PixelFormatInfo FromMasks(int bitsPerPixel, uint32_t red, uint32_t green, uint32_t blue);
  static PixelFormatInfo Rgb555();
  static PixelFormatInfo Rgb565();
  static PixelFormatInfo Rgb24();
  static PixelFormatInfo Rgb32();
  // "32", "24", "565" or "555"; anything else has no format.
  static std::optional<PixelFormatInfo> FromName(std::string_view name);

  int BytesPerPixel() const { return bitsPerPixel / 8; }
  // The white colour key: the channel masks combined in 16-bit formats, all bits otherwise.
  uint32_t White() const { return bitsPerPixel == 16 ? colourMask : 0xFFFFFFFFu; }
  uint32_t RedMax() const { return redMask >> redShift; }
  uint32_t GreenMax() const { return greenMask >> greenShift; }
  uint32_t BlueMax() const { return blueMask >> blueShift; }

  uint32_t Pack(Channels c) const {
    return ((c.red << redShift) & redMask) | ((c.green << greenShift) & greenMask) |
           ((c.blue << blueShift) & blueMask);
  }
  Channels Unpack(uint32_t pixel) const {
    return {(pixel & redMask) >> redShift, (pixel & greenMask) >> greenShift,
            (pixel & blueMask) >> blueShift};
  }
  // 8-bit channels to this format, keeping the high bits of each channel.
  uint32_t FromRgb8(uint8_t red, uint8_t green, uint8_t blue) const {
    return Pack({uint32_t{red} >> (8 - redBits), uint32_t{green} >> (8 - greenBits),
                 uint32_t{blue} >> (8 - blueBits)});
  }
  // This format's channels widened to 8 bits as v << (8 - bits).
  Channels ToRgb8(uint32_t pixel) const {
    Channels c = Unpack(pixel);
    return {c.red << (8 - redBits), c.green << (8 - greenBits), c.blue << (8 - blueBits)};
  }
  bool operator==(const PixelFormatInfo&) const = default;
};
