// The stages of `pavlemir-tool cut`: the start of a game from a loaded picture, each timed.
#pragma once

#include <array>
#include <memory>

#include "puzzle/PieceGrid.h"
#include "puzzle/PuzzleRecord.h"
#include "surface/Rect.h"
#include "surface/SurfaceService.h"

// How the game would start: its play area, size choice, rotation and grey.
struct CutOptions {
  Rect playArea;
  int choice = 0;
  bool rotation = false;
  bool blackAndWhite = false;
};

// Milliseconds per stage.
struct CutStageTimes {
  double masks = 0;
  double fit = 0;
  double ghost = 0;
  std::array<double, 4> phases = {};  // cutting phases 1 to 4
  double rotations = 0;
};

// What the stages made: the fitted picture, ghost and pieces in `puzzle`.
struct CutOutcome {
  PuzzleRecord puzzle;
  CutGrid grid;
  int progressRange = 0;
  int progressSteps = 0;
  CutStageTimes times;
};

// Fits the picture, makes the ghost, cuts, and with rotation makes the turned sets, in the order
// a game starts.
CutOutcome RunCutStages(SurfaceService& service, std::unique_ptr<Surface> picture,
                        const CutOptions& options);
