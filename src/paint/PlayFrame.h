// The play mode's part of a repaint: the play field, then the four corner boxes.
#pragma once

#include "paint/ClippedCopy.h"
#include "paint/PaintResources.h"
#include "play/PlayState.h"
#include "puzzle/PuzzleRecord.h"
#include "surface/Rect.h"

// PaintPlayField, then PaintCornerBox for boxes 1, 2, 3 and 4, all for `rect`.
PaintStatus PaintPlayFrame(PaintResources& resources, const PlayState& state,
                           const PuzzleRecord* puzzle, const Rect& rect);
