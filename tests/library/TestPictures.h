// Test helper: small BMP and JPEG picture files made at test time, and puzzles made from them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "library/PuzzleFileWriter.h"
#include "puzzle/PuzzleRecord.h"
#include "surface/SurfaceService.h"

// The 0x00RRGGBB colour of pixel (x, y) in the test BMP files.
uint32_t TestPatternColour(int x, int y);
// A 24-bit BMP file of width x height with that colour pattern.
void WriteTestBmp(const std::filesystem::path& path, int width, int height);
// A baseline JPEG file of width x height with a smooth colour gradient.
void WriteTestJpeg(const std::filesystem::path& path, int width, int height);

// Writes a new puzzle from a BMP it makes beside `path` (named after it, with ".bmp"): a grid
// of cols x rows and the given choice. Answers the record, or none when writing failed.
std::unique_ptr<PuzzleRecord> MakeTestPuzzle(SurfaceService& service,
                                             const std::filesystem::path& path, int cols = 4,
                                             int rows = 3, int width = 160, int height = 120);

// A pack folder `puzzles`/`pack` with a 40 x 30 Thumb.jpg and a new puzzle for each name.
void WriteTestPack(SurfaceService& service, const std::filesystem::path& puzzles,
                   const std::string& pack, const std::vector<std::string>& names);

// Gives a record live pieces (one per cell, in id order) and groups, as a played game would:
// piece i at (base + i, 2 * base - i), turned (base + i) % 4 when turning is on; groups of
// `groupSize` consecutive ids, in box (group number % 5).
void PlayTestGame(PuzzleRecord& record, int base, int groupSize);
