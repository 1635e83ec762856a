// Painting the play field: background tiles, ghost, the groups on the field, the dragged group.
#pragma once

#include "paint/ClippedCopy.h"
#include "paint/PaintResources.h"
#include "paint/PieceDrawer.h"
#include "play/PlayState.h"
#include "puzzle/PuzzleRecord.h"
#include "surface/Rect.h"

// Repaints `rect` of the composed frame: the background tiles anchored at the play area's
// corner, the ghost when its flag is set, every group on the field (box 0) from the bottom up
// except the dragged group, and last the dragged group, when it lies on the field, over its own
// shadow. Groups in a box are never drawn here. Without a puzzle only the background is drawn.
PaintStatus PaintPlayField(PaintResources& resources, const PlayState& state,
                           const PuzzleRecord* puzzle, const Rect& rect);

// The dragged group against `clip`: its shadow pass, then its piece pass.
void DrawDraggedGroup(PieceDrawer& drawer, const PuzzleRecord& puzzle, const Rect& clip);

// Tiles `tile` over the area from (left, top): columns = width / 128 + 1 and rows = height / 128
// + 1, each tile copied whole against `clip`.
PaintStatus TileArea(Surface& back, const Surface* tile, const Rect& area, const Rect& clip);
