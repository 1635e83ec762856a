// The file side of Rename and Remove, and finding or making the user pack.
#pragma once

#include <string>

#include "library/FileStatus.h"
#include "library/PuzzlePack.h"
#include "surface/Surface.h"
#include "surface/SurfaceService.h"

// The first pack that is the user pack, or none.
PuzzlePack* FindUserPack(const PuzzleLibrary& library);

// Renames the puzzle's file to "<its folder>/<newName>.qvx". A file already there is never
// replaced. On success the record's filePath and name follow; on failure the file and the
// record stay as they were and the answer says why.
FileStatus RenamePuzzleFile(PuzzleRecord& puzzle, const std::string& newName);

// Deletes the puzzle's file; a file that is gone already counts as deleted. The record is not
// touched: on success the caller takes it out of its pack with RemovePuzzle.
FileStatus DeletePuzzleFile(const PuzzleRecord& puzzle);

// Takes the puzzle out of the pack (later puzzles move up one place) and releases it with its
// surfaces and play data; the pack then has no current puzzle.
void RemovePuzzle(PuzzlePack& pack, const PuzzleRecord* puzzle);
