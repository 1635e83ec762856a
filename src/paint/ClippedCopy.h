// Copies into the composed frame, clipped first, and the report of a lost surface.
#pragma once

#include "surface/Blit.h"
#include "surface/Rect.h"
#include "surface/Surface.h"

// SurfaceLost: a copy or a lock failed because a surface was lost; the caller restores the
// surfaces and paints again.
enum class PaintStatus { Done, SurfaceLost };

inline PaintStatus operator|(PaintStatus a, PaintStatus b) {
  return a == PaintStatus::SurfaceLost ? a : b;
}

// Clips `source` and its destination (x, y) with ClipBlit against `clip`, which lies within
// `dest`, and copies what is left. A missing source, or one clipped away, copies nothing.
PaintStatus CopyClipped(Surface& dest, const Surface* src, Rect source, int x, int y,
                        const Rect& clip, BlitKey key);

// The status of a lock or copy that failed: lost when either surface is.
PaintStatus FailureOf(const Surface& dest, const Surface* src);
