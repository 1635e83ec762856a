// The four display formats: channel layout, keys, packing and 8-bit conversion.
#include "surface/PixelFormat.h"

#include <gtest/gtest.h>

#include <bit>

#include "FormatParam.h"

namespace {

TEST(PixelFormat, FiveFiveFiveAndFiveSixFiveDifferInRedShiftAndGreenWidth) {
  const PixelFormatInfo f555 = PixelFormatInfo::Rgb555();
  const PixelFormatInfo f565 = PixelFormatInfo::Rgb565();
  EXPECT_EQ(f555.redShift, 10);
  EXPECT_EQ(f565.redShift, 11);
  EXPECT_EQ(f555.greenBits, 5);
  EXPECT_EQ(f565.greenBits, 6);
  EXPECT_EQ(f555.greenShift, 5);
  EXPECT_EQ(f565.greenShift, 5);
  EXPECT_EQ(f555.colourMask, 0x7FFFu);
  EXPECT_EQ(f565.colourMask, 0xFFFFu);
  EXPECT_EQ(f555.White(), 0x7FFFu);
  EXPECT_EQ(f565.White(), 0xFFFFu);
  EXPECT_EQ(f555.BytesPerPixel(), 2);
  EXPECT_EQ(f565.BytesPerPixel(), 2);
}

TEST(PixelFormat, TrueColourFormats) {
  for (const PixelFormatInfo& f : {PixelFormatInfo::Rgb24(), PixelFormatInfo::Rgb32()}) {
    EXPECT_EQ(f.redMask, 0xFF0000u);
    EXPECT_EQ(f.greenMask, 0x00FF00u);
    EXPECT_EQ(f.blueMask, 0x0000FFu);
    EXPECT_EQ(f.redShift, 16);
    EXPECT_EQ(f.colourMask, 0xFFFFFFu);
    EXPECT_EQ(f.White(), 0xFFFFFFFFu);
  }
  EXPECT_EQ(PixelFormatInfo::Rgb24().BytesPerPixel(), 3);
  EXPECT_EQ(PixelFormatInfo::Rgb32().BytesPerPixel(), 4);
}

TEST(PixelFormat, NamesOutsideTheFourHaveNoFormat) {
  for (const char* name : {"", "16", "8", "15", "32 ", "rgb32"}) {
    EXPECT_FALSE(PixelFormatInfo::FromName(name).has_value()) << name;
  }
}

TEST(PixelFormat, OneColourInEachLayout) {
  // 0x80, 0x40, 0x20 keep 16, 8 (or 16 of 6 bits) and 4 in 16 bits; true colour is 0x00RRGGBB.
  EXPECT_EQ(PixelFormatInfo::Rgb555().FromRgb8(0x80, 0x40, 0x20), 0x4104u);
  EXPECT_EQ(PixelFormatInfo::Rgb565().FromRgb8(0x80, 0x40, 0x20), 0x8204u);
  EXPECT_EQ(PixelFormatInfo::Rgb24().FromRgb8(0x80, 0x40, 0x20), 0x804020u);
  EXPECT_EQ(PixelFormatInfo::Rgb32().FromRgb8(0x80, 0x40, 0x20), 0x804020u);
}

class PixelFormatEach : public FormatParam {
 protected:
  const PixelFormatInfo& f = format;
};

TEST_P(PixelFormatEach, ShiftsFollowTheChannelWidths) {
  EXPECT_EQ(f.blueShift, 0);
  EXPECT_EQ(f.greenShift, f.blueBits);
  EXPECT_EQ(f.redShift, f.blueBits + f.greenBits);
  EXPECT_EQ(f.redBits + f.greenBits + f.blueBits, std::popcount(f.colourMask));
  EXPECT_EQ(f.redMask & f.greenMask, 0u);
  EXPECT_EQ(f.greenMask & f.blueMask, 0u);
  EXPECT_EQ(f.colourMask, f.redMask | f.greenMask | f.blueMask);
  EXPECT_EQ(f.White() & f.colourMask, f.colourMask);
}

TEST_P(PixelFormatEach, PackAndUnpackRoundTripEveryChannelValue) {
  for (uint32_t r = 0; r <= f.RedMax(); ++r) {
    for (uint32_t g = 0; g <= f.GreenMax(); g += 3) {
      for (uint32_t b = 0; b <= f.BlueMax(); b += 5) {
        const uint32_t pixel = f.Pack({r, g, b});
        ASSERT_EQ(pixel & ~f.colourMask, 0u);
        ASSERT_EQ(f.Unpack(pixel), (Channels{r, g, b}));
      }
    }
  }
}

TEST_P(PixelFormatEach, UnpackIgnoresBitsOutsideTheColour) {
  const uint32_t spare = (f.bitsPerPixel == 24 ? 0xFF000000u : ~f.colourMask);
  const uint32_t pixel = f.Pack({1, 2, 3});
  EXPECT_EQ(f.Unpack(pixel | spare), f.Unpack(pixel));
}

TEST_P(PixelFormatEach, ChannelsLandInTheirMasks) {
  EXPECT_EQ(f.FromRgb8(255, 0, 0), f.redMask);
  EXPECT_EQ(f.FromRgb8(0, 255, 0), f.greenMask);
  EXPECT_EQ(f.FromRgb8(0, 0, 255), f.blueMask);
  EXPECT_EQ(f.FromRgb8(255, 255, 255), f.colourMask);
  EXPECT_EQ(f.FromRgb8(0, 0, 0), 0u);
}

TEST_P(PixelFormatEach, EightBitChannelsKeepTheirHighBits) {
  const auto high = [](uint32_t v, int bits) { return v & (0xFFu << (8 - bits)) & 0xFFu; };
  for (uint32_t v = 0; v < 256; ++v) {
    const auto c = static_cast<uint8_t>(v);
    const auto other = static_cast<uint8_t>(255 - v);
    const Channels back = f.ToRgb8(f.FromRgb8(c, other, c ^ 0x5A));
    ASSERT_EQ(back.red, high(v, f.redBits)) << v;
    ASSERT_EQ(back.green, high(255 - v, f.greenBits)) << v;
    ASSERT_EQ(back.blue, high(v ^ 0x5A, f.blueBits)) << v;
  }
}

INSTANTIATE_TEST_SUITE_P(AllFormats, PixelFormatEach, ::testing::ValuesIn(kFormatNames),
                         FormatTestName);

}  // namespace
