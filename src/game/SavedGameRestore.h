// Laying a puzzle's saved game on its freshly cut pieces.
#pragma once

#include "play/PlayState.h"
#include "puzzle/PuzzleRecord.h"

// The groups of a game start: the saved groups in their drawing order, each with its box and
// its members in saved order; a member whose id names no piece is left out. Without saved
// groups, one group on the field per piece in id order. A piece that no saved group names (the
// saved game was made for another cut) gets a group of its own on the field, and a group left
// without members is dropped, so every piece lies in exactly one group.
void RebuildGroups(PuzzleRecord& puzzle);

// Positions and rotations from the saved pieces, for every id both sequences hold; then every
// group (rebuilt first) found outside its drop limit in `state`'s layout is brought back
// inside as a drop would be, so that no saved game leaves a group out of reach.
void RestorePositions(PuzzleRecord& puzzle, const PlayState& state);
