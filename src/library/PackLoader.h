// LoadPuzzlePacks: finding the packs under "Puzzles" and reading their puzzles at start-up.
#pragma once

#include <string>
#include <vector>

#include "library/FileStatus.h"
#include "library/PuzzlePack.h"
#include "surface/SurfaceService.h"

// The splash window while packs load; the loader runs without a message loop, so the window
// draws each text at once.
class LoadingProgress {
 public:
  virtual ~LoadingProgress() = default;
  virtual void SetLoadingText(const std::string& text) = 0;
};

// A folder or file the loader passed over (skipped), or a puzzle whose saved game it dropped.
struct PackLoadNote {
  std::string path;
  std::string reason;
  bool skipped = true;
};

// Loads "<programDir>/Puzzles": every sub-folder with a loadable "Thumb.jpg" becomes a pack
// (the folder named exactly "User" is the user pack) holding the *.qvx files of the folder that
// ReadPuzzleFile accepts; after each puzzle the progress shows "Loading puzzle pack: <pack>\n
// Loading puzzle: <puzzle>". Each pack's puzzles are sorted (by time in the user pack), its
// first puzzle is current; then the progress shows "Loaded.\nPress any key.", the packs are
// sorted and the second pack (the first that came with the program) becomes current, or the
// only pack when there is one. Paths are absolute; the current folder is not changed. Answers
// what was passed over and why.
std::vector<PackLoadNote> LoadPuzzlePacks(SurfaceService& service, const std::string& programDir,
                                          PuzzleLibrary& library, LoadingProgress& progress);

// Create without a user pack: makes "<programDir>/Puzzles/User" (and "Puzzles") when missing,
// gives it a cover made from `coverPicture` when it has no loadable "Thumb.jpg", loads it as
// the start-up does (puzzle files already in the folder included) and adds it to the packs,
// sorted first. `pack` is the new user pack on success; on failure nothing is added.
FileStatus AddUserPack(SurfaceService& service, const std::string& programDir,
                       PuzzleLibrary& library, const Surface& coverPicture, PuzzlePack*& pack);
