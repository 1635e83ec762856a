// Reading a puzzle file's trailer, header, thumbnail, extension and saved game from its bytes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "library/ByteSource.h"
#include "library/FileStatus.h"
#include "library/PuzzleHeader.h"
#include "library/SavedGame.h"

// Everything a puzzle file holds except the picture, which is never read here.
struct PuzzleFileContents {
  uint64_t fileLength = 0;
  uint32_t pictureSize = 0;       // P, from the trailer
  uint32_t pieceBlockOffset = 0;  // B, from the trailer
  PuzzleHeader header;
  std::vector<uint8_t> thumbnailRgb;  // 3 x thumbWidthPx x thumbHeightPx bytes
  std::array<char, 5> pictureExt = {};
  bool hasSavedGame = false;
  SavedGame savedGame;      // empty unless hasSavedGame
  std::string droppedGame;  // why a piece block was present but not used; empty otherwise
};

// Reads the trailer, then the header, thumbnail and extension behind the picture, then the
// piece block. The file is rejected, with the reason, when the trailer, the picture size, the
// thumbnail size (1..100 each way) or the piece block lie outside the file or contradict each
// other (B must be P + 82 + 3WH; a block that runs past the trailer means the file is cut
// short), when the extension field is not a NUL-terminated file-name extension, or when the
// piece-size choice is not 0..7. A piece block that does not fit the puzzle (SavedGameFault) or
// has bytes after its last group is dropped: the file reads as a new game.
FileStatus ParsePuzzleFile(ByteSource& source, PuzzleFileContents& contents);
