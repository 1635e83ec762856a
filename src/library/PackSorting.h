// The display order of packs and of the puzzles in a pack.
#pragma once

#include "library/PuzzlePack.h"

// Orders the pack's puzzles: by time, newest creation time first (the full 64-bit time);
// otherwise by name without regard to case (CompareNamesIgnoringCase). Puzzles equal in that
// key keep a fixed order: by name, then by the bytes of the name.
void SortPuzzles(PuzzlePack& pack, bool byTime);

// Orders the packs by name without regard to case, then moves the first user pack to the front.
void SortPacks(PuzzleLibrary& library);
