// The undo and redo steps of a visit to a puzzle.
#include "play/UndoHistory.h"

#include <utility>

void UndoHistory::Reset(const PuzzleRecord* puzzle) {
  puzzle_ = puzzle;
  index_ = puzzle != nullptr ? IndexPieces(*puzzle) : PieceIndex{};
  open_.reset();
  done_.clear();
  undone_.clear();
}

void UndoHistory::Begin(const PlayState& state, const PuzzleRecord& puzzle) {
  if (&puzzle != puzzle_ || index_.size() != puzzle.pieces.size() || open_) return;
  if (state.mode != ViewMode::Play) return;
  open_ = CaptureField(state.boxes, puzzle, index_);
}

void UndoHistory::End(const PlayState& state, const PuzzleRecord& puzzle) {
  if (state.mode != ViewMode::Play) {
    open_.reset();
    done_.clear();
    undone_.clear();
    return;
  }
  if (!open_ || &puzzle != puzzle_) return;
  FieldChange change(*open_, CaptureField(state.boxes, puzzle, index_));
  open_.reset();
  if (change.Empty()) return;
  undone_.clear();
  done_.push_back(std::move(change));
  if (done_.size() > kDepth) done_.pop_front();
}

bool UndoHistory::Ready(const PlayState& state) const {
  return puzzle_ != nullptr && state.mode == ViewMode::Play && !state.drag.dragging && !open_ &&
         puzzle_->draggedGroup == nullptr;
}

bool UndoHistory::CanUndo(const PlayState& state) const {
  return Ready(state) && !done_.empty();
}

bool UndoHistory::CanRedo(const PlayState& state) const {
  return Ready(state) && !undone_.empty();
}

bool UndoHistory::Undo(PlayState& state, PuzzleRecord& puzzle, PlayEffects& effects) {
  if (&puzzle != puzzle_ || !CanUndo(state)) return false;
  done_.back().Undo(state.boxes, puzzle);
  undone_.push_back(std::move(done_.back()));
  done_.pop_back();
  effects.Repaint(state.playArea);
  return true;
}

bool UndoHistory::Redo(PlayState& state, PuzzleRecord& puzzle, PlayEffects& effects) {
  if (&puzzle != puzzle_ || !CanRedo(state)) return false;
  undone_.back().Redo(state.boxes, puzzle);
  done_.push_back(std::move(undone_.back()));
  undone_.pop_back();
  effects.Repaint(state.playArea);
  return true;
}

std::size_t UndoHistory::Bytes() const {
  std::size_t bytes = 0;
  for (const FieldChange& change : done_) bytes += change.Bytes();
  for (const FieldChange& change : undone_) bytes += change.Bytes();
  return bytes;
}
