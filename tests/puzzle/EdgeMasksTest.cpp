// The edge masks against their rules and the examples the rules were checked with.
#include "puzzle/EdgeMasks.h"

#include <gtest/gtest.h>

#include "puzzle/PieceSizeChoice.h"

namespace {

int SetForSize(const PieceSizeChoice& c) {
  return c.maskSet;
}

TEST(EdgeMasks, FirstMaskRowZero) {
  const EdgeMaskShape m = MakeEdgeMaskShape(0, kTopTab);
  ASSERT_EQ(m.width, 24);
  ASSERT_EQ(m.height, 4);
  for (int x = 0; x < 24; ++x) EXPECT_EQ(m.IsBlack(x, 0), x <= 9 || x >= 14) << x;
}

TEST(EdgeMasks, SizesFollowPieceSizeTable) {
  for (const PieceSizeChoice& c : kPieceSizeChoices) {
    const int w = c.pieceSize + c.overlap;
    for (int kind = 0; kind < 8; ++kind) {
      const EdgeMaskShape m = MakeEdgeMaskShape(SetForSize(c), kind);
      const bool horizontal = kind % 2 == 0;
      EXPECT_EQ(m.width, horizontal ? w : c.overlap);
      EXPECT_EQ(m.height, horizontal ? c.overlap : w);
    }
  }
}

TEST(EdgeMasks, LargestSetTabTip) {
  const EdgeMaskShape m = MakeEdgeMaskShape(7, kTopTab);
  for (int x = 0; x < 152; ++x) EXPECT_EQ(m.IsBlack(x, 0), x < 69 || x > 82) << x;
}

TEST(EdgeMasks, EveryMaskIsMirrorSymmetricAlongItsSide) {
  for (int set = 0; set < kMaskSetCount; ++set) {
    for (int kind = 0; kind < 8; ++kind) {
      // The set 6 right hollow keeps only its upper diagonal, so it alone is not symmetric.
      if (set == 6 && kind == kRightHollow) continue;
      const EdgeMaskShape m = MakeEdgeMaskShape(set, kind);
      const bool horizontal = kind % 2 == 0;
      for (int y = 0; y < m.height; ++y) {
        for (int x = 0; x < m.width; ++x) {
          const bool mirrored =
              horizontal ? m.IsBlack(m.width - 1 - x, y) : m.IsBlack(x, m.height - 1 - y);
          ASSERT_EQ(m.IsBlack(x, y), mirrored) << "set " << set << " kind " << kind;
        }
      }
    }
  }
}

// Across an edge the tab of one piece and the hollow of the other cover the same band; outside
// the end squares every pixel is cut on exactly one side. In the end squares only the diagonal
// pixels may be cut on both sides.
TEST(EdgeMasks, OppositeMasksAreComplementsOutsideTheDiagonals) {
  for (int set = 0; set < kMaskSetCount; ++set) {
    const int n = kPieceSizeChoices[7 - set].overlap;
    const int half = n / 2;
    const EdgeMaskShape tab = MakeEdgeMaskShape(set, kTopTab);
    const EdgeMaskShape hollow = MakeEdgeMaskShape(set, kBottomHollow);
    int bothCut = 0;
    for (int y = 0; y < tab.height; ++y) {
      for (int x = 0; x < tab.width; ++x) {
        const bool a = tab.IsBlack(x, y), b = hollow.IsBlack(x, y);
        if (a && b) {
          ++bothCut;
          const int e = std::min(x, tab.width - 1 - x);
          EXPECT_TRUE(e == y && y < half) << "set " << set << " at " << x << "," << y;
        } else {
          EXPECT_TRUE(a || b) << "set " << set << " at " << x << "," << y;
        }
      }
    }
    EXPECT_EQ(bothCut, 2 * half) << "set " << set;
  }
}

TEST(EdgeMasks, SideMasksAreTurnedHorizontalMasks) {
  const std::pair<int, int> pairs[] = {{kRightTab, kTopTab},
                                       {kLeftTab, kBottomTab},
                                       {kRightHollow, kTopHollow},
                                       {kLeftHollow, kBottomHollow}};
  for (int set = 0; set < kMaskSetCount; ++set) {
    for (const auto& [side, source] : pairs) {
      if (set == 6 && side == kRightHollow) continue;
      const EdgeMaskShape r = MakeEdgeMaskShape(set, side);
      const EdgeMaskShape m = MakeEdgeMaskShape(set, source);
      for (int y = 0; y < r.height; ++y) {
        for (int x = 0; x < r.width; ++x) {
          ASSERT_EQ(r.IsBlack(x, y), m.IsBlack(y, m.height - 1 - x));
        }
      }
    }
  }
}

TEST(EdgeMasks, SingularPixelsOfSetsTwoAndSix) {
  const EdgeMaskShape bottomTab = MakeEdgeMaskShape(2, kBottomTab);
  const EdgeMaskShape leftTab = MakeEdgeMaskShape(2, kLeftTab);
  for (int y = 0; y < 4; ++y) {
    EXPECT_FALSE(bottomTab.IsBlack(y, y));
    EXPECT_FALSE(bottomTab.IsBlack(47 - y, y));
    // Left mask pixel (x, y) is bottom pixel (y, n - 1 - x).
    EXPECT_FALSE(leftTab.IsBlack(7 - y, y));
    EXPECT_FALSE(leftTab.IsBlack(7 - y, 47 - y));
  }
  // The same pixels are black in the other sets' bottom tabs.
  const EdgeMaskShape otherBottom = MakeEdgeMaskShape(3, kBottomTab);
  EXPECT_TRUE(otherBottom.IsBlack(1, 1));

  const EdgeMaskShape rightHollow = MakeEdgeMaskShape(6, kRightHollow);
  const EdgeMaskShape topHollow = MakeEdgeMaskShape(6, kTopHollow);
  for (int y = 0; y < 10; ++y) {
    EXPECT_FALSE(rightHollow.IsBlack(19 - y, y));
    EXPECT_TRUE(topHollow.IsBlack(y, y));
    // The lower end keeps its diagonal.
    EXPECT_TRUE(rightHollow.IsBlack(19 - y, 119 - y));
  }
}

class EdgeMaskSurfacesTest : public testing::TestWithParam<const char*> {};

TEST_P(EdgeMaskSurfacesTest, SurfacesHoldTheShapesKeyedWhite) {
  SurfaceService service(*PixelFormatInfo::FromName(GetParam()));
  const EdgeMaskSurfaces masks = MakeEdgeMaskSurfaces(service);
  const PixelFormatInfo& f = service.Format();
  for (int number = 0; number < kEdgeMaskCount; ++number) {
    const Surface* s = masks[static_cast<std::size_t>(number)].get();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Memory(), SurfaceMemory::System);
    EXPECT_EQ(s->ColourKey(), f.White());
    const EdgeMaskShape shape = MakeEdgeMaskShape(number / 8, number % 8);
    ASSERT_EQ(s->Width(), shape.width);
    const ConstSurfaceLock lock = s->Lock();
    for (int y = 0; y < shape.height; ++y) {
      for (int x = 0; x < shape.width; ++x) {
        const uint8_t* p = lock.Row(y) + x * f.BytesPerPixel();
        uint32_t v = 0;
        for (int b = 0; b < f.BytesPerPixel(); ++b) v |= uint32_t{p[b]} << (8 * b);
        ASSERT_EQ(v, shape.IsBlack(x, y) ? 0u : f.colourMask);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllFormats, EdgeMaskSurfacesTest,
                         testing::Values("555", "565", "24", "32"));

}  // namespace
