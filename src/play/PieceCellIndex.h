// The pieces of a puzzle's groups filed by grid cell, for looking up a piece's neighbours.
#pragma once

#include <cstddef>
#include <vector>

#include "puzzle/PuzzleRecord.h"

// Built from the groups a filter accepts. A cell may hold more than one entry (the index does
// not assume the grid is consistent). Build refuses, and callers fall back to a plain walk, when
// a piece has a negative cell or the cells are far more than the pieces.
class PieceCellIndex {
 public:
  struct Entry {
    const Piece* piece = nullptr;
    std::size_t group = 0;         // index in the group sequence
    std::size_t indexInGroup = 0;  // position in the group's pieces
    int next = -1;                 // the next entry of the same cell, or -1
  };

  // Files the pieces of every group whose index `accept` answers true for.
  template <typename Accept>
  bool Build(const PuzzleRecord& puzzle, Accept accept) {
    entries_.clear();
    for (std::size_t g = 0; g < puzzle.groups.size(); ++g) {
      if (!accept(g)) continue;
      const auto& pieces = puzzle.groups[g]->pieces;
      for (std::size_t i = 0; i < pieces.size(); ++i) entries_.push_back({pieces[i], g, i, -1});
    }
    return Link();
  }

  // Calls f(entry) for every entry of cell (col, row); nothing for a cell outside the grid.
  template <typename F>
  void ForEachAt(int col, int row, F f) const {
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_) return;
    for (int e = heads_[Cell(col, row)]; e >= 0; e = entries_[static_cast<std::size_t>(e)].next) {
      f(entries_[static_cast<std::size_t>(e)]);
    }
  }

 private:
  bool Link();
  std::size_t Cell(int col, int row) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
           static_cast<std::size_t>(col);
  }

  std::vector<Entry> entries_;
  std::vector<int> heads_;
  int cols_ = 0;
  int rows_ = 0;
};
