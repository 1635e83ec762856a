// Filling the opacity map of a piece image, one loop per pixel depth.
#include "puzzle/PieceOpacity.h"

#include "surface/PixelAccess.h"

bool OpacityMap::Fill(const Surface& image) {
  width_ = image.Width();
  height_ = image.Height();
  stride_ = static_cast<std::size_t>(width_) + 2;
  opaque_.assign(stride_ * (static_cast<std::size_t>(height_) + 2), 0);
  cells_.assign(opaque_.size(), 0);
  const ConstSurfaceLock lock = image.Lock();
  if (!lock) return false;
  const uint32_t colourMask = image.Format().colourMask;
  DispatchDepth(image.Format().BytesPerPixel(), [&](auto pixel) {
    using P = decltype(pixel);
    for (int y = 0; y < height_; ++y) {
      const uint8_t* in = lock.Row(y);
      uint8_t* cell = opaque_.data() + static_cast<std::size_t>(y + 1) * stride_ + 1;
      for (int x = 0; x < width_; ++x, in += P::kBytes) {
        cell[x] = (P::Read(in) & colourMask) != 0 ? 1 : 0;
      }
    }
    return true;
  });
  MarkInner();
  return true;
}

void OpacityMap::MarkInner() {
  for (int y = 0; y < height_; ++y) {
    const std::size_t row = static_cast<std::size_t>(y + 1) * stride_ + 1;
    const uint8_t* opaque = opaque_.data() + row;
    const uint8_t* above = opaque - stride_;
    const uint8_t* below = opaque + stride_;
    uint8_t* cell = cells_.data() + row;
    for (int x = 0; x < width_; ++x) {
      const auto inner =
          static_cast<uint8_t>(opaque[x] & above[x] & below[x] & opaque[x - 1] & opaque[x + 1]);
      cell[x] = static_cast<uint8_t>(opaque[x] * kOpaque | inner * kInner);
    }
  }
}
