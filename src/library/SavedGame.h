// The saved game of a puzzle file: the piece block's pieces and groups, and when to trust it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "library/FileStatus.h"
#include "puzzle/PuzzleRecord.h"

// Entry i is the piece with id i.
struct SavedPiece {
  int32_t x = 0;
  int32_t y = 0;
  int32_t rotation = 0;
  bool operator==(const SavedPiece&) const = default;
};

// box 0 is the play field, 1..4 a corner box; ids name saved pieces in the group's order.
struct SavedGroup {
  uint32_t box = 0;
  std::vector<uint32_t> ids;
  bool operator==(const SavedGroup&) const = default;
};

// Groups in drawing order: the first is drawn first, the last on top.
struct SavedGame {
  std::vector<SavedPiece> pieces;
  std::vector<SavedGroup> groups;
  bool operator==(const SavedGame&) const = default;
};

// The longest block a game can need: at most 65535 pieces, each named once, in at most one
// group each. A longer block cannot be a saved game and is not read.
inline constexpr uint64_t kMaxPieceBlockSize = 2 + 2 + uint64_t{65535} * (12 + 6 + 4);

enum class PieceBlockShape {
  Whole,          // the entries end exactly at the block's end
  CutShort,       // an entry runs past the block's end: the file was cut
  TrailingBytes,  // bytes are left after the last group entry
};

// Reads a piece block (u16 n, n entries of i32 x, y, rotation; u16 g, g entries of u32 box,
// u16 m, m u32 ids). Every read is checked against the block's end.
PieceBlockShape ParsePieceBlock(std::span<const uint8_t> block, SavedGame& game);

// The piece block of the record's live pieces (in id order) and groups (in drawing order).
// Fails when there are more pieces or groups than 16-bit counts hold.
FileStatus EncodePieceBlock(const PuzzleRecord& record, std::vector<uint8_t>& out);

// Why a well-formed saved game cannot be laid on the puzzle's pieces, or empty when it can:
// it must have the header's piece count, name every piece in exactly one group, keep groups
// non-empty and in boxes 0..4, and turn pieces only by 0..3 quarter turns (only by 0 when the
// puzzle has rotation off).
std::string SavedGameFault(const SavedGame& game, uint16_t pieceCount, bool rotationOn);

// The record's savedPieces and savedGroups for a saved game that has no fault.
void StoreSavedGame(const SavedGame& game, PuzzleRecord& record);
