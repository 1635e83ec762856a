// Clipping a copy against the rectangle being repainted.
#include "surface/ClipBlit.h"

#include <gtest/gtest.h>

#include "FormatParam.h"
#include "surface/Blit.h"

namespace {

struct Clipped {
  Rect source;
  int x;
  int y;
};

Clipped Clip(Rect source, int x, int y, const Rect& clip) {
  ClipBlit(source, x, y, clip);
  return {source, x, y};
}

const Rect kClip{100, 50, 300, 200};

TEST(ClipBlit, InsideTheClipNothingChanges) {
  const Clipped c = Clip({10, 20, 60, 70}, 120, 60, kClip);
  EXPECT_EQ(c.source, (Rect{10, 20, 60, 70}));
  EXPECT_EQ(c.x, 120);
  EXPECT_EQ(c.y, 60);
}

TEST(ClipBlit, WhollyLeftOfTheClipBecomesEmpty) {
  const Clipped c = Clip({0, 0, 40, 40}, 20, 60, kClip);
  EXPECT_LE(c.source.Width(), 0);
  EXPECT_EQ(c.x, kClip.left);
}

TEST(ClipBlit, WhollyRightOrBelowBecomesEmpty) {
  EXPECT_LE(Clip({0, 0, 40, 40}, 310, 60, kClip).source.Width(), 0);
  EXPECT_LE(Clip({0, 0, 40, 40}, 120, 250, kClip).source.Height(), 0);
  EXPECT_LE(Clip({0, 0, 40, 40}, 120, 0, kClip).source.Height(), 0);
}

TEST(ClipBlit, FiveRowsAboveLosesItsTopFiveRows) {
  const Clipped c = Clip({7, 3, 47, 43}, 120, kClip.top - 5, kClip);
  EXPECT_EQ(c.source, (Rect{7, 8, 47, 43}));
  EXPECT_EQ(c.x, 120);
  EXPECT_EQ(c.y, kClip.top);
}

TEST(ClipBlit, LeftEdgeMovesTheSourceAndTheDestination) {
  const Clipped c = Clip({10, 0, 50, 40}, 90, 60, kClip);
  EXPECT_EQ(c.source, (Rect{20, 0, 50, 40}));
  EXPECT_EQ(c.x, 100);
}

TEST(ClipBlit, RightAndBottomEdgesShortenTheSource) {
  const Clipped c = Clip({10, 20, 60, 70}, 280, 190, kClip);
  EXPECT_EQ(c.source, (Rect{10, 20, 30, 30}));
  EXPECT_EQ(c.x, 280);
  EXPECT_EQ(c.y, 190);
}

TEST(ClipBlit, LargerThanTheClipOnEverySide) {
  // Right is cut from the unclipped destination, bottom from the height left after the top cut.
  const Clipped c = Clip({5, 5, 405, 305}, 90, 40, kClip);
  EXPECT_EQ(c.source, (Rect{15, 15, 215, 165}));
  EXPECT_EQ(c.x, 100);
  EXPECT_EQ(c.y, 50);
}

TEST(ClipBlit, EmptySourceIsLeftAlone) {
  const Clipped c = Clip({30, 30, 30, 30}, 0, 0, kClip);
  EXPECT_EQ(c.source, (Rect{30, 30, 30, 30}));
  EXPECT_EQ(c.x, 0);
  EXPECT_EQ(c.y, 0);
}

class ClipBlitCopy : public FormatParam {};

// The clipped copy lands at the clip's top with the source's sixth row, and nothing above or
// left of the clip is touched.
TEST_P(ClipBlitCopy, CopiesOnlyWhatIsInsideTheClip) {
  auto src = Make(20, 20, 1);
  auto dest = Make(60, 60, 2);
  auto before = Make(60, 60, 2);
  const Rect clip{10, 10, 50, 50};
  Rect source = src->Bounds();
  int x = 5, y = 5;
  ClipBlit(source, x, y, clip);
  ASSERT_TRUE(BltFast(*dest, x, y, *src, source));
  for (int py = 0; py < 60; ++py) {
    for (int px = 0; px < 60; ++px) {
      const bool copied = px >= 10 && px < 25 && py >= 10 && py < 25;
      const uint32_t expected =
          copied ? ReadPixel(*src, px - 5, py - 5) : ReadPixel(*before, px, py);
      ASSERT_EQ(ReadPixel(*dest, px, py), expected) << px << "," << py;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllFormats, ClipBlitCopy, ::testing::ValuesIn(kFormatNames),
                         FormatTestName);

}  // namespace
