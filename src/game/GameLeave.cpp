// Leaving a game for the gallery, and writing every puzzle back at program end.
#include "diag/SessionLog.h"
#include "game/Game.h"
#include "game/GameTexts.h"
#include "game/MessageProgress.h"
#include "play/Dragging.h"

// A drag cut short by leaving or by the celebration: the group keeps to the drop limits.
void Game::EndDrag() {
  if (openPuzzle_ == nullptr || !state_.drag.dragging) return;
  EndDragWithoutRelease(state_, *openPuzzle_);
  host_.CaptureMouse(false);
}

void Game::ReleasePlayDisplayCopies(PuzzleRecord& puzzle) {
  host_.OpenMessageWindow(kSavingText, true);
  MessageProgress progress(host_);
  progress.SetRange(0, static_cast<int>(puzzle.pieces.size()));
  progress.SetStep(1);
  for (const auto& piece : puzzle.pieces) {
    for (int r = 0; r < kRotationCount; ++r) {
      piece->image[static_cast<std::size_t>(r)].reset();
      piece->shadow[static_cast<std::size_t>(r)].reset();
    }
    progress.StepIt();
  }
  puzzle.ghost.reset();
  host_.CloseMessageWindow();
}

void Game::LeaveGame() {
  PuzzleRecord& puzzle = *openPuzzle_;
  EndDrag();
  // Undo belongs to one visit: the history is not kept.
  history_.Reset(nullptr);
  if (state_.flags.paused) {
    state_.flags.paused = false;
    host_.ShowPauseWindow(false);
  }
  resources_.snapshotSurface.reset();
  const FileStatus saved =
      SaveLeftGame(puzzle, [this](PuzzleRecord& record) { StorePlayState(state_, record); });
  host_.ShowThumbnailWindow(false);
  ReleasePlayDisplayCopies(puzzle);
  host_.ShowGalleryControls(true);
  RestorePackDisplayCopies(service_, library_);
  state_.mode = ViewMode::Gallery;
  openPuzzle_ = nullptr;
  UpdatePuzzleScrollRange();
  UpdatePackScrollRange();
  RedrawRect(state_.client);
  if (!saved) {
    WriteSessionLog(saved.Reason() + "\n");
    host_.ShowMessage(kGameNotSaved + saved.Reason(), MessageIcon::Exclamation);
  }
}

std::vector<SaveFailure> Game::Shutdown() {
  if (state_.mode != ViewMode::Gallery && openPuzzle_ != nullptr)
    StorePlayState(state_, *openPuzzle_);
  history_.Reset(nullptr);
  std::vector<SaveFailure> failures = SaveAllPuzzles(library_);
  for (const SaveFailure& failure : failures)
    WriteSessionLog(failure.path + ": " + failure.reason + "\n");
  openPuzzle_ = nullptr;
  state_.mode = ViewMode::Gallery;
  ReleasePuzzlePacks(library_);
  return failures;
}
