// A set of pieces joined together.
#pragma once

#include <cstdint>
#include <vector>

struct Piece;

// Every piece is in exactly one group. The pieces belong to the puzzle record.
struct PieceGroup {
  // 0: on the open play field; 1..4: stored in that corner box. Only groups with equal box join.
  int32_t box = 0;
  std::vector<Piece*> pieces;
};
