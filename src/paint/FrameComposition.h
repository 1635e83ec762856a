// The composition step of a repaint in play and in the celebration.
#pragma once

#include "paint/PaintContext.h"
#include "paint/PaintResources.h"
#include "play/PlayState.h"
#include "puzzle/PuzzleRecord.h"
#include "surface/Rect.h"

struct FrameResult {
  Rect present;       // the part of the composed frame to show now; empty for none
  bool quit = false;  // the display's depth changed: the program ends
};

// Repaints `rect` into the composed frame by mode (Play: the play field and the corner boxes;
// Celebration: the snapshot and the fireworks), draws the join sparkle, and answers `rect`
// within the play area for presenting. When a surface turns out lost, the surfaces are restored
// and the whole play area is painted and answered, for everything shown may be undefined. In
// the gallery, or before the first paint, nothing is painted or answered. The sparkle needs
// no second drawing after the present: it would put the same pixels in the same place.
FrameResult ComposeFrame(PaintResources& resources, const PaintContext& context, PlayState& state,
                         PuzzleRecord* puzzle, const Rect& rect);
