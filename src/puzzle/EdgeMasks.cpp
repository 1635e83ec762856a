// Generating the edge masks from their profiles: the top tab is drawn from a profile of two
// sequences, every other kind follows from it by mirroring, complementing and turning.
#include "puzzle/EdgeMasks.h"

#include <algorithm>

#include "surface/PixelAccess.h"

namespace {

// Per set: the mask's long side w, its short side n, and the top tab's profile: row y is black
// where a[y] <= e <= b[y], e being the distance from the nearer end of the row.
struct MaskProfile {
  int w;
  int n;
  std::vector<int> a;
  std::vector<int> b;
};

const MaskProfile& Profile(int maskSet) {
  static const std::array<MaskProfile, kMaskSetCount> profiles = {{
      {24, 4, {0, 1, 4, 6}, {9, 7, 7, 8}},
      {36, 6, {0, 1, 2, 4, 6, 8}, {14, 12, 11, 11, 12, 13}},
      {48, 8, {0, 1, 2, 3, 6, 8, 10, 12}, {19, 17, 16, 15, 15, 15, 16, 17}},
      {64, 10, {0, 1, 2, 3, 4, 7, 9, 11, 13, 16}, {28, 25, 23, 21, 20, 20, 20, 21, 22, 23}},
      {80,
       14,
       {0, 1, 2, 3, 4, 5, 6, 9, 10, 12, 14, 16, 18, 21},
       {37, 34, 32, 30, 28, 27, 26, 25, 25, 25, 25, 26, 27, 28}},
      {96,
       16,
       {0, 1, 2, 3, 4, 5, 6, 7, 10, 12, 14, 16, 18, 20, 23, 27},
       {43, 40, 37, 35, 33, 31, 30, 29, 29, 29, 29, 30, 31, 32, 33, 34}},
      {120,
       20,
       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 14, 16, 18, 20, 22, 24, 26, 29, 34},
       {54, 50, 47, 44, 42, 40, 39, 38, 38, 37, 37, 37, 37, 37, 38, 39, 40, 41, 42, 43}},
      {152,
       26,
       {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
        15, 17, 19, 21, 23, 25, 27, 29, 32, 35, 38, 42, 47},
       {68, 63, 60, 57, 55, 53, 51, 50, 49, 48, 48, 47, 47,
        47, 47, 47, 47, 47, 48, 49, 50, 51, 52, 53, 54, 55}},
  }};
  return profiles[static_cast<std::size_t>(maskSet)];
}

EdgeMaskShape Blank(int width, int height) {
  return {width, height,
          std::vector<uint8_t>(static_cast<std::size_t>(width) * static_cast<std::size_t>(height))};
}

void Set(EdgeMaskShape& m, int x, int y, bool black) {
  m.black[static_cast<std::size_t>(y) * static_cast<std::size_t>(m.width) +
          static_cast<std::size_t>(x)] = black ? 1 : 0;
}

// Top tab: row 0 is the outermost row.
EdgeMaskShape TopTab(const MaskProfile& p) {
  EdgeMaskShape m = Blank(p.w, p.n);
  for (int y = 0; y < p.n; ++y) {
    for (int x = 0; x < p.w; ++x) {
      const int e = std::min(x, p.w - 1 - x);
      Set(m, x, y, p.a[y] <= e && e <= p.b[y]);
    }
  }
  return m;
}

// Bottom tab: row 0 lies inside the cell. Away from the ends it is the top tab upside down; in
// the end squares it is black outside the cell and on and below the diagonal inside it.
EdgeMaskShape BottomTab(const MaskProfile& p, const EdgeMaskShape& topTab) {
  const int half = p.n / 2;
  EdgeMaskShape m = Blank(p.w, p.n);
  for (int y = 0; y < p.n; ++y) {
    for (int x = 0; x < p.w; ++x) {
      const int e = std::min(x, p.w - 1 - x);
      Set(m, x, y, e < half ? (y >= half || e <= y) : topTab.IsBlack(x, p.n - 1 - y));
    }
  }
  return m;
}

void SetEndDiagonals(EdgeMaskShape& m, int half, bool black) {
  for (int y = 0; y < half; ++y) {
    Set(m, y, y, black);
    Set(m, m.width - 1 - y, y, black);
  }
}

// The hollow of the opposite side: the complement of the tab, with the end diagonals cut on
// both pieces of the edge.
EdgeMaskShape Hollow(const EdgeMaskShape& tab, int half) {
  EdgeMaskShape m = tab;
  for (uint8_t& pixel : m.black) pixel = pixel ? 0 : 1;
  SetEndDiagonals(m, half, true);
  return m;
}

// A quarter turn clockwise: R(x, y) = M(y, n - 1 - x).
EdgeMaskShape TurnClockwise(const EdgeMaskShape& m) {
  EdgeMaskShape r = Blank(m.height, m.width);
  for (int y = 0; y < r.height; ++y) {
    for (int x = 0; x < r.width; ++x) Set(r, x, y, m.IsBlack(y, m.height - 1 - x));
  }
  return r;
}

}  // namespace

EdgeMaskShape MakeEdgeMaskShape(int maskSet, int kind) {
  const MaskProfile& p = Profile(maskSet);
  const int half = p.n / 2;
  const EdgeMaskShape topTab = TopTab(p);
  EdgeMaskShape bottomTab = BottomTab(p, topTab);
  const EdgeMaskShape topHollow = Hollow(bottomTab, half);
  const EdgeMaskShape bottomHollow = Hollow(topTab, half);
  // The masks of set 2 keep the diagonal end pixels of the bottom tab (and so of the left tab).
  if (maskSet == 2) SetEndDiagonals(bottomTab, half, false);

  switch (kind) {
    case kTopTab:
      return topTab;
    case kRightTab:
      return TurnClockwise(topTab);
    case kBottomTab:
      return bottomTab;
    case kLeftTab:
      return TurnClockwise(bottomTab);
    case kTopHollow:
      return topHollow;
    case kRightHollow: {
      EdgeMaskShape m = TurnClockwise(topHollow);
      // The masks of set 6 keep the upper end's diagonal of the right hollow.
      if (maskSet == 6) {
        for (int y = 0; y < half; ++y) Set(m, p.n - 1 - y, y, false);
      }
      return m;
    }
    case kBottomHollow:
      return bottomHollow;
    default:
      return TurnClockwise(bottomHollow);
  }
}

EdgeMaskSurfaces MakeEdgeMaskSurfaces(SurfaceService& service) {
  EdgeMaskSurfaces masks;
  const PixelFormatInfo& format = service.Format();
  const uint32_t white = format.colourMask;
  for (int number = 0; number < kEdgeMaskCount; ++number) {
    const EdgeMaskShape shape = MakeEdgeMaskShape(number / 8, number % 8);
    auto surface = CreateOffscreenSurface(service, shape.width, shape.height, true);
    const SurfaceLock lock = surface ? surface->Lock() : SurfaceLock{};
    if (!lock) continue;
    DispatchDepth(format.BytesPerPixel(), [&](auto pixel) {
      using P = decltype(pixel);
      for (int y = 0; y < shape.height; ++y) {
        uint8_t* out = lock.Row(y);
        for (int x = 0; x < shape.width; ++x, out += P::kBytes) {
          P::Write(out, shape.IsBlack(x, y) ? 0 : white);
        }
      }
      return true;
    });
    surface->SetColourKey(format.White());
    masks[static_cast<std::size_t>(number)] = std::move(surface);
  }
  return masks;
}
