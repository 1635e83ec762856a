// Thumbnail size rule and the conversions between the file's bytes and every display format.
#include <gtest/gtest.h>

#include <vector>

#include "library/PuzzleFileLayout.h"
#include "library/ThumbnailPixels.h"
#include "support/SurfacePixels.h"
#include "surface/Blit.h"

namespace {

TEST(ThumbnailSize, KeepsTheProportionsWithTheLongerSideAt100) {
  EXPECT_EQ(ThumbnailSizeFor(400, 300), (ThumbnailSize{100, 75}));
  EXPECT_EQ(ThumbnailSizeFor(300, 400), (ThumbnailSize{75, 100}));
  EXPECT_EQ(ThumbnailSizeFor(100, 100), (ThumbnailSize{100, 100}));
  EXPECT_EQ(ThumbnailSizeFor(99, 1000), (ThumbnailSize{9, 100}));
  EXPECT_EQ(ThumbnailSizeFor(50, 40), (ThumbnailSize{100, 80}));
}

TEST(ThumbnailSize, NeverGivesASideOfZero) {
  EXPECT_EQ(ThumbnailSizeFor(5000, 40), (ThumbnailSize{100, 1}));
  EXPECT_EQ(ThumbnailSizeFor(40, 5000), (ThumbnailSize{1, 100}));
  EXPECT_EQ(ThumbnailSizeFor(32767, 32767), (ThumbnailSize{100, 100}));
}

class ThumbnailPixels : public testing::TestWithParam<const char*> {
 protected:
  ThumbnailPixels() : format(FormatNamed(GetParam())), service(format) {}

  // Each channel's bits narrower than 8 are cleared: what a file written in this format holds.
  uint8_t Narrowed(uint8_t v, int bits) const {
    return static_cast<uint8_t>(v >> (8 - bits) << (8 - bits));
  }

  PixelFormatInfo format;
  SurfaceService service;
};

TEST_P(ThumbnailPixels, BytesBecomePixelsOfTheDisplayFormat) {
  const int w = 5, h = 3;
  std::vector<uint8_t> rgb;
  for (int i = 0; i < w * h; ++i)
    rgb.insert(rgb.end(), {static_cast<uint8_t>(i * 17), static_cast<uint8_t>(255 - i * 9),
                           static_cast<uint8_t>(i * 5 + 3)});
  const auto surface = ThumbnailFromRgb(service, rgb, w, h);
  ASSERT_TRUE(surface);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const uint8_t* c = &rgb[3 * (y * w + x)];
      const uint32_t pixel = ReadPixel(*surface, x, y);
      EXPECT_EQ(format.ToRgb8(pixel),
                (Channels{Narrowed(c[0], format.redBits), Narrowed(c[1], format.greenBits),
                          Narrowed(c[2], format.blueBits)}));
      if (format.bitsPerPixel == 32) {
        EXPECT_EQ(pixel >> 24, 0xFFu) << "the top byte is set";
      }
    }
  }
}

TEST_P(ThumbnailPixels, PixelsBecomeRedGreenBlueBytes) {
  auto surface = service.Create(4, 2, SurfaceMemory::System);
  ASSERT_TRUE(surface);
  FillPattern(*surface, 7);
  const std::vector<uint8_t> rgb = ThumbnailRgb(*surface);
  ASSERT_EQ(rgb.size(), 4u * 2 * 3);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x) {
      const Channels c = format.Unpack(ReadPixel(*surface, x, y));
      const uint8_t* b = &rgb[3 * (y * 4 + x)];
      EXPECT_EQ(b[0], c.red << (8 - format.redBits));
      EXPECT_EQ(b[1], c.green << (8 - format.greenBits));
      EXPECT_EQ(b[2], c.blue << (8 - format.blueBits));
    }
  }
}

TEST_P(ThumbnailPixels, ReadInThirtyTwoBitsKeepsTheWritersChannels) {
  auto written = service.Create(3, 3, SurfaceMemory::System);
  ASSERT_TRUE(written);
  FillPattern(*written, 3);
  const std::vector<uint8_t> rgb = ThumbnailRgb(*written);
  SurfaceService display32(PixelFormatInfo::Rgb32());
  const auto read = ThumbnailFromRgb(display32, rgb, 3, 3);
  ASSERT_TRUE(read);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x) {
      const uint32_t pixel = ReadPixel(*read, x, y);
      const Channels c = format.Unpack(ReadPixel(*written, x, y));
      EXPECT_EQ(pixel >> 24, 0xFFu);
      EXPECT_EQ((pixel >> 16) & 0xFF, c.red << (8 - format.redBits));
      EXPECT_EQ((pixel >> 8) & 0xFF, c.green << (8 - format.greenBits));
      EXPECT_EQ(pixel & 0xFF, c.blue << (8 - format.blueBits));
    }
  }
}

TEST_P(ThumbnailPixels, PictureOfThumbnailSizeIsCopiedNotStretched) {
  auto picture = service.Create(100, 100, SurfaceMemory::System);
  ASSERT_TRUE(picture);
  FillPattern(*picture, 5);
  const auto thumbnail = MakeThumbnail(service, *picture, ThumbnailSizeFor(100, 100));
  ASSERT_TRUE(thumbnail);
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 100; ++x)
      ASSERT_EQ(ReadPixel(*thumbnail, x, y) & format.colourMask,
                ReadPixel(*picture, x, y) & format.colourMask);
  }
}

TEST_P(ThumbnailPixels, LargerPictureIsAveragedDown) {
  auto picture = service.Create(400, 300, SurfaceMemory::System);
  ASSERT_TRUE(picture);
  // Left half one colour, right half another: the thumbnail keeps the split at its middle.
  const uint32_t left = format.FromRgb8(200, 40, 40), right = format.FromRgb8(40, 40, 200);
  FillRect(*picture, {0, 0, 200, 300}, left);
  FillRect(*picture, {200, 0, 400, 300}, right);
  const auto thumbnail = MakeThumbnail(service, *picture, ThumbnailSizeFor(400, 300));
  ASSERT_TRUE(thumbnail);
  EXPECT_EQ(thumbnail->Width(), 100);
  EXPECT_EQ(thumbnail->Height(), 75);
  EXPECT_EQ(ReadPixel(*thumbnail, 10, 40) & format.colourMask, left);
  EXPECT_EQ(ReadPixel(*thumbnail, 90, 40) & format.colourMask, right);
}

TEST_P(ThumbnailPixels, TooFewBytesGiveNoSurface) {
  EXPECT_FALSE(ThumbnailFromRgb(service, std::vector<uint8_t>(3 * 4 * 4 - 1), 4, 4));
}

INSTANTIATE_TEST_SUITE_P(Formats, ThumbnailPixels, testing::ValuesIn(kFormatNames),
                         [](const auto& param) { return std::string("Rgb") + param.param; });

}  // namespace
