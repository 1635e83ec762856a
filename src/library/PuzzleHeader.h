// The 77-byte header of a puzzle file and its mapping to the puzzle record.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "library/PuzzleFileLayout.h"
#include "puzzle/PuzzleRecord.h"

// The header fields in file order, at their file types. Default values are those of a newly
// written puzzle. The magic is written but never checked: a file is known by its trailer.
struct PuzzleHeader {
  std::array<uint8_t, 4> magic = kHeaderMagic;
  int32_t cellLeft = 100;
  int32_t cellTop = 100;
  uint16_t pictureWidth = 0;
  uint16_t pictureHeight = 0;
  uint8_t solvedPercent = 0;
  uint16_t pieceCount = 0;
  uint16_t cols = 0;
  uint16_t rows = 0;
  uint16_t hours = 0;
  uint16_t minutes = 0;
  uint16_t seconds = 0;
  int32_t sizeChoice = 0;
  uint8_t rotationOn = 0;
  uint8_t blackAndWhite = 0;
  std::array<uint8_t, 4> boxOpen = {};
  uint8_t ghostShown = 0;
  uint8_t thumbnailShown = 0;
  int32_t thumbLeft = -1;
  int32_t thumbTop = -1;
  int32_t thumbWidth = -1;
  int32_t thumbHeight = -1;
  int32_t screenHeight = 0;
  int32_t screenWidth = 0;
  uint32_t displayDepth = 32;  // of the display the file was made on; read and ignored
  uint32_t thumbWidthPx = 0;
  uint32_t thumbHeightPx = 0;
  bool operator==(const PuzzleHeader&) const = default;
};

using HeaderBytes = std::array<uint8_t, kHeaderSize>;

HeaderBytes EncodeHeader(const PuzzleHeader& header);
PuzzleHeader DecodeHeader(std::span<const uint8_t, kHeaderSize> bytes);

// The header update rewrites offsets 4..11 and 16..64 and nothing else of the file.
inline constexpr std::array<std::array<uint32_t, 2>, 2> kUpdatedHeaderRanges = {
    {{4, 12}, {16, 65}}};

// Copies the header's fields into the record (picture size, thumbnail size and options).
void ApplyHeader(const PuzzleHeader& header, PuzzleRecord& record);
// Copies the record's fields at the updated offsets into the header.
void TakeUpdatedFields(const PuzzleRecord& record, PuzzleHeader& header);
