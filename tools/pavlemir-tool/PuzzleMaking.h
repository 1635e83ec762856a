// Making one puzzle file from a picture file, as Create does, for the create and pack commands.
#pragma once

#include <string>

#include "library/ChoiceGrid.h"
#include "library/FileStatus.h"
#include "library/PuzzlePack.h"
#include "surface/Rect.h"
#include "surface/SurfaceService.h"

struct PuzzleRequest {
  std::string picture;  // BMP or JPEG file
  std::string name;
  int choice = 0;
  // The options dialog moves a choice that the picture is too small for on to the next one it
  // allows; without this the request fails instead.
  bool advanceChoice = false;
  bool rotation = false;
  bool blackAndWhite = false;
  Rect playArea;
};

// Loads the picture, counts the grid of the (possibly advanced) choice by the fit rule and
// writes "<pack folder>/<name>.qvx" into the pack. `choice` and `grid` receive what was used.
FileStatus MakePuzzle(SurfaceService& service, PuzzlePack& pack, const PuzzleRequest& request,
                      int& choice, ChoiceGrid& grid);
