// The adaptive model of LZARI's 314 symbols (literal bytes and match lengths).
#pragma once

#include <array>
#include <cstdint>

#include "image/LzariParameters.h"

// Symbol counts kept in ranks 1..314, most frequent first. A value (byte or 253 + match
// length) has a rank; rank r owns the cumulative counts [Cum(r), Cum(r - 1)) of Total().
// Encoder and decoder call Update after each value, so both see the same model.
class LzariSymbolModel {
 public:
  LzariSymbolModel() { Reset(); }

  // Every count 1, ranks in value order.
  void Reset();

  int RankOf(int value) const { return m_rankOf[static_cast<std::size_t>(value)]; }
  int ValueAt(int rank) const { return m_valueAt[static_cast<std::size_t>(rank)]; }
  uint32_t Cum(int rank) const { return m_cum[static_cast<std::size_t>(rank)]; }
  uint32_t Total() const { return m_cum[0]; }

  // The rank whose counts hold `target` (0 <= target < Total()).
  int FindRank(uint32_t target) const;
  // Counts one more use of the value at `rank`; the value moves ahead of the run of
  // equally frequent values before it, and all counts are halved (rounding up) first when
  // the total has reached kLzariMaxTotal.
  void Update(int rank);

 private:
  void Halve();

  static constexpr std::size_t kSlots = kLzariSymbols + 1;
  std::array<uint32_t, kSlots> m_freq{};
  std::array<uint32_t, kSlots> m_cum{};
  std::array<int, kSlots> m_valueAt{};
  std::array<int, kLzariSymbols> m_rankOf{};
};
