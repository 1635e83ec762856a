// WritePuzzleFile: Create's new puzzle, written into the user pack and listed there.
#pragma once

#include <string>

#include "library/FileStatus.h"
#include "library/PuzzleFileWriter.h"
#include "library/PuzzlePack.h"
#include "surface/SurfaceService.h"

// Writes "<pack folder>/<name>.qvx" from the new puzzle (WriteNewPuzzleFile), gives the record
// display copies of its thumbnail and drop shadow, appends it to the pack and makes it the
// pack's current puzzle; the caller sorts the pack. Refuses names a file cannot carry (empty,
// "." or "..", or holding '/' or NUL) and a pack that already holds 65535 puzzles.
FileStatus WritePuzzleFile(SurfaceService& service, PuzzlePack& pack, const NewPuzzle& puzzle,
                           const std::string& name);
