// The LZARI symbol model keeps consistent counts and ranks; the position model matches its sum.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "image/LzariPositionModel.h"
#include "image/LzariSymbolModel.h"

namespace {

uint32_t CountOf(const LzariSymbolModel& model, int rank) {
  return model.Cum(rank - 1) - model.Cum(rank);
}

// Counts positive and never rising with the rank, ranks and values a permutation, and every
// target found in the rank owning it.
void ExpectConsistent(const LzariSymbolModel& model) {
  ASSERT_EQ(model.Cum(kLzariSymbols), 0u);
  ASSERT_LE(model.Total(), kLzariMaxTotal);
  std::set<int> values;
  for (int rank = 1; rank <= kLzariSymbols; ++rank) {
    ASSERT_GE(CountOf(model, rank), 1u) << rank;
    if (rank > 1) {
      ASSERT_LE(CountOf(model, rank), CountOf(model, rank - 1)) << rank;
    }
    ASSERT_EQ(model.RankOf(model.ValueAt(rank)), rank);
    values.insert(model.ValueAt(rank));
  }
  ASSERT_EQ(values.size(), static_cast<std::size_t>(kLzariSymbols));
  for (uint32_t target = 0; target < model.Total(); target += 7) {
    const int rank = model.FindRank(target);
    ASSERT_LE(model.Cum(rank), target);
    ASSERT_GT(model.Cum(rank - 1), target);
  }
}

TEST(LzariSymbolModel, StartsWithEveryCountOne) {
  const LzariSymbolModel model;
  EXPECT_EQ(model.Total(), static_cast<uint32_t>(kLzariSymbols));
  for (int value = 0; value < kLzariSymbols; ++value) {
    EXPECT_EQ(CountOf(model, model.RankOf(value)), 1u);
  }
  ExpectConsistent(model);
}

TEST(LzariSymbolModel, AFrequentValueMovesToTheFront) {
  LzariSymbolModel model;
  const int value = 200;
  model.Update(model.RankOf(value));
  EXPECT_EQ(model.RankOf(value), 1);
  EXPECT_EQ(CountOf(model, 1), 2u);
  EXPECT_EQ(model.Total(), static_cast<uint32_t>(kLzariSymbols) + 1);
  model.Update(model.RankOf(value));
  EXPECT_EQ(CountOf(model, 1), 3u);
  ExpectConsistent(model);
}

TEST(LzariSymbolModel, StaysConsistentThroughHalving) {
  LzariSymbolModel model;
  std::mt19937 random(21);
  uint32_t previousTotal = model.Total();
  int halvings = 0;
  for (int step = 0; step < 120000; ++step) {
    // Skewed choice of values, so the ranks keep changing.
    const int value = static_cast<int>(random() % (1 + random() % kLzariSymbols));
    model.Update(model.RankOf(value));
    if (model.Total() < previousTotal) ++halvings;
    previousTotal = model.Total();
    if (step % 5000 == 0) ExpectConsistent(model);
  }
  ExpectConsistent(model);
  EXPECT_GE(halvings, 3);
}

TEST(LzariPositionModel, CountsFollowTheirSum) {
  for (const int i : {0, 1, 17, 2048, 4095, 4096}) {
    uint32_t sum = 0;
    for (int k = i + 1; k <= kLzariWindow; ++k) sum += 10000u / static_cast<uint32_t>(k + 200);
    EXPECT_EQ(kLzariPositionCum[static_cast<std::size_t>(i)], sum) << i;
  }
}

TEST(LzariPositionModel, EveryTargetFindsItsPosition) {
  for (uint32_t target = 0; target < kLzariPositionCum[0]; ++target) {
    const auto p = static_cast<std::size_t>(FindLzariPosition(target));
    ASSERT_LT(p, static_cast<std::size_t>(kLzariWindow));
    ASSERT_LE(kLzariPositionCum[p + 1], target);
    ASSERT_GT(kLzariPositionCum[p], target);
  }
}

}  // namespace
