// Scanning the pack folders and reading their puzzle files.
#include "library/PackLoader.h"

#include <exception>
#include <filesystem>
#include <limits>

#include "library/FileReplacement.h"
#include "library/PackCover.h"
#include "library/PackSorting.h"
#include "library/PuzzleFileReader.h"
#include "library/PuzzlePaths.h"
#include "puzzle/PictureLoad.h"
#include "surface/Blit.h"

namespace {

namespace fs = std::filesystem;

// Counts of packs and of the puzzles in a pack are 16-bit.
constexpr std::size_t kMaxCount = std::numeric_limits<uint16_t>::max();

// Calls `visit` for each entry of the folder; answers the error that ended the listing early.
template <typename Visit>
std::error_code ForEachEntry(const fs::path& folder, Visit visit) {
  std::error_code error;
  fs::directory_iterator it(folder, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) visit(*it);
  return error;
}

struct PackScan {
  SurfaceService& service;
  LoadingProgress& progress;
  std::vector<PackLoadNote>& notes;
};

std::unique_ptr<PuzzlePack> MakePack(PackScan& scan, const fs::path& folder) {
  auto cover = LoadPictureSurface(scan.service, (folder / kPackCoverName).string(), true);
  if (!cover) {
    scan.notes.push_back({folder.string(), "no loadable Thumb.jpg", true});
    return nullptr;
  }
  auto pack = std::make_unique<PuzzlePack>();
  pack->name = folder.filename().string();
  pack->dirPath = folder.string();
  pack->isUserPack = pack->name == kUserPackName;
  pack->thumbWidthPx = cover->Width();
  pack->thumbHeightPx = cover->Height();
  pack->thumbMaster = std::move(cover);
  pack->dropShadowMaster =
      CreateOffscreenSurface(scan.service, pack->thumbWidthPx, pack->thumbHeightPx, true);
  if (pack->dropShadowMaster) {
    FillRect(*pack->dropShadowMaster, pack->dropShadowMaster->Bounds(), 0);
    pack->dropShadow = CreateDisplayCopy(scan.service, *pack->dropShadowMaster);
  }
  pack->thumb = CreateDisplayCopy(scan.service, *pack->thumbMaster);
  return pack;
}

// Reads one puzzle file; a file that fails in any way, an allocation failure included, is
// passed over and the next one is read.
void LoadPuzzle(PackScan& scan, PuzzlePack& pack, const fs::path& file) {
  if (pack.puzzles.size() >= kMaxCount) {
    scan.notes.push_back({file.string(), "the pack already holds 65535 puzzles", true});
    return;
  }
  std::unique_ptr<PuzzleRecord> record;
  std::string dropped;
  FileStatus status = FileStatus::Done();
  try {
    status = ReadPuzzleFile(scan.service, file.string(), record, &dropped);
  } catch (const std::exception& error) {
    status = FileStatus::Failed(std::string("reading failed: ") + error.what());
  }
  if (!status) {
    scan.notes.push_back({file.string(), status.Reason(), true});
    return;
  }
  if (!dropped.empty())
    scan.notes.push_back({file.string(), "saved game dropped: " + dropped, false});
  scan.progress.SetLoadingText("Loading puzzle pack: " + pack.name +
                               "\nLoading puzzle: " + record->name);
  pack.puzzles.push_back(std::move(record));
}

// A save killed before its rename leaves its new file beside the puzzle; it is removed here
// once the process that made it is gone. A file a running save may still rename is kept. Either
// way it is no puzzle the player should hear of; answers false for any other name.
bool PassOverSaveLeftover(const fs::path& file) {
  const ReplacementLeftover kind = ClassifyReplacementName(file.filename().string());
  if (kind == ReplacementLeftover::NotOurs) return false;
  std::error_code error;
  if (kind == ReplacementLeftover::Stale && fs::is_regular_file(fs::symlink_status(file, error)))
    fs::remove(file, error);
  return true;
}

void LoadPackPuzzles(PackScan& scan, PuzzlePack& pack) {
  const std::error_code error = ForEachEntry(pack.dirPath, [&](const fs::directory_entry& entry) {
    const std::string name = entry.path().filename().string();
    std::error_code typeError;
    if (name == kPackCoverName || PassOverSaveLeftover(entry.path())) return;
    if (!IsPuzzleFileName(name) || !entry.is_regular_file(typeError))
      scan.notes.push_back({entry.path().string(), "not a puzzle file (*.qvx)", true});
    else
      LoadPuzzle(scan, pack, entry.path());
  });
  if (error)
    scan.notes.push_back({pack.dirPath, "cannot list the folder: " + error.message(), true});
  SortPuzzles(pack, pack.isUserPack);
  pack.currentPuzzle = pack.puzzles.empty() ? nullptr : pack.puzzles.front().get();
}

}  // namespace

std::vector<PackLoadNote> LoadPuzzlePacks(SurfaceService& service, const std::string& programDir,
                                          PuzzleLibrary& library, LoadingProgress& progress) {
  std::vector<PackLoadNote> notes;
  PackScan scan{service, progress, notes};
  const fs::path root = fs::path(programDir) / kPuzzlesFolder;
  const std::error_code error = ForEachEntry(root, [&](const fs::directory_entry& entry) {
    std::error_code typeError;
    if (!entry.is_directory(typeError)) {
      notes.push_back({entry.path().string(), "not a folder", true});
    } else if (library.packs.size() >= kMaxCount) {
      notes.push_back({entry.path().string(), "there are already 65535 packs", true});
    } else if (auto pack = MakePack(scan, entry.path())) {
      LoadPackPuzzles(scan, *pack);
      library.packs.push_back(std::move(pack));
    }
  });
  if (error) notes.push_back({root.string(), "cannot list the folder: " + error.message(), true});
  progress.SetLoadingText("Loaded.\nPress any key.");
  SortPacks(library);
  if (!library.packs.empty())
    SelectPack(service, library, library.packs[library.packs.size() > 1 ? 1 : 0].get());
  return notes;
}

namespace {

// A start-up without a window: the user pack's puzzles load silently.
class NoProgress final : public LoadingProgress {
 public:
  void SetLoadingText(const std::string&) override {}
};

}  // namespace

FileStatus AddUserPack(SurfaceService& service, const std::string& programDir,
                       PuzzleLibrary& library, const Surface& coverPicture, PuzzlePack*& pack) {
  pack = nullptr;
  if (library.packs.size() >= kMaxCount) return FileStatus::Failed("there are already 65535 packs");
  const fs::path folder = fs::path(programDir) / kPuzzlesFolder / kUserPackName;
  std::error_code error;
  fs::create_directories(folder, error);
  if (error)
    return FileStatus::Failed("cannot make the folder " + folder.string() + ": " + error.message());
  const std::string coverPath = (folder / kPackCoverName).string();
  if (!LoadPictureSurface(service, coverPath, true)) {
    if (FileStatus status = WritePackCover(coverPicture, coverPath); !status) return status;
  }
  NoProgress progress;
  std::vector<PackLoadNote> notes;
  PackScan scan{service, progress, notes};
  std::unique_ptr<PuzzlePack> made = MakePack(scan, folder);
  if (!made) return FileStatus::Failed("cannot load the cover " + coverPath);
  LoadPackPuzzles(scan, *made);
  pack = made.get();
  library.packs.push_back(std::move(made));
  SortPacks(library);
  return FileStatus::Done();
}
