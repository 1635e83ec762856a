// Filling a rectangle of a surface with one pixel value.
#include <gtest/gtest.h>

#include "FormatParam.h"
#include "surface/Blit.h"

namespace {

class FillRectEach : public FormatParam {
 protected:
  void ExpectFilled(const std::vector<uint32_t>& before, const Surface& surface, const Rect& rect,
                    uint32_t pixel) {
    for (int y = 0; y < surface.Height(); ++y) {
      for (int x = 0; x < surface.Width(); ++x) {
        const uint32_t old = before[static_cast<std::size_t>(y * surface.Width() + x)];
        ASSERT_EQ(ReadPixel(surface, x, y), rect.Contains(x, y) ? pixel : old) << x << "," << y;
      }
    }
  }
};

TEST_P(FillRectEach, FillsExactlyTheRectangle) {
  const uint32_t pixel = format.FromRgb8(0x12, 0xC4, 0x7E);
  for (const Rect& rect : {Rect{3, 2, 20, 9}, Rect{0, 0, 1, 1}, Rect{10, 5, 23, 13}}) {
    auto surface = Make(23, 13);
    const auto before = Pixels(*surface);
    ASSERT_TRUE(FillRect(*surface, rect, pixel));
    ExpectFilled(before, *surface, rect, pixel);
  }
}

TEST_P(FillRectEach, WritesTheValueAsGivenSpareBitsIncluded) {
  auto surface = Make(9, 3);
  const auto before = Pixels(*surface);
  const uint32_t pixel = format.colourMask | SpareBits(format);
  ASSERT_TRUE(FillRect(*surface, {1, 1, 8, 2}, pixel));
  ExpectFilled(before, *surface, {1, 1, 8, 2}, pixel);
}

TEST_P(FillRectEach, RefusesEmptyOutsideOrLost) {
  auto surface = Make(10, 10);
  const auto before = Pixels(*surface);
  EXPECT_FALSE(FillRect(*surface, {2, 2, 2, 8}, 1));
  EXPECT_FALSE(FillRect(*surface, {5, 5, 3, 8}, 1));
  EXPECT_FALSE(FillRect(*surface, {-1, 0, 4, 4}, 1));
  EXPECT_FALSE(FillRect(*surface, {0, 0, 11, 4}, 1));
  EXPECT_FALSE(FillRect(*surface, {0, 0, 4, 11}, 1));
  EXPECT_EQ(Pixels(*surface), before);

  auto display = CreateOffscreenSurface(service, 10, 10, false);
  service.LoseDisplaySurfaces();
  EXPECT_FALSE(FillRect(*display, {0, 0, 4, 4}, 1));
}

INSTANTIATE_TEST_SUITE_P(AllFormats, FillRectEach, ::testing::ValuesIn(kFormatNames),
                         FormatTestName);

}  // namespace
