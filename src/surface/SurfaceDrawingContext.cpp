// Software drawing on a surface: colours converted once, everything clipped to the surface.
#include "surface/SurfaceDrawingContext.h"

#include <algorithm>

#include "surface/Blit.h"
#include "surface/PixelAccess.h"

namespace {

// A bitmap whose pixel list is shorter than its size says would be read past its end.
bool HasAllPixels(const Bitmap& bitmap) {
  return bitmap.pixels.size() >=
         static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height);
}

}  // namespace

uint32_t SurfaceDrawingContext::ToPixel(uint32_t rgb) const {
  return surface_.Format().FromRgb8(static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
                                    static_cast<uint8_t>(rgb));
}

void SurfaceDrawingContext::FillRect(const Rect& rect, uint32_t rgb) {
  const Rect clipped = rect.Intersected(surface_.Bounds());
  if (!clipped.IsEmpty()) ::FillRect(surface_, clipped, ToPixel(rgb));
}

void SurfaceDrawingContext::FrameRect(const Rect& rect, uint32_t rgb, int thickness) {
  const int t = std::max(0, std::min({thickness, rect.Width() / 2 + 1, rect.Height() / 2 + 1}));
  if (t == 0 || rect.IsEmpty()) return;
  FillRect({rect.left, rect.top, rect.right, rect.top + t}, rgb);
  FillRect({rect.left, rect.bottom - t, rect.right, rect.bottom}, rgb);
  FillRect({rect.left, rect.top + t, rect.left + t, rect.bottom - t}, rgb);
  FillRect({rect.right - t, rect.top + t, rect.right, rect.bottom - t}, rgb);
}

void SurfaceDrawingContext::DrawLine(int x0, int y0, int x1, int y1, uint32_t rgb) {
  if (x0 != x1 && y0 != y1) return;
  FillRect({std::min(x0, x1), std::min(y0, y1), std::max(x0, x1) + 1, std::max(y0, y1) + 1}, rgb);
}

void SurfaceDrawingContext::DrawBitmap(int x, int y, const Bitmap& bitmap) {
  const Rect target =
      Rect::FromSize(x, y, bitmap.width, bitmap.height).Intersected(surface_.Bounds());
  const SurfaceLock lock = surface_.Lock();
  if (target.IsEmpty() || !lock || !HasAllPixels(bitmap)) return;
  DispatchDepth(surface_.Format().BytesPerPixel(), [&](auto p) {
    using P = decltype(p);
    for (int row = target.top; row < target.bottom; ++row) {
      uint8_t* out = lock.Row(row) + target.left * P::kBytes;
      for (int col = target.left; col < target.right; ++col, out += P::kBytes) {
        P::Write(out, ToPixel(bitmap.At(col - x, row - y)));
      }
    }
    return true;
  });
}
