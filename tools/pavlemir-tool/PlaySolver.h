// Playing the open puzzle to its end with the mouse, as a patient player would.
#pragma once

#include <cstdint>
#include <string>

#include "game/Game.h"

// Empties and closes the corner boxes, then builds on the largest group: turns it upright, and
// again and again turns a neighbouring group upright and drops it at its place beside it, off
// by up to `jitter` pixels on each axis (the offsets drawn from `seed`). Covering groups, or the
// largest group itself, are moved aside when no neighbour can be picked. While every group is a
// single piece the middle piece is first laid at its home position. Answers "" once the puzzle
// is complete, or why it stopped: not in play, paused, stuck, or not complete after ten moves
// per piece.
std::string SolvePuzzle(Game& game, int jitter, uint32_t seed);
