// The sparkle and particle strips: visible frames on the black key colour that fade out.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "AssetPixels.h"
#include "assets/EmbeddedBitmaps.h"

namespace {

struct Strip {
  int id;
  int frameWidth;
  int frames;
};

class SpriteTest : public testing::TestWithParam<Strip> {
 protected:
  Bitmap strip = *EmbeddedBitmaps().Load(GetParam().id);
  double FrameLight(int frame) const {
    const int left = frame * GetParam().frameWidth;
    return MeanBrightness(strip, left, 0, left + GetParam().frameWidth, strip.height);
  }
};

TEST_P(SpriteTest, EveryFrameShowsSomethingAndKeepsItsBorderTransparent) {
  const Strip s = GetParam();
  for (int frame = 0; frame < s.frames; ++frame) {
    SCOPED_TRACE(frame);
    EXPECT_GT(FrameLight(frame), 0.0);
    const int left = frame * s.frameWidth;
    const int right = left + s.frameWidth - 1;
    // The corners of every frame are key colour, so no frame bleeds into its neighbour.
    EXPECT_EQ(strip.At(left, 0), 0u);
    EXPECT_EQ(strip.At(right, 0), 0u);
    EXPECT_EQ(strip.At(left, strip.height - 1), 0u);
    EXPECT_EQ(strip.At(right, strip.height - 1), 0u);
  }
}

TEST_P(SpriteTest, FadesOutTowardsTheLastFrame) {
  const Strip s = GetParam();
  double brightest = 0;
  for (int frame = 0; frame < s.frames; ++frame) brightest = std::max(brightest, FrameLight(frame));
  EXPECT_LT(FrameLight(s.frames - 1), 0.25 * brightest);
}

// Keyed copies are not blended, so a dim glow pixel would show as a dark fringe.
TEST_P(SpriteTest, HasNoDimFringePixels) {
  for (const uint32_t pixel : strip.pixels) {
    if (pixel == 0) continue;
    ASSERT_GE(std::max({Red(pixel), Green(pixel), Blue(pixel)}), 40);
  }
}

INSTANTIATE_TEST_SUITE_P(Sparkle, SpriteTest, testing::Values(Strip{268, 24, 16}));
INSTANTIATE_TEST_SUITE_P(Particles, SpriteTest,
                         testing::Values(Strip{272, 12, 10}, Strip{273, 12, 10}, Strip{274, 12, 10},
                                         Strip{275, 12, 10}, Strip{276, 12, 10},
                                         Strip{277, 12, 10}));

// The mean colour of the first, fullest frame tells the six particle colours apart.
TEST(Particles, EachColourHasItsOwnHue) {
  const EmbeddedBitmaps provider;
  std::vector<std::array<double, 3>> means;
  for (int id = 272; id <= 277; ++id) {
    const Bitmap strip = *provider.Load(id);
    std::array<double, 3> mean{};
    for (int y = 0; y < 12; ++y) {
      for (int x = 0; x < 12; ++x) {
        mean[0] += Red(strip.At(x, y)) / 144.0;
        mean[1] += Green(strip.At(x, y)) / 144.0;
        mean[2] += Blue(strip.At(x, y)) / 144.0;
      }
    }
    means.push_back(mean);
  }
  for (std::size_t a = 0; a < means.size(); ++a) {
    for (std::size_t b = a + 1; b < means.size(); ++b) {
      const double distance = std::abs(means[a][0] - means[b][0]) +
                              std::abs(means[a][1] - means[b][1]) +
                              std::abs(means[a][2] - means[b][2]);
      EXPECT_GT(distance, 20.0) << 272 + a << " " << 272 + b;
    }
  }
}

}  // namespace
