// Unscaled copies (plain and colour-keyed), fills and the halftone stretch, one loop per depth.
#include "surface/Blit.h"

#include <algorithm>
#include <cstring>

#include "surface/PixelAccess.h"

namespace {

bool SameDepth(const Surface& a, const Surface& b) {
  return a.Format().bitsPerPixel == b.Format().bitsPerPixel;
}

// Keeps the destination pixel wherever the source pixel is the key; written as a select rather
// than a branch so that the compiler turns the row into vector code.
void CopyKeyedRow32(uint8_t* dest, const uint8_t* src, int count, uint32_t mask, uint32_t key) {
  auto* d = reinterpret_cast<uint32_t*>(dest);
  const auto* s = reinterpret_cast<const uint32_t*>(src);
  for (int i = 0; i < count; ++i) {
    const uint32_t v = s[i];
    d[i] = (v & mask) == key ? d[i] : v;
  }
}

void CopyKeyedRow16(uint8_t* dest, const uint8_t* src, int count, uint32_t mask, uint32_t key) {
  auto* d = reinterpret_cast<uint16_t*>(dest);
  const auto* s = reinterpret_cast<const uint16_t*>(src);
  const auto mask16 = static_cast<uint16_t>(mask);
  const auto key16 = static_cast<uint16_t>(key);
  for (int i = 0; i < count; ++i) {
    const uint16_t v = s[i];
    d[i] = static_cast<uint16_t>((v & mask16) == key16 ? d[i] : v);
  }
}

void CopyKeyedRow24(uint8_t* dest, const uint8_t* src, int count, uint32_t mask, uint32_t key) {
  for (int i = 0; i < count; ++i, src += 3, dest += 3) {
    const uint32_t v = Pixel24::Read(src);
    if ((v & mask) != key) Pixel24::Write(dest, v);
  }
}

using KeyedRowCopy = void (*)(uint8_t*, const uint8_t*, int, uint32_t, uint32_t);

KeyedRowCopy KeyedRowFor(int bytesPerPixel) {
  switch (bytesPerPixel) {
    case 2:
      return CopyKeyedRow16;
    case 3:
      return CopyKeyedRow24;
    default:
      return CopyKeyedRow32;
  }
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
  int64_t Weight(int j) const {
    return std::min(end, (j + 1) * unit) - std::max(start, j * unit);
  }
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

}  // namespace

bool BltFast(Surface& dest, int x, int y, const Surface& src, const Rect& source, BlitKey key) {
  const Rect target = Rect::FromSize(x, y, source.Width(), source.Height());
  if (source.IsEmpty() || !SameDepth(dest, src) || !src.Bounds().Contains(source) ||
      !dest.Bounds().Contains(target)) {
    return false;
  }
  if (key == BlitKey::Source && !src.ColourKey()) return false;
  const ConstSurfaceLock s = src.Lock();
  const SurfaceLock d = dest.Lock();
  if (!s || !d) return false;

  const int bpp = src.Format().BytesPerPixel();
  const auto rowBytes = static_cast<std::size_t>(source.Width()) * static_cast<std::size_t>(bpp);
  const KeyedRowCopy keyedRow = KeyedRowFor(bpp);
  const uint32_t mask = src.Format().colourMask;
  const uint32_t maskedKey = key == BlitKey::Source ? *src.ColourKey() & mask : 0;
  for (int row = 0; row < source.Height(); ++row) {
    const uint8_t* from = s.Row(source.top + row) + source.left * bpp;
    uint8_t* to = d.Row(y + row) + x * bpp;
    if (key == BlitKey::Source) {
      keyedRow(to, from, source.Width(), mask, maskedKey);
    } else {
      std::memmove(to, from, rowBytes);
    }
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
  if (target.IsEmpty() || source.IsEmpty() || !SameDepth(dest, src) ||
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
