// Painting the celebration (the snapshot under the fireworks) and the join sparkle.
#pragma once

#include "paint/ClippedCopy.h"
#include "paint/PaintResources.h"
#include "play/Fireworks.h"
#include "play/Sparkle.h"
#include "surface/Rect.h"

// Repaints `rect` with the snapshot, then draws every live particle of each burst that shows:
// frames 0 to 7 of its sprite, and frame 2 once more as it dies (recorded in the particle).
PaintStatus PaintCelebration(PaintResources& resources, Fireworks& fireworks, const Rect& rect);

// Draws frame 0..15 of the sparkle at its position, keyed, clipped to the play area rather than
// to any repaint rectangle; frames from 16 on draw nothing.
PaintStatus PaintSparkle(PaintResources& resources, const Sparkle& sparkle, const Rect& playArea);
