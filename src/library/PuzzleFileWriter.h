// Writing a new puzzle file from a picture file: the file that Create makes.
#pragma once

#include <memory>
#include <string>

#include "library/FileStatus.h"
#include "puzzle/PuzzleRecord.h"
#include "surface/Surface.h"
#include "surface/SurfaceService.h"

// What a new puzzle is made from: the picture file and its loaded picture, the player's options
// and the grid that the options dialog's fit rule gave for them.
struct NewPuzzle {
  std::string picturePath;           // copied byte for byte to the start of the puzzle file
  const Surface* picture = nullptr;  // that file loaded; its size is the source size
  int sizeChoice = 0;
  bool rotationOn = false;
  bool blackAndWhite = false;
  int cols = 0;
  int rows = 0;
};

// Writes the puzzle file at `path`: the picture file, a header with the new values, the
// thumbnail in the display's format, the picture's extension and the trailer. The file is
// written beside `path` and renamed over it, so an existing file there is either kept whole or
// replaced whole. Refuses a picture file that is empty, a picture larger than 32767 pixels
// either way, an extension longer than four characters, a choice outside 0..7 and a grid of
// more than 65535 pieces. On success `record` is the new puzzle as ReadPuzzleFile would give
// it (without display copies).
FileStatus WriteNewPuzzleFile(SurfaceService& service, const std::string& path,
                              const NewPuzzle& puzzle, std::unique_ptr<PuzzleRecord>& record);
