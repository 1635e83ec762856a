// Drawing onto a surface the way a device context does: fills, frames, lines and bitmaps.
#pragma once

#include <cstdint>

#include "surface/Bitmap.h"
#include "surface/Rect.h"

// Colours are 0x00RRGGBB; the context converts them to its surface's format. Drawing is clipped
// to the surface.
class DrawingContext {
 public:
  virtual ~DrawingContext() = default;
  virtual void FillRect(const Rect& rect, uint32_t rgb) = 0;
  // A rectangle outline `thickness` pixels wide, inside `rect`.
  virtual void FrameRect(const Rect& rect, uint32_t rgb, int thickness) = 0;
  // Horizontal or vertical line from (x0, y0) to (x1, y1), both ends included.
  virtual void DrawLine(int x0, int y0, int x1, int y1, uint32_t rgb) = 0;
  virtual void DrawBitmap(int x, int y, const Bitmap& bitmap) = 0;
};
