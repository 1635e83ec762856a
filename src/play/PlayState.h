// The view's play state: layout, mode, corner boxes, dragging, flags, clock and animations.
#pragma once

#include <cstdint>

#include "play/ClientPoint.h"
#include "play/CornerBox.h"
#include "play/Fireworks.h"
#include "play/PlayClock.h"
#include "play/Sparkle.h"
#include "play/ViewMode.h"
#include "puzzle/PuzzleRecord.h"
#include "surface/Rect.h"

inline constexpr int kPlayToolbarHeight = 32;

// The left button's drag: set at every left-button-down in play (even on empty field), cleared
// at the button-up; lastPoint is the pointer at the last down or move.
struct DragState {
  bool dragging = false;
  ClientPoint lastPoint;
};

// The controls' flags. Only ghost and thumbnail are kept in the puzzle record.
struct PlayFlags {
  bool paused = false;
  bool ghost = false;
  bool thumbnail = false;
};

// Everything the play handlers read and change besides the puzzle record. The game owns one;
// there is no other play state.
struct PlayState {
  ViewMode mode = ViewMode::Gallery;
  Rect client;    // the view's client rectangle
  Rect playArea;  // the client rectangle below the play toolbar
  CornerBoxes boxes;
  DragState drag;
  PlayFlags flags;
  PlayClock clock;
  Sparkle sparkle;
  Fireworks fireworks;
};

// Lays out the play area and the corner boxes for the view's client rectangle (first paint).
void LayOutPlayField(PlayState& state, const Rect& client);

// Game start: the boxes' open states, the ghost and thumbnail flags and the clock from the
// record, with `now` as the clock's last tick.
void LoadPlayState(PlayState& state, const PuzzleRecord& puzzle, uint32_t now);

// Leaving a game: the same items written back to the record.
void StorePlayState(const PlayState& state, PuzzleRecord& puzzle);
