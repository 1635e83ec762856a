// Clipped copies into the composed frame.
#include "paint/ClippedCopy.h"

#include "surface/ClipBlit.h"

PaintStatus CopyClipped(Surface& dest, const Surface* src, Rect source, int x, int y,
                        const Rect& clip, BlitKey key) {
  if (src == nullptr) return PaintStatus::Done;
  ClipBlit(source, x, y, clip);
  if (source.IsEmpty()) return PaintStatus::Done;
  if (BltFast(dest, x, y, *src, source, key)) return PaintStatus::Done;
  return FailureOf(dest, src);
}

PaintStatus FailureOf(const Surface& dest, const Surface* src) {
  const bool lost = dest.IsLost() || (src != nullptr && src->IsLost());
  return lost ? PaintStatus::SurfaceLost : PaintStatus::Done;
}
