// Adding a newly written puzzle to its pack.
#include "library/PuzzleCreation.h"

#include <limits>

#include "library/PuzzlePaths.h"

FileStatus WritePuzzleFile(SurfaceService& service, PuzzlePack& pack, const NewPuzzle& puzzle,
                           const std::string& name) {
  if (name.empty() || name == "." || name == ".." ||
      name.find_first_of(std::string("/\0", 2)) != std::string::npos) {
    return FileStatus::Failed("\"" + name + "\" cannot name a puzzle file");
  }
  if (pack.puzzles.size() >= std::numeric_limits<uint16_t>::max())
    return FileStatus::Failed("the pack already holds 65535 puzzles");
  std::unique_ptr<PuzzleRecord> record;
  const std::string path = PuzzlePathIn(pack.dirPath, name);
  if (FileStatus status = WriteNewPuzzleFile(service, path, puzzle, record); !status) return status;
  MakePuzzleDisplayCopies(service, *record);
  pack.currentPuzzle = record.get();
  pack.puzzles.push_back(std::move(record));
  return FileStatus::Done();
}
