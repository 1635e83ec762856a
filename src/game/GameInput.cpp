// The view's mouse, key and command messages, and the idle step.
#include "game/Game.h"
#include "game/GameCommands.h"
#include "play/Arranging.h"
#include "play/Dragging.h"
#include "play/PlayControls.h"
#include "play/Turning.h"

namespace {

ArrangeKind ArrangeKindOf(int command) {
  switch (command) {
    case kArrangeGridCommand:
      return ArrangeKind::Grid;
    case kArrangeEdgeCommand:
      return ArrangeKind::RandomAtEdge;
    case kArrangeRandomCommand:
      return ArrangeKind::Random;
    default:
      return ArrangeKind::EdgesApart;
  }
}

}  // namespace

void Game::LeftButtonDown(ClientPoint point) {
  if (state_.mode == ViewMode::Gallery) {
    GalleryLeftButtonDown(point);
    return;
  }
  if (openPuzzle_ == nullptr) return;
  BeginAction();
  PlayEffects effects;
  ::LeftButtonDown(state_, *openPuzzle_, point, effects);
  Apply(effects);
  EndAction();
}

void Game::LeftButtonUp(ClientPoint point) {
  if (openPuzzle_ == nullptr) return;
  // A turn that completed the puzzle while the left button was down leaves the celebration
  // holding the drag: it ends here, so the mouse is not kept captured.
  if (state_.mode != ViewMode::Play) {
    EndDrag();
    return;
  }
  PlayEffects effects;
  ::LeftButtonUp(state_, *openPuzzle_, point, effects);
  Apply(effects);
  EndAction();
}

// A double-click on a puzzle plays it; then, in whatever mode that left, it is one more press
// (in play a press on the field).
void Game::LeftDoubleClick(ClientPoint point) {
  if (state_.mode == ViewMode::Gallery && gallery_.puzzlesArea.Contains(point.x, point.y)) {
    GalleryLeftButtonDown(point);
    Command(kPlayCommand);
  }
  LeftButtonDown(point);
}

void Game::MouseMove(ClientPoint point) {
  if (openPuzzle_ == nullptr) return;
  PlayEffects effects;
  ::MouseMove(state_, *openPuzzle_, point, effects);
  Apply(effects);
}

void Game::RightButtonDown(ClientPoint point) {
  if (!RightButtonDownShowsMenu(state_, openPuzzle_, point)) return;
  host_.ShowPopupMenu(state_.mode == ViewMode::Play ? PopupMenu::Play : PopupMenu::Gallery, point);
}

void Game::RightButtonUp(ClientPoint point) {
  if (openPuzzle_ == nullptr) return;
  BeginAction();
  PlayEffects effects;
  ::RightButtonUp(state_, *openPuzzle_, point, effects);
  Apply(effects);
  EndAction();
}

void Game::KeyDown(int key, int modifiers) {
  if (key == kEscapeKey && state_.mode == ViewMode::Play) LeaveGame();
  if ((modifiers & kControlModifier) == 0 || state_.mode == ViewMode::Gallery) return;
  const bool shift = (modifiers & kShiftModifier) != 0;
  if (key == kZKey) UndoOrRedo(!shift);
  if (key == kYKey && !shift) UndoOrRedo(false);
}

void Game::BeginAction() {
  if (openPuzzle_ != nullptr) history_.Begin(state_, *openPuzzle_);
}

// The action is over once no group is held and the left button is up.
void Game::EndAction() {
  if (openPuzzle_ == nullptr || openPuzzle_->draggedGroup != nullptr || state_.drag.dragging)
    return;
  history_.End(state_, *openPuzzle_);
}

void Game::UndoOrRedo(bool undo) {
  if (openPuzzle_ == nullptr) return;
  PlayEffects effects;
  if (undo ? history_.Undo(state_, *openPuzzle_, effects)
           : history_.Redo(state_, *openPuzzle_, effects))
    Apply(effects);
}

bool Game::Command(int id) {
  return state_.mode == ViewMode::Gallery ? GalleryCommand(id) : PlayCommand(id);
}

bool Game::GalleryCommand(int id) {
  switch (id) {
    case kPlayCommand:
      OnPlay();
      return true;
    case kScatterCommand:
      OnScatter();
      return true;
    case kOptionsCommand:
      if (resources_.backgroundTile) host_.RunBackgroundDialog();
      return true;
    case kCreateCommand:
      RunCreate(std::nullopt);
      return true;
    case kModifyCommand:
      OnModify();
      return true;
    case kRenameCommand:
      OnRename();
      return true;
    case kRemoveCommand:
      OnRemove();
      return true;
    case kAboutCommand:
      host_.RunAboutDialog();
      return true;
    default:
      return false;
  }
}

bool Game::PlayCommand(int id) {
  PlayEffects effects;
  const bool celebrating = state_.mode == ViewMode::Celebration;
  switch (id) {
    case kPauseCommand:
      if (TogglePause(state_)) host_.ShowPauseWindow(state_.flags.paused);
      break;
    case kGhostCommand:
      ToggleGhost(state_, effects);
      break;
    case kThumbnailCommand:
      ToggleThumbnail(state_);
      host_.ShowThumbnailWindow(state_.flags.thumbnail);
      break;
    case kArrangeGridCommand:
    case kArrangeEdgeCommand:
    case kArrangeRandomCommand:
    case kEdgesApartCommand:
      BeginAction();
      ArrangeCommand(state_, *openPuzzle_, ArrangeKindOf(id), effects);
      Apply(effects);
      EndAction();
      return true;
    case kUndoCommand:
    case kRedoCommand:
      UndoOrRedo(id == kUndoCommand);
      return true;
    case kOptionsCommand:
      if (!celebrating && resources_.backgroundTile) host_.RunBackgroundDialog();
      break;
    case kBackCommand:
      LeaveGame();
      return true;
    case kAboutCommand:
      host_.RunAboutDialog();
      return true;
    default:
      return false;
  }
  Apply(effects);
  return true;
}

CommandState Game::QueryCommand(int id) const {
  const bool playing = state_.mode == ViewMode::Play;
  const bool celebrating = state_.mode == ViewMode::Celebration;
  const PuzzlePack* pack = library_.currentPack;
  const bool selected = pack != nullptr && pack->currentPuzzle != nullptr;
  switch (id) {
    case kPlayCommand:
    case kScatterCommand:
    case kModifyCommand:
      return {state_.mode == ViewMode::Gallery && selected, false};
    case kRenameCommand:
    case kRemoveCommand:
      return {state_.mode == ViewMode::Gallery && selected && pack->isUserPack, false};
    case kCreateCommand:
      return {state_.mode == ViewMode::Gallery, false};
    case kAboutCommand:
    case kExitCommand:
      return {true, false};
    case kOptionsCommand:
      return {!celebrating && resources_.backgroundTile != nullptr, false};
    case kPauseCommand:
      return {playing, state_.flags.paused};
    case kGhostCommand:
      return {playing, state_.flags.ghost};
    case kThumbnailCommand:
      return {playing || celebrating, state_.flags.thumbnail};
    case kArrangeGridCommand:
    case kArrangeEdgeCommand:
    case kArrangeRandomCommand:
    case kEdgesApartCommand:
      return {playing, false};
    case kUndoCommand:
      return {history_.CanUndo(state_), false};
    case kRedoCommand:
      return {history_.CanRedo(state_), false};
    case kBackCommand:
      return {playing || celebrating, false};
    default:
      return {};
  }
}

bool Game::Idle() {
  PlayEffects effects;
  const bool again = PlayIdleStep(state_, openPuzzle_, host_.Milliseconds(), effects);
  Apply(effects);
  return again;
}
