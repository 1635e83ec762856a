// The embedded bitmaps: every number the game loads is there, at its size, and decodes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <utility>

#include "assets/EmbeddedBitmaps.h"

namespace {

// The size the game's code assumes for each bitmap it loads.
const std::map<int, std::pair<int, int>>& ExpectedSizes() {
  static const std::map<int, std::pair<int, int>> sizes = [] {
    std::map<int, std::pair<int, int>> table{
        {216, {533, 400}}, {246, {190, 28}}, {247, {180, 32}}, {260, {180, 23}}, {265, {32, 32}},
        {266, {32, 32}},   {268, {384, 23}}, {270, {430, 20}}, {271, {430, 20}}, {280, {362, 23}},
        {238, {32, 32}},   {239, {32, 32}},  {240, {32, 32}},  {241, {32, 32}}};
    for (int id = 217; id <= 225; ++id) table[id] = {128, 128};
    for (int id = 272; id <= 277; ++id) table[id] = {120, 12};
    return table;
  }();
  return sizes;
}

TEST(EmbeddedBitmaps, EveryLoadedBitmapHasItsSize) {
  const EmbeddedBitmaps provider;
  for (const auto& [id, size] : ExpectedSizes()) {
    SCOPED_TRACE(id);
    const std::optional<Bitmap> bitmap = provider.Load(id);
    ASSERT_TRUE(bitmap.has_value());
    EXPECT_EQ(bitmap->width, size.first);
    EXPECT_EQ(bitmap->height, size.second);
    EXPECT_EQ(bitmap->pixels.size(), static_cast<std::size_t>(size.first * size.second));
  }
}

TEST(EmbeddedBitmaps, AboutPictureAndIconDecode) {
  const EmbeddedBitmaps provider;
  for (const int id : {128, 215}) {
    const std::optional<Bitmap> bitmap = provider.Load(id);
    ASSERT_TRUE(bitmap.has_value()) << id;
    EXPECT_GT(bitmap->width, 0);
    EXPECT_GT(bitmap->height, 0);
  }
}

TEST(EmbeddedBitmaps, UnknownNumbersAnswerNone) {
  const EmbeddedBitmaps provider;
  EXPECT_FALSE(provider.Load(0).has_value());
  EXPECT_FALSE(provider.Load(226).has_value());
  EXPECT_FALSE(provider.Load(-217).has_value());
}

TEST(EmbeddedBitmaps, IdsListEveryBitmapOnceInOrder) {
  const std::vector<int> ids = EmbeddedBitmaps().Ids();
  EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()));
  EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
  for (const auto& entry : ExpectedSizes())
    EXPECT_NE(std::find(ids.begin(), ids.end(), entry.first), ids.end()) << entry.first;
  EXPECT_NE(std::find(ids.begin(), ids.end(), 128), ids.end());
  EXPECT_NE(std::find(ids.begin(), ids.end(), 215), ids.end());
}

}  // namespace
