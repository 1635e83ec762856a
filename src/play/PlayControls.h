// The play menu's toggles (Pause, Ghost, Thumbnail) and the idle step that runs the clock and
// the animations.
#pragma once

#include <cstdint>

#include "play/PlayEffects.h"
#include "play/PlayState.h"
#include "puzzle/PuzzleRecord.h"

// Pause: toggles the paused flag, except in the celebration. True when it changed; the caller
// then shows or hides the pause window.
bool TogglePause(PlayState& state);

// Ghost: toggles the ghost flag and repaints the play area, except in the celebration.
void ToggleGhost(PlayState& state, PlayEffects& effects);

// Thumbnail, in any mode: toggles the flag; the caller shows or hides the thumbnail window.
void ToggleThumbnail(PlayState& state);

// The idle step at millisecond clock `now`. The clock's tick is taken in every mode. In play
// the clock advances while the puzzle is unsolved and not paused, then the sparkle steps; in
// the celebration the fireworks step. Answers whether to be called again (while a puzzle is
// open); in the gallery the caller's own idle answer stands.
bool PlayIdleStep(PlayState& state, const PuzzleRecord* puzzle, uint32_t now, PlayEffects& effects);
