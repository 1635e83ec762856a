// Renaming and deleting puzzle files, and the user pack.
#include "library/PuzzleManagement.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "library/PuzzlePaths.h"

namespace {

// rename() would replace a file at the target; renameat2 with RENAME_NOREPLACE refuses in the
// same step. A file system that does not know the flag is checked first instead.
int RenameWithoutReplacing(const std::string& from, const std::string& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return -1;
  std::error_code error;
  if (std::filesystem::exists(std::filesystem::symlink_status(to, error))) {
    errno = EEXIST;
    return -1;
  }
  return rename(from.c_str(), to.c_str());
}

}  // namespace

PuzzlePack* FindUserPack(const PuzzleLibrary& library) {
  for (const auto& pack : library.packs)
    if (pack->isUserPack) return pack.get();
  return nullptr;
}

FileStatus RenamePuzzleFile(PuzzleRecord& puzzle, const std::string& newName) {
  const std::string target = PuzzlePathIn(FolderOf(puzzle.filePath), newName);
  if (RenameWithoutReplacing(puzzle.filePath, target) != 0)
    return FileStatus::Failed("cannot rename " + puzzle.filePath + " to " + target + ": " +
                              std::strerror(errno));
  puzzle.filePath = target;
  puzzle.name = PuzzleNameOf(target);
  return FileStatus::Done();
}

FileStatus DeletePuzzleFile(const PuzzleRecord& puzzle) {
  if (unlink(puzzle.filePath.c_str()) != 0 && errno != ENOENT)
    return FileStatus::Failed("cannot delete " + puzzle.filePath + ": " + std::strerror(errno));
  return FileStatus::Done();
}

void RemovePuzzle(PuzzlePack& pack, const PuzzleRecord* puzzle) {
  const auto it = std::find_if(pack.puzzles.begin(), pack.puzzles.end(),
                               [puzzle](const auto& p) { return p.get() == puzzle; });
  if (it == pack.puzzles.end()) return;
  ReleasePlayData(**it, true);
  pack.puzzles.erase(it);
  pack.currentPuzzle = nullptr;
}
