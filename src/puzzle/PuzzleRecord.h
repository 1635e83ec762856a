// A puzzle while the program runs: gallery data, options, progress, and what playing built.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "puzzle/Piece.h"
#include "puzzle/PieceGroup.h"
#include "surface/Surface.h"

// One per listed puzzle, owned by its pack. Fields in the order the puzzle keeps them.
struct PuzzleRecord {
  int32_t cellLeft = 0;  // top-left of the puzzle's 100 x 100 gallery cell as last painted
  int32_t cellTop = 0;
  std::array<int32_t, 2> reserved = {0, 0};
  int32_t thumbWidthPx = 0;  // size of the stored gallery thumbnail
  int32_t thumbHeightPx = 0;
  std::string filePath;
  std::string name;
  std::array<char, 5> pictureExt = {};  // extension of the embedded picture, no dot, NUL-padded
  int32_t pictureSize = 0;              // bytes of the picture at the start of the puzzle file
  int32_t pieceBlockOffset = 0;
  std::unique_ptr<Surface> thumbMaster;
  std::unique_ptr<Surface> thumb;
  std::unique_ptr<Surface> dropShadowMaster;
  std::unique_ptr<Surface> dropShadow;

  // Built by the first play in this run; empty until then.
  std::vector<std::unique_ptr<Piece>> pieces;
  // Read back from the puzzle file: only x, y, rotation and id are filled; empty for a new game.
  std::vector<std::unique_ptr<Piece>> savedPieces;
  // In drawing order: the last group is drawn on top and hit first.
  std::deque<std::unique_ptr<PieceGroup>> groups;
  // Read back from the puzzle file; their pieces are savedPieces.
  std::vector<std::unique_ptr<PieceGroup>> savedGroups;
  PieceGroup* draggedGroup = nullptr;

  std::unique_ptr<Surface> ghost;
  std::unique_ptr<Surface> ghostMaster;
  std::unique_ptr<Surface> picture;  // the fitted picture that was cut
  int32_t ghostX = 0;                // where the assembled picture lies on the play field
  int32_t ghostY = 0;
  int32_t ghostSrcX = 0;
  int32_t ghostSrcY = 0;
  int32_t ghostWidth = 0;
  int32_t ghostHeight = 0;

  uint8_t solvedPercent = 0;  // share of inner edges joined; 100 marks a completed puzzle
  int32_t sizeChoice = 0;     // index into kPieceSizeChoices
  int16_t pieceCount = 0;
  uint16_t cols = 0;
  uint16_t rows = 0;
  int16_t pictureWidth = 0;  // the source picture before fitting
  int16_t pictureHeight = 0;
  uint16_t hours = 0;  // play time up to the last time the player left the puzzle
  uint16_t minutes = 0;
  uint16_t seconds = 0;
  uint8_t rotationOn = 0;
  uint8_t blackAndWhite = 0;
  std::array<uint8_t, 4> boxOpen = {};
  uint8_t ghostShown = 0;
  uint8_t thumbnailShown = 0;
  int32_t thumbLeft = -1;  // thumbnail window placement; all four -1 = default placement
  int32_t thumbTop = -1;
  int32_t thumbWidth = -1;
  int32_t thumbHeight = -1;
  int32_t screenHeight = 0;  // display mode when the pieces were last built
  int32_t screenWidth = 0;
  uint32_t createdLow = 0;  // creation time of the puzzle file
  uint32_t createdHigh = 0;
};

// Releases what playing the puzzle built, in this order: with withGalleryData the path, name
// and gallery surfaces; the ghost and picture; the saved pieces and groups; every piece's
// overlays and surfaces, then the pieces; the groups. The next play cuts the puzzle anew.
void ReleasePlayData(PuzzleRecord& puzzle, bool withGalleryData);
