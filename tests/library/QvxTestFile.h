// Test helper: puzzle files written and read by fixed offsets, independently of the library.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "library/PuzzleHeader.h"

// Every part of a puzzle file. The header is held as plain data in the library's field struct;
// its bytes are placed and taken by this helper's own offset table. Defaults are a valid new
// 4 x 3 puzzle with a 3 x 2 thumbnail.
struct QvxFields {
  QvxFields();
  std::vector<uint8_t> picture = {'B', 'M', 1, 2, 3, 4, 5, 6, 7, 8};
  PuzzleHeader header;
  std::vector<uint8_t> thumbnail = std::vector<uint8_t>(18, 0x40);  // 3 x W x H bytes
  std::array<uint8_t, 5> extension = {'b', 'm', 'p', 0, 0};
  std::vector<uint8_t> pieceBlock;  // empty: a new puzzle
  // Trailer values; by default the ones the layout gives.
  int64_t trailerB = -1, trailerP = -1;
};

struct TestPiece {
  int32_t x, y, rotation;
};
struct TestGroup {
  uint32_t box;
  std::vector<uint32_t> ids;
};

std::vector<uint8_t> BuildQvx(const QvxFields& fields);
std::vector<uint8_t> BuildPieceBlock(const std::vector<TestPiece>& pieces,
                                     const std::vector<TestGroup>& groups);

// Reads every part back from bytes (trailer first), without any checks beyond bounds; false
// when the bytes are too short for what the trailer claims.
bool ReadQvx(const std::vector<uint8_t>& bytes, QvxFields& fields);

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

// A fresh, empty folder under the temporary folder, removed by the destructor.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};
