// The game's state as a play script writes it: one JSON object.
#pragma once

#include <filesystem>

#include "game/Game.h"

// One JSON object: the view mode, the clock, the flags and boxes, and the puzzle's layout and
// groups. In play and the celebration the values come from the live play state and the open
// puzzle; in the gallery from the current puzzle's record. False when the gallery has no
// current puzzle or the file cannot be written.
bool WriteStateJson(const std::filesystem::path& path, Game& game);
