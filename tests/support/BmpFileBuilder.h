// Test helper: BMP streams built byte by byte, with every header kind the reader knows.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// What goes into a built BMP stream. Fields are written as given, so tests can also build
// streams that lie.
struct BmpLayout {
  int32_t width = 1;
  // Negative for rows stored top row first.
  int32_t height = 1;
  uint16_t bitCount = 24;
  uint32_t compression = 0;
  // 12 writes a core header (16-bit sizes, 3-byte colour entries); 16, 40, 52, 56, 64, 108 and
  // 124 write the longer headers.
  uint32_t headerSize = 40;
  bool fileHeader = true;
  uint32_t clrUsed = 0;
  // 0x00RRGGBB words.
  std::vector<uint32_t> colourTable;
  // Written behind a 40-byte header, or into bytes 40.. of a longer one.
  std::vector<uint32_t> masks;
  // Default: the size of the bits.
  std::optional<uint32_t> sizeImage;
  // Default: right behind the colour table.
  std::optional<uint32_t> pixelOffset;
};

std::vector<uint8_t> BuildBmp(const BmpLayout& layout, std::span<const uint8_t> bits);

// Stored rows for `values` given top row first, one per pixel: colour-table indices for 1, 4
// and 8 bits, little-endian pixel words for 16, 24 and 32 bits. Rows are padded to 32-bit
// words and stored bottom row first unless `topDown`.
std::vector<uint8_t> PackBmpRows(int bitCount, int width, int height,
                                 const std::vector<uint32_t>& values, bool topDown = false);
