// The 64 two-colour edge masks that cut the interlocking outline of the pieces.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "surface/Surface.h"
#include "surface/SurfaceService.h"

// Mask kinds within a set; a side with a tab uses the tab kind of that side.
enum EdgeMaskKind : int {
  kTopTab = 0,
  kRightTab = 1,
  kBottomTab = 2,
  kLeftTab = 3,
  kTopHollow = 4,
  kRightHollow = 5,
  kBottomHollow = 6,
  kLeftHollow = 7,
};

inline constexpr int kMaskSetCount = 8;
inline constexpr int kEdgeMaskCount = 64;

// Mask number 8 * maskSet + kind.
constexpr int EdgeMaskNumber(int maskSet, int kind) {
  return 8 * maskSet + kind;
}
// The kind for a side (0 top, 1 right, 2 bottom, 3 left) and its tab value (1 tab, 0 hollow).
constexpr int EdgeMaskKindFor(int side, int tab) {
  return tab == 1 ? side : side + 4;
}

// A mask as black/white pixels. Top and bottom masks are (pieceSize + overlap) wide and overlap
// high; left and right masks the other way round. Black means cut.
struct EdgeMaskShape {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> black;  // row-major, 1 where the pixel is black

  bool IsBlack(int x, int y) const {
    return black[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                 static_cast<std::size_t>(x)] != 0;
  }
};

// The shape of mask `kind` of set `maskSet` (0..7 each).
EdgeMaskShape MakeEdgeMaskShape(int maskSet, int kind);

using EdgeMaskSurfaces = std::array<std::unique_ptr<Surface>, kEdgeMaskCount>;

// All 64 masks as system-memory surfaces in the service's format, black 0 and white the colour
// bits set, each keyed white. A mask whose surface cannot be made stays missing.
EdgeMaskSurfaces MakeEdgeMaskSurfaces(SurfaceService& service);
