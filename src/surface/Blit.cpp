// Unscaled copies (plain and colour-keyed), fills and the halftone stretch, one loop per depth.
#include "surface/Blit.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "surface/KeyedRowCopy.h"
#include "surface/PixelAccess.h"

namespace {

// 5-5-5 and 5-6-5 share a depth but not a layout, so the whole format must agree.
bool SameFormat(const Surface& a, const Surface& b) {
  return a.Format() == b.Format();
}

template <typename P>
void FillRows(const SurfaceLock& lock, const Rect& rect, uint32_t pixel) {
  for (int y = rect.top; y < rect.bottom; ++y) {
    uint8_t* p = lock.Row(y) + rect.left * P::kBytes;
    for (int x = rect.left; x < rect.right; ++x, p += P::kBytes) P::Write(p, pixel);
  }
}

// Source pixels covering destination index i along one axis, in units of 1/dest of a source
// pixel: destination pixel i spans [i * src, (i + 1) * src) and source pixel j spans
// [j * dest, (j + 1) * dest).
struct AxisCover {
  int64_t start;
  int64_t end;
  int64_t unit;
  int First() const { return static_cast<int>(start / unit); }
  int Last() const { return static_cast<int>((end - 1) / unit); }
  int64_t Weight(int j) const { return std::min(end, (j + 1) * unit) - std::max(start, j * unit); }
};

AxisCover Cover(int i, int srcLength, int destLength) {
  return {int64_t{i} * srcLength, int64_t{i + 1} * srcLength, destLength};
}

template <typename P>
void StretchRows(const SurfaceLock& d, const Rect& target, const ConstSurfaceLock& s,
                 const Rect& source, const PixelFormatInfo& format) {
  const int sw = source.Width(), sh = source.Height();
  const int dw = target.Width(), dh = target.Height();
  const uint64_t total = static_cast<uint64_t>(sw) * static_cast<uint64_t>(sh);
  for (int y = 0; y < dh; ++y) {
    const AxisCover cy = Cover(y, sh, dh);
    uint8_t* out = d.Row(target.top + y) + target.left * P::kBytes;
    for (int x = 0; x < dw; ++x, out += P::kBytes) {
      const AxisCover cx = Cover(x, sw, dw);
      uint64_t red = 0, green = 0, blue = 0;
      for (int j = cy.First(); j <= cy.Last(); ++j) {
        const uint8_t* row = s.Row(source.top + j) + source.left * P::kBytes;
        const auto wy = static_cast<uint64_t>(cy.Weight(j));
        for (int i = cx.First(); i <= cx.Last(); ++i) {
          const uint64_t w = wy * static_cast<uint64_t>(cx.Weight(i));
          const Channels c = format.Unpack(P::Read(row + i * P::kBytes));
          red += w * c.red;
          green += w * c.green;
          blue += w * c.blue;
        }
      }
      const auto mean = [total](uint64_t sum) {
        return static_cast<uint32_t>((sum + total / 2) / total);
      };
      P::Write(out, format.Pack({mean(red), mean(green), mean(blue)}));
    }
  }
}

// The source rows of a copy. A copy within one surface whose rectangles overlap reads from a
// copy of its source rows, so that no pixel is read after the copy has overwritten it.
class SourceRows {
 public:
  SourceRows(const ConstSurfaceLock& lock, const Rect& source, int bytesPerPixel, bool overlaps)
      : first_(lock.Row(source.top) + source.left * bytesPerPixel), pitch_(lock.pitch) {
    if (!overlaps) return;
    const auto rowBytes = static_cast<std::size_t>(source.Width() * bytesPerPixel);
    staged_.resize(rowBytes * static_cast<std::size_t>(source.Height()));
    for (int row = 0; row < source.Height(); ++row) {
      std::memcpy(staged_.data() + row * rowBytes, Row(row), rowBytes);
    }
    first_ = staged_.data();
    pitch_ = static_cast<int>(rowBytes);
  }
  const uint8_t* Row(int row) const { return first_ + static_cast<std::ptrdiff_t>(row) * pitch_; }

 private:
  std::vector<uint8_t> staged_;
  const uint8_t* first_;
  int pitch_;
};

}  // namespace

bool BltFast(Surface& dest, int x, int y, const Surface& src, const Rect& source, BlitKey key) {
  const Rect target = Rect::FromSize(x, y, source.Width(), source.Height());
  if (source.IsEmpty() || !SameFormat(dest, src) || !src.Bounds().Contains(source) ||
      !dest.Bounds().Contains(target)) {
    return false;
  }
  if (key == BlitKey::Source && !src.ColourKey()) return false;
  const ConstSurfaceLock s = src.Lock();
  const SurfaceLock d = dest.Lock();
  if (!s || !d) return false;

  const int bpp = src.Format().BytesPerPixel();
  const bool overlaps = &dest == &src && !target.Intersected(source).IsEmpty();
  const SourceRows from(s, source, bpp, overlaps);
  const auto rowBytes = static_cast<std::size_t>(source.Width()) * static_cast<std::size_t>(bpp);
  const KeyedRowCopy keyedRow = KeyedRowCopyFor(bpp);
  const uint32_t mask = src.Format().colourMask;
  const uint32_t maskedKey = key == BlitKey::Source ? *src.ColourKey() & mask : 0;
  for (int row = 0; row < source.Height(); ++row) {
    uint8_t* to = d.Row(y + row) + x * bpp;
    if (key == BlitKey::Source) {
      keyedRow(to, from.Row(row), source.Width(), mask, maskedKey);
    } else {
      std::memcpy(to, from.Row(row), rowBytes);
    }
  }
  return true;
}

bool ShiftRows(Surface& surface, const Rect& area, int dy) {
  if (area.IsEmpty() || !surface.Bounds().Contains(area)) return false;
  const SurfaceLock lock = surface.Lock();
  if (!lock) return false;
  const int moved = area.Height() - std::abs(dy);
  const int bpp = surface.Format().BytesPerPixel();
  const auto rowBytes = static_cast<std::size_t>(area.Width()) * static_cast<std::size_t>(bpp);
  // Rows are copied away from the direction of the move, so none is overwritten before it moved.
  for (int i = 0; i < moved; ++i) {
    const int to = dy > 0 ? area.bottom - 1 - i : area.top + i;
    std::memmove(lock.Row(to) + area.left * bpp, lock.Row(to - dy) + area.left * bpp, rowBytes);
  }
  return true;
}

bool FillRect(Surface& dest, const Rect& rect, uint32_t pixel) {
  if (rect.IsEmpty() || !dest.Bounds().Contains(rect)) return false;
  const SurfaceLock d = dest.Lock();
  if (!d) return false;
  return DispatchDepth(dest.Format().BytesPerPixel(), [&](auto p) {
    FillRows<decltype(p)>(d, rect, pixel);
    return true;
  });
}

bool StretchHalftone(Surface& dest, const Rect& target, const Surface& src, const Rect& source) {
  if (target.IsEmpty() || source.IsEmpty() || !SameFormat(dest, src) ||
      !dest.Bounds().Contains(target) || !src.Bounds().Contains(source)) {
    return false;
  }
  const ConstSurfaceLock s = src.Lock();
  const SurfaceLock d = dest.Lock();
  if (!s || !d) return false;
  return DispatchDepth(dest.Format().BytesPerPixel(), [&](auto p) {
    StretchRows<decltype(p)>(d, target, s, source, src.Format());
    return true;
  });
}
