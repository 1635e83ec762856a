// The sparse outline overlay against the plain word block it stands for.
#include "puzzle/EdgeOverlay.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::vector<uint32_t> SparseWords(int width, int height, uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<uint32_t> words(static_cast<std::size_t>(width * height));
  for (uint32_t& word : words) word = random() % 5 == 0 ? random() | 0x04000000u : 0;
  return words;
}

// The plain turn of a row-major block, one quarter clockwise: (x, y) goes to (h - 1 - y, x).
std::vector<uint32_t> TurnWords(const std::vector<uint32_t>& words, int width, int height) {
  std::vector<uint32_t> turned(words.size());
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      turned[static_cast<std::size_t>(x * height + (height - 1 - y))] =
          words[static_cast<std::size_t>(y * width + x)];
    }
  }
  return turned;
}

TEST(EdgeOverlay, KeepsEveryNonZeroWordInRowMajorOrder) {
  const std::vector<uint32_t> words = SparseWords(23, 17, 1);
  const EdgeOverlay overlay = EdgeOverlay::FromWords(23, 17, words);
  ASSERT_TRUE(overlay.IsPresent());
  EXPECT_EQ(overlay.Words(), words);
  for (int y = 0; y < 17; ++y) {
    for (int x = 0; x < 23; ++x) ASSERT_EQ(overlay.At(x, y), words[std::size_t(y * 23 + x)]);
  }
  EXPECT_EQ(overlay.At(-1, 0), 0u);
  EXPECT_EQ(overlay.At(23, 16), 0u);
  std::size_t nonZero = 0;
  for (uint32_t word : words) nonZero += word != 0;
  EXPECT_EQ(overlay.Entries().size(), nonZero);
}

TEST(EdgeOverlay, RowsHoldExactlyTheirEntries) {
  const std::vector<uint32_t> words = SparseWords(30, 12, 2);
  const EdgeOverlay overlay = EdgeOverlay::FromWords(30, 12, words);
  for (int top = 0; top <= 12; ++top) {
    for (int bottom = top; bottom <= 12; ++bottom) {
      std::size_t expected = 0;
      for (int i = top * 30; i < bottom * 30; ++i) expected += words[std::size_t(i)] != 0;
      const auto rows = overlay.Rows(top, bottom);
      ASSERT_EQ(rows.size(), expected);
      for (const EdgeOverlay::Entry& e : rows) {
        EXPECT_GE(e.y, top);
        EXPECT_LT(e.y, bottom);
      }
    }
  }
}

TEST(EdgeOverlay, AbsentDiffersFromPresentWithoutOutline) {
  const EdgeOverlay absent;
  EXPECT_FALSE(absent.IsPresent());
  const EdgeOverlay empty = EdgeOverlay::FromWords(24, 24, std::vector<uint32_t>(576, 0));
  EXPECT_TRUE(empty.IsPresent());
  EXPECT_TRUE(empty.Entries().empty());
  EXPECT_EQ(empty.Words(), std::vector<uint32_t>(576, 0));
  EXPECT_FALSE(EdgeOverlay::FromWords(4, 4, std::vector<uint32_t>(15, 1)).IsPresent());
}

TEST(EdgeOverlay, TurnsMatchThePlainTurnOfTheBlock) {
  for (const auto& [width, height] : {std::pair{24, 24}, std::pair{13, 7}, std::pair{1, 9}}) {
    const std::vector<uint32_t> words = SparseWords(width, height, 3);
    const EdgeOverlay overlay = EdgeOverlay::FromWords(width, height, words);
    std::vector<uint32_t> expected = words;
    int w = width, h = height;
    for (int turns = 1; turns <= 4; ++turns) {
      expected = TurnWords(expected, w, h);
      std::swap(w, h);
      const EdgeOverlay turned = overlay.Turned(turns);
      ASSERT_EQ(turned.Width(), w);
      ASSERT_EQ(turned.Height(), h);
      ASSERT_EQ(turned.Words(), expected) << width << "x" << height << " turns " << turns;
      // Entries stay in row-major order, so row lookups work on turned overlays too.
      const auto entries = turned.Entries();
      for (std::size_t i = 1; i < entries.size(); ++i) {
        ASSERT_TRUE(entries[i - 1].y < entries[i].y ||
                    (entries[i - 1].y == entries[i].y && entries[i - 1].x < entries[i].x));
      }
    }
    EXPECT_EQ(overlay.Turned(1).Turned(1).Turned(1).Turned(1).Words(), words);
  }
}

}  // namespace
