// The view's mouse, key and command messages, and the idle step.
#include "game/Game.h"
#include "game/GameCommands.h"
#include "play/Arranging.h"
#include "play/Dragging.h"
#include "play/PlayControls.h"
#include "play/Turning.h"

void Game::LeftButtonDown(ClientPoint point) {
  if (state_.mode == ViewMode::Gallery) {
    GalleryLeftButtonDown(point);
    return;
  }
  if (openPuzzle_ == nullptr) return;
  PlayEffects effects;
  ::LeftButtonDown(state_, *openPuzzle_, point, effects);
  Apply(effects);
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
  PlayEffects effects;
  ::RightButtonUp(state_, *openPuzzle_, point, effects);
  Apply(effects);
}

void Game::KeyDown(int key) {
  if (key == kEscapeKey && state_.mode == ViewMode::Play) LeaveGame();
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
      ArrangeCommand(state_, *openPuzzle_, static_cast<ArrangeKind>(id - kArrangeGridCommand + 1),
                     effects);
      break;
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
      return {playing, false};
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
