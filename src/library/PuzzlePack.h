// Puzzle packs: the folders of puzzles the gallery shows, and which one is current.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "puzzle/PuzzleRecord.h"
#include "surface/Surface.h"
#include "surface/SurfaceService.h"

// One folder under "Puzzles" with a loadable cover "Thumb.jpg". Owns its puzzles, listed in
// display order; currentPuzzle is one of them or none.
struct PuzzlePack {
  int32_t cellLeft = 0;  // the pack's 100 x 100 cell in the pack strip, as last painted
  int32_t cellTop = 0;
  std::array<int32_t, 2> sourceOrigin = {0, 0};
  int32_t thumbWidthPx = 0;  // size of the cover
  int32_t thumbHeightPx = 0;
  std::string dirPath;  // "<Puzzles folder>/<name>"
  std::string name;     // the folder name
  bool isUserPack = false;
  std::unique_ptr<Surface> thumbMaster;
  std::unique_ptr<Surface> thumb;
  std::unique_ptr<Surface> dropShadowMaster;  // the cover's size, black
  std::unique_ptr<Surface> dropShadow;
  std::vector<std::unique_ptr<PuzzleRecord>> puzzles;
  PuzzleRecord* currentPuzzle = nullptr;
};

// The packs in display order and the pack whose puzzles the gallery shows (or none). Built
// once at start-up; only the user pack may be added later, by a Create without one.
struct PuzzleLibrary {
  std::deque<std::unique_ptr<PuzzlePack>> packs;
  PuzzlePack* currentPack = nullptr;
};

// Releases the display copies of the current pack's puzzles; then, for a pack, makes it current
// and gives each of its puzzles display copies of its thumbnail and drop shadow. With none the
// current pack stays as it was (a game start frees display memory this way).
void SelectPack(SurfaceService& service, PuzzleLibrary& library, PuzzlePack* pack);

// A game start: every pack's cover copies go, then SelectPack(none).
void ReleasePackDisplayCopies(PuzzleLibrary& library);
// Back in the gallery: every pack's cover copies are made again from the masters, and the
// current pack's puzzles get theirs (SelectPack of the current pack).
void RestorePackDisplayCopies(SurfaceService& service, PuzzleLibrary& library);

// Display copies of a puzzle's thumbnail and drop shadow from their masters.
void MakePuzzleDisplayCopies(SurfaceService& service, PuzzleRecord& puzzle);

// At program end, after the final save: every pack with its strings, surfaces and puzzles
// (each with its gallery surfaces and play data).
void ReleasePuzzlePacks(PuzzleLibrary& library);
