// The play toggles and the idle step.
#include "play/PlayControls.h"

bool TogglePause(PlayState& state) {
  if (state.mode == ViewMode::Celebration) return false;
  state.flags.paused = !state.flags.paused;
  return true;
}

void ToggleGhost(PlayState& state, PlayEffects& effects) {
  if (state.mode == ViewMode::Celebration) return;
  state.flags.ghost = !state.flags.ghost;
  effects.Repaint(state.playArea);
}

void ToggleThumbnail(PlayState& state) {
  state.flags.thumbnail = !state.flags.thumbnail;
}

bool PlayIdleStep(PlayState& state, const PuzzleRecord* puzzle, uint32_t now,
                  PlayEffects& effects) {
  const uint32_t dt = TakeTick(state.clock, now);
  switch (state.mode) {
    case ViewMode::Play: {
      const bool solved = puzzle != nullptr && puzzle->solvedPercent == 100;
      const bool running = !solved && !state.flags.paused;
      if (AdvanceClock(state.clock, dt, running)) effects.clockChanged = true;
      SparkleStep(state.sparkle, dt, effects);
      return true;
    }
    case ViewMode::Celebration:
      FireworksStep(state.fireworks, dt, state.playArea, effects);
      return true;
    case ViewMode::Gallery:
      break;
  }
  return false;
}
