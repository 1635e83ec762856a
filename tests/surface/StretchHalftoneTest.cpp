// Scaled copies where each destination pixel is the area-weighted mean of what it covers.
#include <gtest/gtest.h>

#include <cmath>

#include "FormatParam.h"
#include "surface/Blit.h"

namespace {

class StretchHalftoneEach : public FormatParam {
 protected:
  uint32_t Colour(const Surface& s, int x, int y) const {
    return ReadPixel(s, x, y) & format.colourMask;
  }

  std::unique_ptr<Surface> Uniform(int width, int height, uint32_t pixel) {
    auto surface = Make(width, height);
    FillRect(*surface, surface->Bounds(), pixel);
    return surface;
  }
};

TEST_P(StretchHalftoneEach, SameSizeCopiesTheColours) {
  auto src = Make(13, 7, 1);
  WritePixel(*src, 4, 4, ReadPixel(*src, 4, 4) | SpareBits(format));
  auto dest = Make(13, 7, 2);
  ASSERT_TRUE(StretchHalftone(*dest, dest->Bounds(), *src, src->Bounds()));
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 13; ++x) ASSERT_EQ(ReadPixel(*dest, x, y), Colour(*src, x, y));
  }
}

TEST_P(StretchHalftoneEach, HalvingAveragesTwoByTwoBlocks) {
  auto src = Make(16, 10, 3);
  auto dest = Make(8, 5, 4);
  ASSERT_TRUE(StretchHalftone(*dest, dest->Bounds(), *src, src->Bounds()));
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 8; ++x) {
      Channels sum;
      for (const auto& [dx, dy] : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 1}}) {
        const Channels c = format.Unpack(ReadPixel(*src, 2 * x + dx, 2 * y + dy));
        sum = {sum.red + c.red, sum.green + c.green, sum.blue + c.blue};
      }
      // Means of four, halves rounded up.
      const Channels mean{(sum.red + 2) / 4, (sum.green + 2) / 4, (sum.blue + 2) / 4};
      ASSERT_EQ(format.Unpack(ReadPixel(*dest, x, y)), mean) << x << "," << y;
    }
  }
}

TEST_P(StretchHalftoneEach, DoublingRepeatsEachPixel) {
  auto src = Make(5, 4, 5);
  auto dest = Make(10, 8, 6);
  ASSERT_TRUE(StretchHalftone(*dest, dest->Bounds(), *src, src->Bounds()));
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 10; ++x) ASSERT_EQ(ReadPixel(*dest, x, y), Colour(*src, x / 2, y / 2));
  }
}

TEST_P(StretchHalftoneEach, ThreeToTwoWeighsTheSharedPixelHalf) {
  // Destination pixel 0 covers source 0 and half of source 1: (2a + b) / 3, and so on.
  auto src = Make(3, 1);
  WritePixel(*src, 0, 0, format.Pack({3, 3, 3}));
  WritePixel(*src, 1, 0, format.Pack({6, 12, 0}));
  WritePixel(*src, 2, 0, format.Pack({9, 0, 30}));
  auto dest = Make(2, 1);
  ASSERT_TRUE(StretchHalftone(*dest, dest->Bounds(), *src, src->Bounds()));
  EXPECT_EQ(format.Unpack(ReadPixel(*dest, 0, 0)), (Channels{4, 6, 2}));
  EXPECT_EQ(format.Unpack(ReadPixel(*dest, 1, 0)), (Channels{8, 4, 20}));
}

// Any ratio: each channel lies within rounding of the exact area-weighted mean.
TEST_P(StretchHalftoneEach, OddRatiosStayWithinRoundingOfTheAreaMean) {
  auto src = Make(17, 11, 7);
  for (const auto& [w, h] : {std::pair{5, 3}, {7, 13}, {23, 4}, {1, 1}, {17, 2}}) {
    auto dest = Make(w, h, 8);
    ASSERT_TRUE(StretchHalftone(*dest, dest->Bounds(), *src, src->Bounds()));
    const double sx = 17.0 / w, sy = 11.0 / h;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        double red = 0, green = 0, blue = 0;
        for (int j = 0; j < 11; ++j) {
          const double wy =
              std::max(0.0, std::min((y + 1) * sy, j + 1.0) - std::max(y * sy, 1.0 * j));
          for (int i = 0; i < 17 && wy > 0; ++i) {
            const double wx =
                std::max(0.0, std::min((x + 1) * sx, i + 1.0) - std::max(x * sx, 1.0 * i));
            const Channels c = format.Unpack(ReadPixel(*src, i, j));
            red += wx * wy * c.red;
            green += wx * wy * c.green;
            blue += wx * wy * c.blue;
          }
        }
        const double area = sx * sy;
        const Channels got = format.Unpack(ReadPixel(*dest, x, y));
        ASSERT_LE(std::abs(got.red - red / area), 0.5 + 1e-9) << w << "x" << h << " " << x;
        ASSERT_LE(std::abs(got.green - green / area), 0.5 + 1e-9) << w << "x" << h << " " << x;
        ASSERT_LE(std::abs(got.blue - blue / area), 0.5 + 1e-9) << w << "x" << h << " " << x;
      }
    }
  }
}

TEST_P(StretchHalftoneEach, OneColourStaysThatColourAtAnyRatio) {
  const uint32_t pixel = format.FromRgb8(0xA0, 0x38, 0xF8);
  auto src = Uniform(19, 7, pixel);
  for (const auto& [w, h] : {std::pair{3, 11}, {40, 2}, {6, 6}}) {
    auto dest = Make(w, h);
    ASSERT_TRUE(StretchHalftone(*dest, dest->Bounds(), *src, src->Bounds()));
    for (uint32_t v : Pixels(*dest)) ASSERT_EQ(v, pixel);
  }
}

TEST_P(StretchHalftoneEach, UsesOnlyTheGivenRectangles) {
  auto src = Make(20, 20, 9);
  const uint32_t inside = format.FromRgb8(0x40, 0x80, 0xC0);
  FillRect(*src, {4, 6, 10, 12}, inside);
  auto dest = Make(30, 30, 10);
  const auto before = Pixels(*dest);
  const Rect target{7, 3, 10, 6};
  ASSERT_TRUE(StretchHalftone(*dest, target, *src, {4, 6, 10, 12}));
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 30; ++x) {
      const uint32_t old = before[static_cast<std::size_t>(y * 30 + x)];
      ASSERT_EQ(ReadPixel(*dest, x, y), target.Contains(x, y) ? inside : old) << x << "," << y;
    }
  }
}

TEST_P(StretchHalftoneEach, RefusedStretchesWriteNothing) {
  auto src = Make(10, 10, 11);
  auto dest = Make(10, 10, 12);
  const auto before = Pixels(*dest);
  EXPECT_FALSE(StretchHalftone(*dest, {0, 0, 0, 5}, *src, src->Bounds()));
  EXPECT_FALSE(StretchHalftone(*dest, dest->Bounds(), *src, {3, 3, 3, 3}));
  EXPECT_FALSE(StretchHalftone(*dest, {0, 0, 11, 5}, *src, src->Bounds()));
  EXPECT_FALSE(StretchHalftone(*dest, dest->Bounds(), *src, {-1, 0, 5, 5}));
  SurfaceService other(format.bitsPerPixel == 32 ? PixelFormatInfo::Rgb24()
                                                 : PixelFormatInfo::Rgb32());
  auto foreign = other.Create(10, 10, SurfaceMemory::System);
  EXPECT_FALSE(StretchHalftone(*dest, dest->Bounds(), *foreign, foreign->Bounds()));
  EXPECT_EQ(Pixels(*dest), before);
}

INSTANTIATE_TEST_SUITE_P(AllFormats, StretchHalftoneEach, ::testing::ValuesIn(kFormatNames),
                         FormatTestName);

}  // namespace
