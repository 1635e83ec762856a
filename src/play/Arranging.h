// Rearranging the loose pieces on the field: in a grid, at random along the edges, at random, and
// the edge pieces apart from the inner ones.
#pragma once

#include "play/PlayEffects.h"
#include "play/PlayState.h"
#include "puzzle/PuzzleRecord.h"
#include "surface/Rect.h"

enum class ArrangeKind { Grid = 1, RandomAtEdge = 2, Random = 3, EdgesApart = 4 };

// The play area shrunk by 32 pixels on every side.
Rect ArrangeArea(const Rect& playArea);

// Places every loose piece (the one piece of a one-piece group) lying on the field; joined
// groups and groups in corner boxes stay. Random numbers come from the random sequence in a
// fixed order. A piece whose random range the area is too small for is drawn for but left where
// it is. EdgesApart lays the loose edge pieces (first or last row or column) in rows of their own
// along the top of the area and the inner ones below a gap row, each kind in random order, as
// far apart as the area allows: pieces do not overlap while their cells fit at all.
void ArrangePieces(PuzzleRecord& puzzle, const Rect& playArea, ArrangeKind kind);

// The Arrange commands: arrange, then repaint the play area.
void ArrangeCommand(const PlayState& state, PuzzleRecord& puzzle, ArrangeKind kind,
                    PlayEffects& effects);
