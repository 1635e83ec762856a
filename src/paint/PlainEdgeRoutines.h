// The reference outline routines: every pixel of the span, read and written through the format.
#pragma once

#include "paint/EdgeRoutines.h"

// Slow and plain on purpose: the fast routines are tested against these pixel for pixel.
void PlainEdgeRoutine(const EdgeOverlay& overlay, const EdgeSpan& span, const SurfaceLock& target,
                      const PixelFormatInfo& format);
void PlainShadowEdgeRoutine(const EdgeOverlay& overlay, const EdgeSpan& span,
                            const SurfaceLock& target, const PixelFormatInfo& format);
