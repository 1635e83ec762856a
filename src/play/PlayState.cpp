// Laying out the play field and carrying the play state to and from the puzzle record.
#include "play/PlayState.h"

void LayOutPlayField(PlayState& state, const Rect& client) {
  state.client = client;
  state.playArea = {client.left, client.top + kPlayToolbarHeight, client.right, client.bottom};
  state.boxes = MakeCornerBoxes(client);
}

void LoadPlayState(PlayState& state, const PuzzleRecord& puzzle, uint32_t now) {
  for (std::size_t i = 0; i < state.boxes.size(); ++i) state.boxes[i].open = puzzle.boxOpen[i] != 0;
  state.flags.thumbnail = puzzle.thumbnailShown != 0;
  state.flags.ghost = puzzle.ghostShown != 0;
  StartClock(state.clock, {puzzle.hours, puzzle.minutes, puzzle.seconds}, now);
}

void StorePlayState(const PlayState& state, PuzzleRecord& puzzle) {
  for (std::size_t i = 0; i < state.boxes.size(); ++i) {
    puzzle.boxOpen[i] = state.boxes[i].open ? 1 : 0;
  }
  puzzle.ghostShown = state.flags.ghost ? 1 : 0;
  puzzle.thumbnailShown = state.flags.thumbnail ? 1 : 0;
  puzzle.hours = state.clock.shown.hours;
  puzzle.minutes = state.clock.shown.minutes;
  puzzle.seconds = state.clock.shown.seconds;
}
