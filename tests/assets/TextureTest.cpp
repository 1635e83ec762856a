// The background textures: grey, bright enough to tint, and tiling without visible seams.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "AssetPixels.h"
#include "assets/EmbeddedBitmaps.h"

namespace {

class TextureTest : public testing::TestWithParam<int> {
 protected:
  Bitmap texture = *EmbeddedBitmaps().Load(GetParam());
};

// Mean absolute brightness step between horizontally neighbouring pixels (x, x + 1 mod 128) over
// the given columns, or vertically neighbouring rows when `down`.
double MeanStep(const Bitmap& texture, int from, int to, bool down) {
  double sum = 0;
  int count = 0;
  for (int a = from; a < to; ++a) {
    const int b = (a + 1) % texture.width;
    for (int i = 0; i < texture.height; ++i) {
      const uint32_t first = down ? texture.At(i, a) : texture.At(a, i);
      const uint32_t second = down ? texture.At(i, b) : texture.At(b, i);
      sum += std::abs(Brightness(first) - Brightness(second));
      ++count;
    }
  }
  return sum / count;
}

TEST_P(TextureTest, IsGreySoTheBlueChannelCarriesBrightness) {
  for (const uint32_t pixel : texture.pixels) {
    ASSERT_EQ(Red(pixel), Blue(pixel));
    ASSERT_EQ(Green(pixel), Blue(pixel));
  }
}

TEST_P(TextureTest, IsBrightEnoughToShowTheTintAndNotFlat) {
  const double mean = MeanBrightness(texture, 0, 0, 128, 128);
  EXPECT_GT(mean, 120);
  EXPECT_LT(mean, 250);
  EXPECT_GT(BrightnessVariance(texture, 0, 0, 128, 128), 4.0);
}

// The step across the wrap (last column to first, last row to first) must look like a step
// between neighbours inside the tile. A seam joins unrelated pixels, whose mean step is far
// above that of any pair of neighbouring columns (woven patterns have regular edges inside
// the tile too, so the wrap is compared with the largest of them, not with their mean).
TEST_P(TextureTest, TilesWithoutSeams) {
  for (const bool down : {false, true}) {
    SCOPED_TRACE(down ? "rows" : "columns");
    const double wrap = MeanStep(texture, 127, 128, down);
    double largest = 0;
    for (int a = 0; a < 127; ++a) largest = std::max(largest, MeanStep(texture, a, a + 1, down));
    EXPECT_LE(wrap, largest + 0.5);
  }
}

TEST(Textures, AreNineDifferentPictures) {
  const EmbeddedBitmaps provider;
  for (int a = 217; a <= 225; ++a)
    for (int b = a + 1; b <= 225; ++b)
      EXPECT_NE(provider.Load(a)->pixels, provider.Load(b)->pixels) << a << " " << b;
}

INSTANTIATE_TEST_SUITE_P(Background, TextureTest, testing::Range(217, 226));

}  // namespace
