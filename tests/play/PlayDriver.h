// Driving the mouse handlers as a player would: grabbing visible pieces, dropping beside others.
#pragma once

#include <optional>

#include "play/ClientPoint.h"
#include "play/PlayEffects.h"
#include "play/PlayState.h"
#include "puzzle/PuzzleRecord.h"

// A point where the hit test picks `group`: on the field for a field group, inside its open
// box for a stored one. Nothing when the group lies hidden (under others, or in a closed box).
std::optional<ClientPoint> VisiblePointOf(const PlayState& state, const PuzzleRecord& puzzle,
                                          const PieceGroup& group);

// Where `moved` lies beside `neighbour` in the assembled picture turned to neighbour's rotation.
ClientPoint PlaceBeside(const Piece& moved, const Piece& neighbour);

// Drags moved's group with the left button so that `moved` lies (offX, offY) off its place
// beside `neighbour`, and lets go. False when no grab point keeps the pointer off the boxes.
bool DropBeside(PlayState& state, PuzzleRecord& puzzle, Piece& moved, const Piece& neighbour,
                int offX, int offY, PlayEffects& effects);

// Right-clicks a visible point of the group; false when none is visible.
bool TurnOnce(PlayState& state, PuzzleRecord& puzzle, const PieceGroup& group,
              PlayEffects& effects);
