// The gallery commands that change the library: Create (from the chooser or a dropped picture),
// Modify, Rename and Remove, and the About dialog.
#include <filesystem>

#include "diag/SessionLog.h"
#include "game/Game.h"
#include "game/GameTexts.h"
#include "game/MessageProgress.h"
#include "game/PuzzleReset.h"
#include "library/ChoiceGrid.h"
#include "library/PackSorting.h"
#include "library/PuzzleCreation.h"
#include "library/PuzzleManagement.h"
#include "library/PuzzlePaths.h"
#include "puzzle/PictureLoad.h"

namespace {

PuzzleRecord* SelectedPuzzle(const PuzzleLibrary& library) {
  return library.currentPack != nullptr ? library.currentPack->currentPuzzle : nullptr;
}

}  // namespace

bool Game::DropPicture(const std::string& path) {
  if (!Started() || state_.mode != ViewMode::Gallery) return false;
  RunCreate(path);
  return true;
}

void Game::ShowUserPack() {
  PuzzlePack* pack = FindUserPack(library_);
  if (pack == nullptr) return;
  SelectPack(service_, library_, pack);
  UpdatePuzzleScrollRange();
  packsBar_.position = 0;
  host_.SetScrollBar(GalleryBar::Packs, packsBar_);
  RedrawRect(gallery_.packsArea);
  RedrawRect(gallery_.puzzlesArea);
}

// Create: the picture, its options, its name, then the new file. A dropped picture takes the
// chooser's place; one that does not load ends Create instead of opening the chooser again.
void Game::RunCreate(const std::optional<std::string>& dropped) {
  ShowUserPack();
  std::string path;
  std::unique_ptr<Surface> picture = LoadCreatePicture(dropped, path);
  if (!picture) return;
  sourceWidth_ = picture->Width();
  sourceHeight_ = picture->Height();
  const std::optional<PuzzleOptions> options = AskOptions(sourceWidth_, sourceHeight_, {});
  if (!options) return;
  const ChoiceGrid grid =
      GridForChoice(sourceWidth_, sourceHeight_, state_.playArea, options->choice);
  gridPieceCount_ = grid.PieceCount();
  const PuzzlePack* pack = FindUserPack(library_);
  const std::string packDir =
      pack != nullptr
          ? pack->dirPath
          : (std::filesystem::path(setup_.programDir) / kPuzzlesFolder / kUserPackName).string();
  const std::optional<std::string> name =
      host_.RunNameDialog(InitialPuzzleName(path), NameRuleIn(packDir));
  if (name)
    WriteCreatedPuzzle({path, picture.get(), options->choice, options->rotation,
                        options->blackAndWhite, grid.cols, grid.rows},
                       *name);
  picture.reset();
  puzzlesBar_.position = 0;
  UpdatePuzzleScrollRange();
  RedrawRect(gallery_.puzzlesArea);
}

// The chooser until a picture loads (a picture that fails is reported and selected in the
// chooser again), or the dropped picture; none when the player gives up.
std::unique_ptr<Surface> Game::LoadCreatePicture(const std::optional<std::string>& dropped,
                                                 std::string& path) {
  std::string failed;
  for (;;) {
    if (dropped) {
      path = *dropped;
    } else {
      const std::optional<std::string> chosen = host_.ChoosePicture(lastPath_, failed);
      if (!chosen) return nullptr;
      path = *chosen;
    }
    lastPath_ = FolderOf(path);
    host_.OpenMessageWindow(kLoadingText, true);
    MessageProgress progress(host_);
    progress.SetRange(0, 1);
    std::unique_ptr<Surface> picture = LoadPictureSurface(service_, path, true);
    progress.StepIt();
    host_.CloseMessageWindow();
    if (picture) return picture;
    WriteSessionLog("cannot load the picture " + path + "\n");
    host_.ShowMessage(kPictureLoadError, MessageIcon::Error);
    if (dropped) return nullptr;
    failed = path;
  }
}

// The options dialog for a picture, starting from `preset` moved on to an offered choice; a
// picture too small for every choice is reported instead.
std::optional<PuzzleOptions> Game::AskOptions(int width, int height, PuzzleOptions preset) {
  const std::optional<int> offered = OfferedChoiceFrom(width, height, state_.playArea, 0);
  if (!offered) {
    host_.ShowMessage(kPictureTooSmallText, MessageIcon::Exclamation);
    return std::nullopt;
  }
  // The dialog moves a disabled choice on to the next offered one; past the last, none is
  // checked and OK waits for the player's choice.
  preset.choice = OfferedChoiceFrom(width, height, state_.playArea, preset.choice).value_or(-1);
  std::optional<PuzzleOptions> options =
      host_.RunOptionsDialog({width, height, state_.playArea, preset});
  if (options && !GridForChoice(width, height, state_.playArea, options->choice).Offered())
    return std::nullopt;
  return options;
}

// Names measured in the gallery's name font (not cut without a text painter).
NameRule Game::NameRuleIn(const std::string& packDir) {
  return [this, packDir](const std::string& typed) {
    return CheckPuzzleName(
        typed,
        [this](std::string_view text) {
          return setup_.text != nullptr ? setup_.text->TextWidth(text, FontId::Medium) : 0;
        },
        packDir);
  };
}

// The new file in the user pack (made first when there is none), listed first and selected.
void Game::WriteCreatedPuzzle(const NewPuzzle& puzzle, const std::string& name) {
  host_.OpenMessageWindow(kSavingText, true);
  MessageProgress progress(host_);
  progress.SetRange(0, 2);
  progress.SetStep(1);
  PuzzlePack* pack = FindUserPack(library_);
  FileStatus status = FileStatus::Done();
  if (pack == nullptr) {
    status = AddUserPack(service_, setup_.programDir, library_, *puzzle.picture, pack);
    if (status) UpdatePackScrollRange();
  }
  progress.StepIt();
  if (status) status = WritePuzzleFile(service_, *pack, puzzle, name);
  progress.StepIt();
  host_.CloseMessageWindow();
  if (pack != nullptr && library_.currentPack != pack) SelectPack(service_, library_, pack);
  if (!status) {
    WriteSessionLog(status.Reason() + "\n");
    host_.ShowMessage(kPuzzleNotMadeText + status.Reason(), MessageIcon::Error);
  } else {
    SortPuzzles(*pack, true);
  }
  RedrawRect(gallery_.packsArea);
  RedrawRect(gallery_.puzzlesArea);
}

// Modify: new options, and the puzzle starts afresh; the file drops its saved game at once.
void Game::OnModify() {
  PuzzleRecord* puzzle = SelectedPuzzle(library_);
  if (puzzle == nullptr) return;
  const std::optional<PuzzleOptions> options =
      AskOptions(puzzle->pictureWidth, puzzle->pictureHeight,
                 {puzzle->sizeChoice, puzzle->rotationOn != 0, puzzle->blackAndWhite != 0});
  if (!options) return;
  const ChoiceGrid grid =
      GridForChoice(puzzle->pictureWidth, puzzle->pictureHeight, state_.playArea, options->choice);
  puzzle->sizeChoice = options->choice;
  puzzle->pieceCount = static_cast<int16_t>(grid.PieceCount());
  puzzle->cols = static_cast<uint16_t>(grid.cols);
  puzzle->rows = static_cast<uint16_t>(grid.rows);
  puzzle->rotationOn = options->rotation ? 1 : 0;
  puzzle->blackAndWhite = options->blackAndWhite ? 1 : 0;
  if (const FileStatus status = ResetPuzzle(*puzzle); !status) {
    WriteSessionLog(status.Reason() + "\n");
    host_.ShowMessage(kGameNotSaved + status.Reason(), MessageIcon::Exclamation);
  }
  RedrawRect(gallery_.puzzlesArea);
}

void Game::OnRename() {
  PuzzlePack* pack = library_.currentPack;
  if (pack == nullptr) return;
  if (!pack->isUserPack) {
    host_.ShowMessage(kRenameElsewhereText, MessageIcon::Exclamation);
    return;
  }
  PuzzleRecord* puzzle = pack->currentPuzzle;
  if (puzzle == nullptr) return;
  const std::optional<std::string> name =
      host_.RunNameDialog(InitialPuzzleName(puzzle->name), NameRuleIn(pack->dirPath));
  if (!name) return;
  if (const FileStatus status = RenamePuzzleFile(*puzzle, *name); !status) {
    WriteSessionLog(status.Reason() + "\n");
    host_.ShowMessage(kPuzzleNotRenamedText + status.Reason(), MessageIcon::Error);
    return;
  }
  SortPuzzles(*pack, true);
  RedrawRect(gallery_.puzzlesArea);
}

void Game::OnRemove() {
  PuzzlePack* pack = library_.currentPack;
  if (pack == nullptr) return;
  if (!pack->isUserPack) {
    host_.ShowMessage(kRemoveElsewhereText, MessageIcon::Exclamation);
    return;
  }
  PuzzleRecord* puzzle = pack->currentPuzzle;
  if (puzzle == nullptr || !host_.AskYesNo(RemoveQuestion(puzzle->name))) return;
  if (const FileStatus status = DeletePuzzleFile(*puzzle); !status) {
    WriteSessionLog(status.Reason() + "\n");
    host_.ShowMessage(kPuzzleNotRemovedText + status.Reason(), MessageIcon::Error);
    return;
  }
  RemovePuzzle(*pack, puzzle);
  UpdatePuzzleScrollRange();
  RedrawRect(gallery_.puzzlesArea);
}
