// Linking the filed pieces into per-cell lists.
#include "play/PieceCellIndex.h"

#include <algorithm>
#include <cstdint>

namespace {

// Cells allowed beyond four per piece before the index gives way to a plain walk.
constexpr std::size_t kSpareCells = 65536;

}  // namespace

bool PieceCellIndex::Link() {
  cols_ = rows_ = 0;
  if (entries_.empty()) return true;
  int maxCol = 0, maxRow = 0;
  for (const Entry& entry : entries_) {
    if (entry.piece->col < 0 || entry.piece->row < 0) return false;
    maxCol = std::max(maxCol, entry.piece->col);
    maxRow = std::max(maxRow, entry.piece->row);
  }
  const uint64_t cells =
      (uint64_t{static_cast<uint32_t>(maxCol)} + 1) * (uint64_t{static_cast<uint32_t>(maxRow)} + 1);
  if (cells > 4 * entries_.size() + kSpareCells) return false;
  cols_ = maxCol + 1;
  rows_ = maxRow + 1;
  heads_.assign(static_cast<std::size_t>(cells), -1);
  // Linked back to front, so each cell lists its entries in filing order.
  for (std::size_t e = entries_.size(); e-- > 0;) {
    Entry& entry = entries_[e];
    int& head = heads_[Cell(entry.piece->col, entry.piece->row)];
    entry.next = head;
    head = static_cast<int>(e);
  }
  return true;
}
