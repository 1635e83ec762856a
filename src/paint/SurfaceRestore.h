// Recovering from lost surfaces: display copies restored and redrawn from what they came from.
#pragma once

#include "paint/PaintContext.h"
#include "paint/PaintResources.h"
#include "play/PlayState.h"
#include "puzzle/PuzzleRecord.h"

enum class RestoreResult {
  Restored,
  DepthChanged,  // the display's depth is not the one the surfaces were made for: quit
};

// Gives every lost surface of the view its memory back and redraws it: the composed frame (left
// for the next paint), both tiles filled again from the settings, the sparkle and particle
// sprites loaded again; with a puzzle in play or celebration every lost piece image and shadow
// and the ghost made again from their masters, and a lost snapshot painted again from the
// finished field. Nothing is restored when the depth has changed.
RestoreResult RestoreSurfaces(PaintResources& resources, const PaintContext& context,
                              const PlayState& state, PuzzleRecord* puzzle);
