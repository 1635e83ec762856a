// Test helper: a player who works a Game through its mouse handlers only.
#pragma once

#include <optional>

#include "game/Game.h"

// A point of the open puzzle where a press picks `group`: on the field for a field group,
// inside its open box for a stored one. None when every point of it is covered or hidden.
std::optional<ClientPoint> GrabPoint(Game& game, const PieceGroup& group);

// A point of the play field (off the boxes) where no piece lies, or none.
std::optional<ClientPoint> EmptyFieldPoint(Game& game);

// The group that holds the piece, or none.
PieceGroup* GroupHolding(PuzzleRecord& puzzle, const Piece* piece);

// Presses on the group, moves the pointer by (dx, dy) and lets go there. False when the group
// cannot be grabbed.
bool DragGroupBy(Game& game, const PieceGroup& group, int dx, int dy);

// Drags moved's group so that `moved` lands where it lies beside `neighbour` in the assembled
// picture (both upright). False when it cannot be grabbed or the drop point is on a box.
bool DropBeside(Game& game, const Piece& moved, const Piece& neighbour);

// Clicks the right button on the group (a quarter turn). False when it cannot be reached.
bool RightClick(Game& game, const PieceGroup& group);

// Right-clicks tilted groups until every piece stands upright. False when it gets stuck.
bool TurnAllUpright(Game& game);

// Turns every group upright, then drops pieces beside their neighbours until the puzzle is
// complete. False when it gets stuck.
bool SolveByMouse(Game& game);
