// Fitting pictures: the size rule, the 16-sample mean against a plain reference, grey, black.
#include "puzzle/PictureFitting.h"

#include <gtest/gtest.h>

#include <tuple>

#include "CutFixtures.h"
#include "support/SurfacePixels.h"

namespace {

// The mean of the 16 samples of destination pixel (x, y), read one by one, as the rule states.
Channels ReferencePixel(const Surface& source, int x, int y, float rx, float ry, bool grey) {
  const PixelFormatInfo& f = source.Format();
  uint32_t red = 0, green = 0, blue = 0;
  for (int j = 0; j < 4; ++j) {
    for (int i = 0; i < 4; ++i) {
      const int col = static_cast<int>(static_cast<float>(x) * rx + static_cast<float>(i) * 0.25f);
      const int row = static_cast<int>(static_cast<float>(y) * ry + static_cast<float>(j) * 0.25f);
      const Channels c = PixelChannels(source, col, row);
      red += c.red;
      green += grey ? c.green >> (f.greenBits - f.redBits) : c.green;
      blue += grey ? c.blue >> (f.blueBits - f.redBits) : c.blue;
    }
  }
  const auto mean = [](uint32_t sum) {
    const uint32_t whole = sum / 16, sixteenths = sum % 16;
    return sixteenths > 8 ? whole + 1 : whole;  // a half rounds down
  };
  Channels c{mean(red), mean(green), mean(blue)};
  if (grey) {
    const uint32_t level = mean((red + green + blue) / 3);
    c = {level, level << (f.greenBits - f.redBits), level << (f.blueBits - f.redBits)};
  }
  if (c == Channels{0, 0, 0}) c = {1, 1, 1};
  return c;
}

class PictureFitting : public testing::TestWithParam<const char*> {
 protected:
  std::unique_ptr<Surface> Picture(int width, int height, uint32_t pixel) {
    auto picture = CreateOffscreenSurface(service_, width, height, true);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) WritePixel(*picture, x, y, pixel);
    }
    return picture;
  }
  SurfaceService service_{FormatNamed(GetParam())};
  const PixelFormatInfo& format_ = service_.Format();
};

TEST(FitPictureSize, SmallPicturesKeepTheirSize) {
  // 640 < 1024 - 64 and 480 < 736 - 64.
  const FittedSize size = FitPictureSize(640, 480, Rect{0, 32, 1024, 768});
  EXPECT_EQ(size.width, 640);
  EXPECT_EQ(size.height, 480);
  EXPECT_FALSE(size.scaled);
}

TEST(FitPictureSize, APictureExactlyAsWideAsTheRoomIsScaled) {
  const FittedSize size = FitPictureSize(960, 100, Rect{0, 32, 1024, 768});
  EXPECT_TRUE(size.scaled);
  EXPECT_EQ(size.width, 960);
  EXPECT_EQ(size.height, 100);
}

TEST(FitPictureSize, LargePicturesShrinkByTheLargerRatio) {
  // Room 1000 x 500: the height ratio 3 wins over the width ratio 2.
  const FittedSize size = FitPictureSize(2000, 1500, Rect{0, 0, 1064, 564});
  EXPECT_TRUE(size.scaled);
  EXPECT_EQ(size.width, 666);
  EXPECT_EQ(size.height, 500);
}

TEST(FitPictureSize, APlayAreaWithoutRoomFitsNothing) {
  EXPECT_EQ(FitPictureSize(100, 100, Rect{0, 0, 64, 500}).width, 0);
  EXPECT_EQ(FitPictureSize(100, 100, Rect{0, 0, 500, 40}).height, 0);
}

TEST_P(PictureFitting, UnscaledColourPicturesAreCopied) {
  auto picture = RandomPicture(service_, 37, 23, 9);
  auto original = RandomPicture(service_, 37, 23, 9);
  ASSERT_TRUE(FitPicture(service_, Rect{0, 0, 800, 600}, picture, false));
  ASSERT_NE(picture.get(), original.get());
  for (int y = 0; y < 23; ++y) {
    for (int x = 0; x < 37; ++x) {
      ASSERT_EQ(PixelChannels(*picture, x, y), PixelChannels(*original, x, y));
    }
  }
}

TEST_P(PictureFitting, ScaledPixelsAreTheRoundedMeanOfSixteenSamples) {
  for (const bool grey : {false, true}) {
    auto picture = RandomPicture(service_, 301, 187, 11);
    auto original = RandomPicture(service_, 301, 187, 11);
    // Room 120 x 100: in single precision 301 / (301 / 120) comes out just below 120.
    ASSERT_TRUE(FitPicture(service_, Rect{0, 0, 184, 164}, picture, grey));
    ASSERT_EQ(picture->Width(), 119);
    ASSERT_EQ(picture->Height(), 74);
    const float rx = 301.0f / 119.0f, ry = 187.0f / 74.0f;
    for (int y = 0; y < 74; ++y) {
      for (int x = 0; x < 119; ++x) {
        ASSERT_EQ(PixelChannels(*picture, x, y), ReferencePixel(*original, x, y, rx, ry, grey))
            << x << "," << y << (grey ? " grey" : " colour");
      }
    }
  }
}

TEST_P(PictureFitting, AnExactHalfRoundsDown) {
  // Blue 10 in even columns, 11 in odd ones. In 125 -> 50 the samples of column 1 fall at
  // 2.5, 2.75, 3.0 and 3.25: two 10s and two 11s, mean 10.5. In 90 -> 50 those of column 3 fall
  // at 5.4 .. 6.15: three 11s and one 10, mean 10.75.
  for (const auto& [width, x, blue] : {std::tuple{125, 1, 10u}, std::tuple{90, 3, 11u}}) {
    auto picture = CreateOffscreenSurface(service_, width, 50, true);
    for (int y = 0; y < 50; ++y) {
      for (int col = 0; col < width; ++col) {
        WritePixel(*picture, col, y, format_.Pack({20, 5, 10u + static_cast<uint32_t>(col % 2)}));
      }
    }
    ASSERT_TRUE(FitPicture(service_, Rect{0, 0, 114, 114}, picture, false));
    ASSERT_EQ(picture->Width(), 50);
    EXPECT_EQ(PixelChannels(*picture, x, 0), (Channels{20, 5, blue})) << width;
  }
}

TEST_P(PictureFitting, PureBlackBecomesTheDarkestVisibleColour) {
  for (const bool grey : {false, true}) {
    auto picture = Picture(20, 10, 0);
    ASSERT_TRUE(FitPicture(service_, Rect{0, 0, 800, 600}, picture, grey));
    EXPECT_EQ(PixelChannels(*picture, 5, 5), (Channels{1, 1, 1}));
  }
}

TEST_P(PictureFitting, GreyOfPureRedIsAThird) {
  auto picture = Picture(20, 10, format_.redMask);
  ASSERT_TRUE(FitPicture(service_, Rect{0, 0, 800, 600}, picture, true));
  const uint32_t level = format_.RedMax() / 3;  // 255 / 3 = 85, 31 / 3 rounded = 10
  EXPECT_EQ(PixelChannels(*picture, 0, 0),
            (Channels{level, level << (format_.greenBits - format_.redBits), level}));
}

TEST_P(PictureFitting, NoRoomLeavesThePictureAsItIs) {
  auto picture = Picture(20, 10, 0);
  Surface* before = picture.get();
  EXPECT_FALSE(FitPicture(service_, Rect{0, 0, 60, 600}, picture, false));
  EXPECT_EQ(picture.get(), before);
  service_.SetCreationFails(true);
  EXPECT_FALSE(FitPicture(service_, Rect{0, 0, 800, 600}, picture, false));
  EXPECT_EQ(picture.get(), before);
}

INSTANTIATE_TEST_SUITE_P(Formats, PictureFitting, testing::ValuesIn(kFormatNames));

}  // namespace
