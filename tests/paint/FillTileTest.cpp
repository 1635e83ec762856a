// The background tiles: plain fills in every format, the lighter tile, the tinted texture.
#include <gtest/gtest.h>

#include <string>

#include "PaintScene.h"
#include "paint/PaintBitmaps.h"
#include "paint/TileFill.h"

namespace {

struct FillCase {
  const char* format;
  uint32_t colourRef;
  uint32_t plain;    // the fill value expected
  uint32_t lighter;  // the same, lightened
};

class FillTileTest : public ::testing::TestWithParam<FillCase> {};

std::string FillCaseName(const ::testing::TestParamInfo<FillCase>& info) {
  return std::string("Rgb") + info.param.format + "_" + std::to_string(info.index);
}

void ExpectEveryPixel(const Surface& tile, uint32_t value) {
  for (int y = 0; y < tile.Height(); ++y) {
    for (int x = 0; x < tile.Width(); ++x) {
      ASSERT_EQ(ReadPixel(tile, x, y), value) << "at " << x << ", " << y;
    }
  }
}

TEST_P(FillTileTest, FillsWithTheColourAtTheFormatsChannelWidths) {
  SurfaceService service(FormatNamed(GetParam().format));
  auto tile = service.Create(kTileSide, kTileSide, SurfaceMemory::Display);
  ASSERT_TRUE(FillTile(*tile, nullptr, GetParam().colourRef, false));
  ExpectEveryPixel(*tile, GetParam().plain);
  ASSERT_TRUE(FillTile(*tile, nullptr, GetParam().colourRef, true));
  ExpectEveryPixel(*tile, GetParam().lighter);
}

// RGB(255, 128, 8): 5-5-5 keeps 31, 16, 1 and 5-6-5 31, 32, 1; lightened by 1.3 and capped,
// 5-bit green 16 becomes 20, 6-bit green 32 becomes 41, and the full channels stay at their
// maximum. RGB(200, 200, 200) lightened reaches 260 in 8 bits and must stop at 255.
INSTANTIATE_TEST_SUITE_P(Formats, FillTileTest,
                         ::testing::Values(FillCase{"555", 0x000880FF, 31u << 10 | 16u << 5 | 1,
                                                    31u << 10 | 20u << 5 | 1},
                                           FillCase{"565", 0x000880FF, 31u << 11 | 32u << 5 | 1,
                                                    31u << 11 | 41u << 5 | 1},
                                           FillCase{"24", 0x000880FF, 0xFF8008, 0xFFA60A},
                                           FillCase{"32", 0x000880FF, 0xFF8008, 0xFFA60A},
                                           FillCase{"24", 0x00C8C8C8, 0xC8C8C8, 0xFFFFFF},
                                           FillCase{"32", 0x00C8C8C8, 0xC8C8C8, 0xFFFFFF},
                                           FillCase{"565", 0x00C8C8C8, 25u << 11 | 50u << 5 | 25,
                                                    31u << 11 | 63u << 5 | 31}),
                         FillCaseName);

TEST(LightenTest, CapsInsteadOfWrapping) {
  EXPECT_EQ(Lighten(200, 255), 255u);
  EXPECT_EQ(Lighten(196, 255), 254u);  // 254.8 truncated
  EXPECT_EQ(Lighten(10, 255), 13u);    // exactly 13, not 12.999...
  EXPECT_EQ(Lighten(25, 31), 31u);
  EXPECT_EQ(Lighten(0, 31), 0u);
}

// A grey ramp: pixel (x, y) has grey level (x + 2 y) % 256.
Bitmap GreyRamp(int width, int height) {
  Bitmap ramp = SolidBitmap(width, height, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const auto g = static_cast<uint32_t>((x + 2 * y) % 256);
      ramp.pixels[static_cast<std::size_t>(y * width + x)] = g << 16 | g << 8 | g;
    }
  }
  return ramp;
}

TEST(TexturedTileTest, TintsEachPixelByTheTexturesBrightness) {
  SurfaceService service(PixelFormatInfo::Rgb32());
  auto tile = service.Create(kTileSide, kTileSide, SurfaceMemory::Display);
  const Bitmap ramp = GreyRamp(200, 200);
  ASSERT_TRUE(FillTile(*tile, &ramp, 0x000880FF, false));
  EXPECT_EQ(ReadPixel(*tile, 0, 0), 0u);            // grey 0
  EXPECT_EQ(ReadPixel(*tile, 127, 64), 0xFF8008u);  // grey 255: the colour itself
  EXPECT_EQ(ReadPixel(*tile, 0, 64), 0x804004u);    // grey 128: 128, 64, 4
  EXPECT_EQ(ReadPixel(*tile, 51, 0), 0x331901u);    // grey 51: 51, 25.6, 1.6 truncated
  ASSERT_TRUE(FillTile(*tile, &ramp, 0x000880FF, true));
  EXPECT_EQ(ReadPixel(*tile, 127, 64), 0xFFA60Au);
  EXPECT_EQ(ReadPixel(*tile, 0, 64), 0xA65305u);  // 166.4, 83.2, 5.2 truncated
}

TEST(TexturedTileTest, SixteenBitsScaleByTheBlueFieldAndCutEachChannel) {
  SurfaceService service(PixelFormatInfo::Rgb565());
  auto tile = service.Create(kTileSide, kTileSide, SurfaceMemory::Display);
  const Bitmap ramp = GreyRamp(200, 200);
  ASSERT_TRUE(FillTile(*tile, &ramp, 0x000880FF, false));
  // Grey 255 has blue field 31, t = 1: 255 >> 3, 128 >> 2, 8 >> 3.
  EXPECT_EQ(ReadPixel(*tile, 127, 64), 31u << 11 | 32u << 5 | 1);
  // Grey 128 has blue field 16, t = 16 / 31: 131 >> 3, 66 >> 2, 4 >> 3.
  EXPECT_EQ(ReadPixel(*tile, 0, 64), 16u << 11 | 16u << 5 | 0);
}

TEST(TexturedTileTest, BlackBackgroundMakesBothTilesBlackInEveryFormat) {
  for (const char* name : kFormatNames) {
    SurfaceService service(FormatNamed(name));
    TestBitmaps bitmaps;
    bitmaps.Set(kTextureFirstBitmap + 3, GreyRamp(128, 128));
    const PaintResources r = MakePaintResources(service, bitmaps, {0, true, 3});
    ExpectEveryPixel(*r.backgroundTile, 0);
    ExpectEveryPixel(*r.boxBackgroundTile, 0);
  }
}

TEST(TexturedTileTest, AreaBeyondASmallTextureIsBlack) {
  SurfaceService service(PixelFormatInfo::Rgb24());
  auto tile = service.Create(kTileSide, kTileSide, SurfaceMemory::Display);
  FillTile(*tile, nullptr, 0x00FFFFFF, false);
  const Bitmap white = SolidBitmap(64, 100, 0xFFFFFF);
  ASSERT_TRUE(FillTile(*tile, &white, 0x00102030, false));
  EXPECT_EQ(ReadPixel(*tile, 63, 99), 0x302010u);
  EXPECT_EQ(ReadPixel(*tile, 64, 0), 0u);
  EXPECT_EQ(ReadPixel(*tile, 0, 100), 0u);
}

TEST(BackgroundTilesTest, UseTheChosenTextureOnlyWhenEnabledAndPresent) {
  SurfaceService service(PixelFormatInfo::Rgb32());
  TestBitmaps bitmaps;
  bitmaps.Set(kTextureFirstBitmap + 2, SolidBitmap(128, 128, 0x808080));
  auto tile = service.Create(kTileSide, kTileSide, SurfaceMemory::Display);
  auto lighter = service.Create(kTileSide, kTileSide, SurfaceMemory::Display);

  FillBackgroundTiles(tile.get(), lighter.get(), bitmaps, {0x00FFFFFF, true, 2});
  EXPECT_EQ(ReadPixel(*tile, 5, 5), 0x808080u);  // white scaled by 128 / 255
  EXPECT_EQ(ReadPixel(*lighter, 5, 5), 0xA6A6A6u);

  FillBackgroundTiles(tile.get(), lighter.get(), bitmaps, {0x00FFFFFF, false, 2});
  EXPECT_EQ(ReadPixel(*tile, 5, 5), 0xFFFFFFu);

  // Texture 5 is missing: the plain colour instead.
  FillBackgroundTiles(tile.get(), lighter.get(), bitmaps, {0x00000064, true, 5});
  EXPECT_EQ(ReadPixel(*tile, 5, 5), 0x640000u);
  EXPECT_EQ(ReadPixel(*lighter, 5, 5), 0x820000u);
}

}  // namespace
