// The toolbar and loading pictures fit together as the game composes them.
#include <gtest/gtest.h>

#include <set>

#include "AssetPixels.h"
#include "assets/EmbeddedBitmaps.h"

namespace {

const EmbeddedBitmaps kProvider;

// Digit cells are copied onto the time panel at y = 1; their background must match the panel's
// digit field there, or every digit would sit in a visible box.
TEST(TimePanel, DigitBackgroundMatchesTheDigitField) {
  const Bitmap panel = *kProvider.Load(247);
  const Bitmap digits = *kProvider.Load(246);
  for (const int x : {14, 33, 71, 90, 128, 147}) {
    for (int y = 0; y < 28; ++y) {
      SCOPED_TRACE(testing::Message() << "x " << x << " row " << y);
      EXPECT_EQ(panel.At(x, y + 1), digits.At(0, y));
      EXPECT_EQ(panel.At(x + 18, y + 1), digits.At(9 * 19 + 18, y));
    }
  }
}

TEST(Digits, TenDistinctGlyphs) {
  const Bitmap digits = *kProvider.Load(246);
  std::set<std::vector<uint32_t>> cells;
  for (int d = 0; d < 10; ++d) {
    std::vector<uint32_t> cell;
    for (int y = 0; y < 28; ++y)
      for (int x = 0; x < 19; ++x) cell.push_back(digits.At(d * 19 + x, y));
    cells.insert(cell);
  }
  EXPECT_EQ(cells.size(), 10u);
}

// Light digits on a dark field: the strongest pixel of each cell stands far above its corner.
TEST(Digits, ContrastWithTheirBackground) {
  const Bitmap digits = *kProvider.Load(246);
  for (int d = 0; d < 10; ++d) {
    int brightest = 0;
    for (int y = 0; y < 28; ++y)
      for (int x = 0; x < 19; ++x)
        brightest = std::max(brightest, Brightness(digits.At(d * 19 + x, y)));
    EXPECT_GT(brightest - Brightness(digits.At(d * 19, 0)), 120) << d;
  }
}

TEST(ButtonFaces, PressedDiffersFromReleased) {
  for (const auto& [id, width] : {std::pair{260, 90}, std::pair{280, 181}}) {
    const Bitmap faces = *kProvider.Load(id);
    int differing = 0;
    for (int y = 0; y < 23; ++y)
      for (int x = 0; x < width; ++x) differing += faces.At(x, y) != faces.At(width + x, y);
    EXPECT_GT(differing, width * 23 / 2) << id;
  }
}

TEST(ProgressBar, FilledIsBrighterThanEmpty) {
  const Bitmap empty = *kProvider.Load(270);
  const Bitmap filled = *kProvider.Load(271);
  EXPECT_GT(MeanBrightness(filled, 0, 0, 430, 20), MeanBrightness(empty, 0, 0, 430, 20) + 60);
}

TEST(BoxHandles, HoldingPiecesDiffersFromEmpty) {
  EXPECT_NE(kProvider.Load(265)->pixels, kProvider.Load(266)->pixels);
  for (int a = 238; a <= 241; ++a)
    for (int b = a + 1; b <= 241; ++b)
      EXPECT_NE(kProvider.Load(a)->pixels, kProvider.Load(b)->pixels);
}

// The loading text is written over the bottom sixth of the splash; it must stay calm there.
TEST(Splash, BottomSixthIsCalm) {
  const Bitmap splash = *kProvider.Load(216);
  const int strip = splash.height / 6;
  EXPECT_LT(MeanNeighbourStep(splash, 0, splash.height - strip + 2, splash.width, splash.height),
            0.5);
  EXPECT_GT(MeanNeighbourStep(splash, 0, 0, splash.width, splash.height - strip), 2.0);
}

}  // namespace
