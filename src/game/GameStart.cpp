// Play and Scatter, and taking a puzzle to the play field: cutting it the first time, only
// rebuilding its display copies later.
#include <memory>

#include "diag/SessionLog.h"
#include "game/Game.h"
#include "game/GameTexts.h"
#include "game/MessageProgress.h"
#include "game/PuzzleReset.h"
#include "game/SavedGameRestore.h"
#include "library/EmbeddedPicture.h"
#include "play/Arranging.h"
#include "puzzle/Ghost.h"
#include "puzzle/PictureFitting.h"
#include "puzzle/PieceCutting.h"
#include "puzzle/PieceDisplayCopies.h"
#include "puzzle/PieceRotation.h"
#include "puzzle/PieceSizeChoice.h"

namespace {

PuzzleRecord* CurrentPuzzle(const PuzzleLibrary& library) {
  return library.currentPack != nullptr ? library.currentPack->currentPuzzle : nullptr;
}

// The game is discarded in memory either way; a file that kept the old game is the player's news.
void Reset(Host& host, PuzzleRecord& puzzle) {
  if (const FileStatus status = ResetPuzzle(puzzle); !status) {
    WriteSessionLog(status.Reason() + "\n");
    host.ShowMessage(kGameNotSaved + status.Reason(), MessageIcon::Exclamation);
  }
}

bool HasSavedGame(const PuzzleRecord& puzzle) {
  return !puzzle.savedPieces.empty() || !puzzle.savedGroups.empty();
}

}  // namespace

void Game::OnPlay() {
  PuzzleRecord* puzzle = CurrentPuzzle(library_);
  if (puzzle == nullptr) return;
  if (puzzle->solvedPercent == 100 && host_.AskYesNo(kCompletedQuestion)) Reset(host_, *puzzle);
  StartGame(*puzzle);
}

void Game::OnScatter() {
  PuzzleRecord* puzzle = CurrentPuzzle(library_);
  if (puzzle == nullptr || !host_.AskYesNo(kScatterQuestion)) return;
  Reset(host_, *puzzle);
  RedrawRect(state_.client);
}

void Game::StartGame(PuzzleRecord& puzzle) {
  if (puzzle.pieces.empty()) {
    if (!BuildPieces(puzzle)) return;
  } else {
    ReleasePackDisplayCopies(library_);
    for (const auto& piece : puzzle.pieces) RebuildDisplayCopies(service_, *piece);
  }
  EnterPlay(puzzle);
}

// The first visit in this run: load, fit, ghost, cut, turn, then the saved game or a scatter.
// Answers false, with the gallery as it was, when the puzzle cannot be started.
bool Game::BuildPieces(PuzzleRecord& puzzle) {
  const DisplayMode display = host_.CurrentDisplayMode();
  if (HasSavedGame(puzzle) &&
      (puzzle.screenHeight != display.height || puzzle.screenWidth != display.width)) {
    host_.ShowMessage(kOtherResolutionText, MessageIcon::Error);
    return false;
  }
  std::unique_ptr<Surface> picture;
  if (const FileStatus status = OpenEmbeddedPicture(service_, puzzle, picture); !status) {
    WriteSessionLog(status.Reason() + "\n");
    host_.ShowMessage(kPictureLoadError, MessageIcon::Error);
    return false;
  }
  sourceWidth_ = picture->Width();
  sourceHeight_ = picture->Height();
  if (!FitPicture(service_, state_.playArea, picture, puzzle.blackAndWhite != 0)) {
    WriteSessionLog("the picture of " + puzzle.filePath + " cannot be fitted\n");
    host_.ShowMessage(kPictureLoadError, MessageIcon::Error);
    return false;
  }

  host_.OpenMessageWindow(kLoadingText, true);
  MessageProgress progress(host_);
  ReleasePackDisplayCopies(library_);
  puzzle.pieces.clear();
  puzzle.groups.clear();
  MakeGhost(service_, state_.playArea, *picture, puzzle);
  const PieceSizeChoice& size = kPieceSizeChoices[static_cast<std::size_t>(puzzle.sizeChoice)];
  CutContext context{service_, edgeMasks_, progress};
  gridPieceCount_ = CutPicture(context, *picture, size.pieceSize, size.overlap, size.maskSet,
                               puzzle.rotationOn != 0, puzzle.pieces);
  if (puzzle.rotationOn != 0) MakeRotations(service_, puzzle.pieces, progress);
  host_.CloseMessageWindow();

  RebuildGroups(puzzle);
  puzzle.picture = std::move(picture);
  if (!puzzle.savedPieces.empty()) {
    RestorePositions(puzzle, state_);
  } else {
    ArrangePieces(puzzle, state_.playArea, ArrangeKind::Random);
  }
  puzzle.pieceCount = static_cast<int16_t>(gridPieceCount_);
  puzzle.cols = context.gridCols;
  puzzle.rows = context.gridRows;
  puzzle.screenHeight = display.height;
  puzzle.screenWidth = display.width;
  return true;
}

// Both visits end here: the ghost's display copy, the play state from the record, the thumbnail
// window, the play toolbar, and the first frame.
void Game::EnterPlay(PuzzleRecord& puzzle) {
  openPuzzle_ = &puzzle;
  history_.Reset(&puzzle);
  if (puzzle.ghostMaster) puzzle.ghost = CreateDisplayCopy(service_, *puzzle.ghostMaster);
  LoadPlayState(state_, puzzle, host_.Milliseconds());
  state_.flags.paused = false;
  if (state_.flags.thumbnail) host_.ShowThumbnailWindow(true);
  const bool placeDefault = puzzle.thumbLeft == -1 && puzzle.thumbTop == -1 &&
                            puzzle.thumbWidth == -1 && puzzle.thumbHeight == -1;
  host_.SetThumbnailPicture(
      puzzle.picture.get(),
      Rect::FromSize(puzzle.ghostSrcX, puzzle.ghostSrcY, puzzle.ghostWidth, puzzle.ghostHeight),
      placeDefault);
  if (!placeDefault)
    host_.MoveThumbnailWindow(
        {puzzle.thumbLeft, puzzle.thumbTop, puzzle.thumbWidth, puzzle.thumbHeight});
  state_.mode = ViewMode::Play;
  host_.ShowGalleryControls(false);
  RedrawRect(state_.playArea);
  host_.StartIdle();
}
