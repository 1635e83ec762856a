// The fixed model of match positions: near positions are likelier than far ones.
#pragma once

#include <array>
#include <cstdint>

#include "image/LzariParameters.h"

// Cumulative counts of the positions (distance - 1): position p owns the counts
// [cum[p + 1], cum[p]), and cum[i] is the sum for k from i + 1 to 4096 of 10000 / (k + 200).
inline constexpr std::array<uint32_t, kLzariWindow + 1> kLzariPositionCum = [] {
  std::array<uint32_t, kLzariWindow + 1> cum{};
  for (int i = kLzariWindow - 1; i >= 0; --i) {
    cum[static_cast<std::size_t>(i)] =
        cum[static_cast<std::size_t>(i) + 1] + 10000u / static_cast<uint32_t>(i + 1 + 200);
  }
  return cum;
}();

// The decoder can tell every position apart only while the total fits in a quarter range.
static_assert(kLzariPositionCum[0] <= kLzariQuarter);
static_assert(kLzariPositionCum[kLzariWindow - 1] > 0);

// The position whose counts hold `target` (0 <= target < kLzariPositionCum[0]).
inline int FindLzariPosition(uint32_t target) {
  int low = 1;
  int high = kLzariWindow;
  while (low < high) {
    const int mid = (low + high) / 2;
    if (kLzariPositionCum[static_cast<std::size_t>(mid)] > target) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  return low - 1;
}
