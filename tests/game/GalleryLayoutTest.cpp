// The gallery's geometry on its own: areas, columns, cells, scroll ranges and scroll steps.
#include <gtest/gtest.h>

#include "game/GalleryLayout.h"

namespace {

constexpr int kBar = 16;

// A client whose puzzle grid is areaWidth x areaHeight: the side panel and the bar around it.
GalleryLayout LayoutWithArea(int areaWidth, int areaHeight) {
  return LayOutGallery({0, 0, kSidePanelWidth - 2 + areaWidth + kBar, 220 + areaHeight}, kBar);
}

TEST(GalleryLayout, AreasSurroundTheSidePanelAndTheBars) {
  const GalleryLayout layout = LayOutGallery({0, 0, 1024, 768}, kBar);
  EXPECT_EQ(layout.packsBar, (Rect{0, 204, 1024, 220}));
  EXPECT_EQ(layout.packsArea, (Rect{0, 0, 1024, 204}));
  EXPECT_EQ(layout.sidePanel, (Rect{0, 220, 110, 768}));
  EXPECT_EQ(layout.puzzlesBar, (Rect{1008, 220, 1024, 768}));
  EXPECT_EQ(layout.puzzlesArea, (Rect{108, 220, 1008, 768}));
  EXPECT_EQ(layout.columns, 4);
  // Cells: the fourth puzzle starts the second column, the fifth the second row.
  const GalleryLayout narrow = LayoutWithArea(600, 548);
  EXPECT_EQ(PuzzleCell(narrow, 3, 40),
            Rect::FromSize(108 + 300 + 100, 220 + 230 + 50 - 40, 100, 100));
  EXPECT_EQ(PackCell(2, 30), Rect::FromSize(320, 50, 100, 100));
}

TEST(GalleryLayout, ColumnsAndScrollRangesFollowTheAreaAndTheCounts) {
  struct Case {
    int width, height, puzzles;
    int columns, pitch, margin, max;
  };
  const Case cases[] = {
      {600, 548, 7, 2, 300, 100, 4 * 230 - 548 + 50},  // 4 rows
      {600, 500, 4, 2, 300, 100, 10},                  // 2 rows: a little to scroll
      {600, 500, 3, 2, 300, 100, 10},                  // a half row counts as a row
      {600, 500, 2, 2, 300, 100, -220},                // 1 row: nothing to scroll
      {600, 500, 0, 2, 300, 100, -450},                // an empty pack
      {279, 500, 3, 1, 279, 89, 3 * 230 - 500 + 50},   // too narrow for the rule: one column
      {60, 500, 1, 1, 60, -20, -220},
  };
  for (const Case& c : cases) {
    const GalleryLayout layout = LayoutWithArea(c.width, c.height);
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << ", " << c.puzzles);
    EXPECT_EQ(layout.puzzlesArea.Width(), c.width);
    EXPECT_EQ(layout.columns, c.columns);
    EXPECT_EQ(layout.pitch, c.pitch);
    EXPECT_EQ(layout.margin, c.margin);
    EXPECT_EQ(PuzzleScrollMax(layout, c.puzzles), c.max);
  }
  // Packs: three in a 640-wide strip have nothing to scroll, ten do.
  const GalleryLayout strip = LayOutGallery({0, 0, 640, 480}, kBar);
  EXPECT_EQ(PackScrollMax(strip, 3), -140);
  EXPECT_EQ(PackScrollMax(strip, 10), 910);
}

TEST(GalleryLayout, ScrollCodesStepAndStopAtTheRangeEnds) {
  struct Case {
    GalleryBar bar;
    int position, max;
    ScrollCode code;
    int track;
    std::optional<int> expected;
  };
  using enum ScrollCode;
  const GalleryBar puzzles = GalleryBar::Puzzles, packs = GalleryBar::Packs;
  const Case cases[] = {
      {puzzles, 100, 1000, PageUp, 0, 0},   {puzzles, 10, 422, LineUp, 0, 0},
      {packs, 100, 1000, LineDown, 0, 115}, {packs, 100, 1000, LineUp, 0, 85},
      {packs, 100, 1000, PageDown, 0, 250}, {packs, 100, 1000, PageUp, 0, 0},
      {packs, 0, 60, ThumbTrack, 45, 45},   {packs, 0, 60, ThumbTrack, 90, 60},
      {puzzles, 5, 60, ThumbTrack, -3, 0},  {puzzles, 5, 60, Other, 0, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.bar == packs ? "packs " : "puzzles ") << c.position
                                    << " code " << static_cast<int>(c.code));
    EXPECT_EQ(ScrolledPosition(c.bar, {true, c.max, c.position}, c.code, c.track), c.expected);
  }
}

}  // namespace
