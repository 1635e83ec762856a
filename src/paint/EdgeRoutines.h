// The routines that draw a piece's outline overlay, and its shadow's outline, into the back
// surface.
#pragma once

#include <cstdint>

#include "puzzle/EdgeOverlay.h"
#include "surface/PixelFormat.h"
#include "surface/Rect.h"
#include "surface/Surface.h"

// One run of a routine: `source` lies within the overlay's block, and the target pixels of the
// rectangle whose top-left corner is (destX, destY) lie within the locked surface.
struct EdgeSpan {
  Rect source;
  int destX = 0;
  int destY = 0;
  uint32_t openSides = 0;  // side flags (0x10..0x80) of the sides not joined in the group
};

// For every outline word v in the span, at the matching target pixel p. The outline routine:
// on an open side each channel becomes (c * v's channel + (8 - c) * p's channel) >> 3 with c
// v's weight in eighths, on a joined side p becomes v's colour. The shadow routine: on an open
// side each channel of p becomes (channel * (8 - c)) >> 3, on a joined side p becomes black.
using EdgeRoutine = void (*)(const EdgeOverlay& overlay, const EdgeSpan& span,
                             const SurfaceLock& target, const PixelFormatInfo& format);

// Fast: templates per depth that visit only the outline pixels. Plain: the reference, which
// reads every pixel of the span and converts each through the format's masks.
enum class PaintMethod { Fast, Plain };

struct EdgeRoutines {
  EdgeRoutine edge = nullptr;
  EdgeRoutine shadowEdge = nullptr;
};

// The pair for the format's depth, chosen once. Depths other than 16, 24 and 32 bits get none,
// and outlines are then not drawn.
EdgeRoutines ChooseEdgeRoutines(const PixelFormatInfo& format, PaintMethod method);
