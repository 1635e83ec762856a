// The adaptive symbol model: ranks, counts and their cumulative sums.
#include "image/LzariSymbolModel.h"

#include <utility>

void LzariSymbolModel::Reset() {
  // Rank 0 is a sentinel with count 0, so the search for equal counts in Update stops at 1.
  m_freq[0] = 0;
  m_cum[kLzariSymbols] = 0;
  for (int rank = kLzariSymbols; rank >= 1; --rank) {
    const auto r = static_cast<std::size_t>(rank);
    m_valueAt[r] = rank - 1;
    m_rankOf[r - 1] = rank;
    m_freq[r] = 1;
    m_cum[r - 1] = m_cum[r] + 1;
  }
}

int LzariSymbolModel::FindRank(uint32_t target) const {
  int low = 1;
  int high = kLzariSymbols;
  while (low < high) {
    const int mid = (low + high) / 2;
    if (m_cum[static_cast<std::size_t>(mid)] > target) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  return low;
}

void LzariSymbolModel::Halve() {
  uint32_t sum = 0;
  for (std::size_t r = kLzariSymbols; r >= 1; --r) {
    m_cum[r] = sum;
    m_freq[r] = (m_freq[r] + 1) / 2;
    sum += m_freq[r];
  }
  m_cum[0] = sum;
}

void LzariSymbolModel::Update(int rank) {
  if (m_cum[0] >= kLzariMaxTotal) Halve();
  auto r = static_cast<std::size_t>(rank);
  std::size_t to = r;
  while (m_freq[to] == m_freq[to - 1]) --to;
  if (to < r) {
    const int moved = m_valueAt[r];
    const int displaced = m_valueAt[to];
    std::swap(m_valueAt[r], m_valueAt[to]);
    m_rankOf[static_cast<std::size_t>(moved)] = static_cast<int>(to);
    m_rankOf[static_cast<std::size_t>(displaced)] = rank;
  }
  ++m_freq[to];
  for (std::size_t i = 0; i < to; ++i) ++m_cum[i];
}
