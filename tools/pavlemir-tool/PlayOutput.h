// The game's state as a play script writes it: one JSON object.
#pragma once

#include <filesystem>

#include "game/Game.h"

// One JSON object: the view mode, the gallery's current pack and puzzle (names or null), scroll
// positions, the names of the current pack's puzzles and the field's background (colour value
// with red in the low byte, texture on or off, texture number), then the clock, the flags and
// boxes, and the puzzle's layout and groups. In play and the celebration these come from the live
// play state and the open puzzle; in the gallery from the current puzzle's record, and they are
// left out when there is none. False when the file cannot be written.
bool WriteStateJson(const std::filesystem::path& path, Game& game);
