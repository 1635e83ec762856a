// Which pixels of a piece image are opaque, and which of those lie inside the outline.
#pragma once

#include <cstdint>
#include <vector>

#include "surface/Surface.h"

// Opaque means not pure black (colour bits not all 0). An outline pixel is opaque with at least
// one transparent direct neighbour; an inner pixel is opaque with all four direct neighbours
// opaque. The map reaches one pixel beyond the image on every side, where everything is
// transparent, so neighbours need no bounds test: the tests are defined for
// -1 <= x <= width and -1 <= y <= height. One map is refilled for piece after piece, so the
// pixel loops allocate nothing.
class OpacityMap {
 public:
  // Reads the surface; false (and an all-transparent map) when it cannot be locked.
  bool Fill(const Surface& image);

  bool Opaque(int x, int y) const { return Cell(x, y) != 0; }
  bool IsOutline(int x, int y) const { return Cell(x, y) == kOpaque; }
  bool IsInner(int x, int y) const { return Cell(x, y) == (kOpaque | kInner); }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  static constexpr uint8_t kOpaque = 1;
  static constexpr uint8_t kInner = 2;

  uint8_t Cell(int x, int y) const {
    return cells_[static_cast<std::size_t>(y + 1) * stride_ + static_cast<std::size_t>(x + 1)];
  }
  void MarkInner();

  int width_ = 0;
  int height_ = 0;
  std::size_t stride_ = 0;
  std::vector<uint8_t> opaque_;  // 1 or 0, framed like cells_
  std::vector<uint8_t> cells_;   // kOpaque | kInner
};
