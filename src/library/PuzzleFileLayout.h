// The byte layout of a puzzle file (.qvx) and the size rule of its thumbnail.
#pragma once

#include <array>
#include <cstdint>

// A puzzle file of length L: the picture file (P bytes) unchanged, the header, the thumbnail
// (W x H pixels of red, green, blue bytes), the picture's 5-byte extension field, the saved
// game's piece block at B = P + 82 + 3WH when the puzzle has been played, and the trailer: u32 B
// then u32 P in the last 8 bytes. B = L - 8 means no saved game.
inline constexpr uint32_t kHeaderSize = 77;
inline constexpr uint32_t kExtensionSize = 5;
inline constexpr uint32_t kTrailerSize = 8;
inline constexpr uint32_t kMaxThumbSide = 100;
inline constexpr std::array<uint8_t, 4> kHeaderMagic = {'S', 'D', 'P', 'S'};

// Where the piece block starts for a picture of P bytes and a W x H thumbnail.
constexpr uint64_t PieceBlockOffset(uint64_t pictureSize, uint64_t thumbWidth,
                                    uint64_t thumbHeight) {
  return pictureSize + kHeaderSize + 3 * thumbWidth * thumbHeight + kExtensionSize;
}

struct ThumbnailSize {
  int width = 0;
  int height = 0;
  bool operator==(const ThumbnailSize&) const = default;
};

// The gallery thumbnail of a width x height picture: 100 pixels along its longer side, the other
// side in proportion (truncated), and never less than one pixel, so that a very long picture
// still gives a file its own reader accepts.
constexpr ThumbnailSize ThumbnailSizeFor(int width, int height) {
  if (width <= 0 || height <= 0) return {1, 1};
  const int side = static_cast<int>(kMaxThumbSide);
  ThumbnailSize size = height < width
                           ? ThumbnailSize{side, static_cast<int>(int64_t{height} * side / width)}
                           : ThumbnailSize{static_cast<int>(int64_t{width} * side / height), side};
  if (size.width < 1) size.width = 1;
  if (size.height < 1) size.height = 1;
  return size;
}
