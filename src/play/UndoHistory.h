// Taking back and making again the player's changes to the play field.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

#include "play/FieldChange.h"
#include "play/PlayEffects.h"
#include "play/PlayState.h"
#include "puzzle/PuzzleRecord.h"

// The steps of one visit to a puzzle. An action (a drop with whatever joined and opened on the
// way, a turn, an arrangement, a box handle) begins with Begin and becomes one step at End,
// once nothing is held any more; an action that changed nothing leaves no step. Undo and Redo
// carry a step back and forth without touching the clock. They are refused outside play (the
// finished puzzle stays finished), while an action is under way, and when there is no step.
// The history is not saved: leaving the puzzle ends it.
class UndoHistory {
 public:
  // The oldest steps are forgotten beyond this many.
  static constexpr std::size_t kDepth = 256;

  // A new visit to `puzzle` (or none): no steps, the pieces indexed anew.
  void Reset(const PuzzleRecord* puzzle);

  // Remembers the field unless an action is already under way.
  void Begin(const PlayState& state, const PuzzleRecord& puzzle);
  // Ends the action under way: its change becomes the newest step and the steps taken back
  // before are forgotten. Outside play the history ends instead.
  void End(const PlayState& state, const PuzzleRecord& puzzle);

  bool CanUndo(const PlayState& state) const;
  bool CanRedo(const PlayState& state) const;
  // False when refused; otherwise the field is as it was and the play area is repainted.
  bool Undo(PlayState& state, PuzzleRecord& puzzle, PlayEffects& effects);
  bool Redo(PlayState& state, PuzzleRecord& puzzle, PlayEffects& effects);

  std::size_t UndoCount() const { return done_.size(); }
  std::size_t RedoCount() const { return undone_.size(); }
  // The memory the steps hold.
  std::size_t Bytes() const;

 private:
  bool Ready(const PlayState& state) const;

  const PuzzleRecord* puzzle_ = nullptr;
  PieceIndex index_;
  std::optional<FieldCapture> open_;
  std::deque<FieldChange> done_;     // oldest first
  std::vector<FieldChange> undone_;  // the last one taken back last
};
