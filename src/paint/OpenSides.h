// Which sides of a piece are open, that is not joined to a piece of its own group.
#pragma once

#include <cstdint>
#include <vector>

#include "puzzle/Piece.h"
#include "puzzle/PieceGroup.h"

// Outline-word side flags (top 0x10, bottom 0x20, left 0x40, right 0x80) of a piece alone.
inline constexpr uint32_t kAllSidesOpen = 0xF0;

// The rule itself: starting from all four sides, every other piece of the group at the
// neighbouring cell of a side closes that side. Walks the whole group.
uint32_t OpenSides(const PieceGroup& group, const Piece& piece);

// The same answer in constant time per piece for large groups: the group's pieces are marked in
// a grid of the puzzle's cells, and a side is closed when the neighbouring cell carries the
// group's mark. The grid is kept from paint to paint, so marking allocates nothing once it has
// grown to the puzzle's size.
class OpenSidesIndex {
 public:
  // Marks the pieces of `group` in a cols x rows grid. False, with nothing marked, when a piece
  // lies outside the grid or the grid is unreasonably large; the caller then uses the rule.
  bool Mark(const PieceGroup& group, int cols, int rows);
  // The open sides of a piece of the group marked last.
  uint32_t Of(const Piece& piece) const;

 private:
  bool MarkedAt(int col, int row) const;

  std::vector<uint32_t> marks_;
  int cols_ = 0;
  int rows_ = 0;
  uint32_t mark_ = 0;
};
