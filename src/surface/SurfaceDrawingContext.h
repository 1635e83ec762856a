// The drawing context of a surface, written in software on its locked pixels.
#pragma once

#include "surface/DrawingContext.h"
#include "surface/Surface.h"

// Draws straight into the surface's pixels; does nothing while the surface cannot be locked.
class SurfaceDrawingContext final : public DrawingContext {
 public:
  explicit SurfaceDrawingContext(Surface& surface) : surface_(surface) {}

  void FillRect(const Rect& rect, uint32_t rgb) override;
  void FrameRect(const Rect& rect, uint32_t rgb, int thickness) override;
  void DrawLine(int x0, int y0, int x1, int y1, uint32_t rgb) override;
  void DrawBitmap(int x, int y, const Bitmap& bitmap) override;

 private:
  uint32_t ToPixel(uint32_t rgb) const;

  Surface& surface_;
};
