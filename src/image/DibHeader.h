// The headers of a BMP stream: file header, information header, colour masks and colour table.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "image/DibByteSource.h"

// Compression codes of the information header that the reader knows.
enum DibCompression : uint32_t {
  DIB_RGB = 0,
  DIB_RLE8 = 1,
  DIB_RLE4 = 2,
  DIB_BITFIELDS = 3,
  DIB_ALPHABITFIELDS = 6,
};

// The 40-byte information header as kept in memory, whatever header the stream had: a 12-byte
// core header is widened to it, the extra fields of longer headers are dropped.
struct DibInfoHeader {
  uint32_t size = 40;
  int32_t width = 0;
  // Negative for a bitmap stored top row first.
  int32_t height = 0;
  uint16_t planes = 1;
  uint16_t bitCount = 0;
  uint32_t compression = DIB_RGB;
  uint32_t sizeImage = 0;
  int32_t xPelsPerMeter = 0;
  int32_t yPelsPerMeter = 0;
  uint32_t clrUsed = 0;
  uint32_t clrImportant = 0;
};

// Bytes in one stored row of pixels: rows are padded to whole 32-bit words.
uint32_t DibRowSize(uint32_t bitCount, uint32_t width);
// Whether a bitmap may have this many bits per pixel: 1, 4, 8, 16, 24 or 32.
bool IsDibBitCount(uint32_t bitCount);
// Whether a bitmap of this size stays within the picture library's limits (and is not empty).
bool IsDibSizeAllowed(uint32_t width, uint32_t height);

// One colour channel of a 16- or 32-bit pixel: a run of adjacent bits.
struct DibChannel {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  // None when the mask's set bits are not adjacent.
  static std::optional<DibChannel> FromMask(uint32_t mask);
  // The channel widened (by repeating its bits) or narrowed (by keeping its high bits) to 8 bits.
  uint32_t Value8(uint32_t pixel) const;
};

struct DibMasks {
  DibChannel red;
  DibChannel green;
  DibChannel blue;

  // 0x00RRGGBB of a 16- or 32-bit pixel.
  uint32_t Rgb(uint32_t pixel) const {
    return red.Value8(pixel) << 16 | green.Value8(pixel) << 8 | blue.Value8(pixel);
  }
  // The layout of pixels stored without masks: 5-5-5 for 16 bits, 8-8-8 for 32 bits.
  static DibMasks Default(uint32_t bitCount);
};

// Everything in front of the pixel bits, read and checked.
struct DibHeaders {
  DibInfoHeader info;
  // Size of the information header in the stream: 12 for a core header.
  uint32_t headerSize = 40;
  // Width and height in pixels, both at least 1 and within the picture library's limits.
  uint32_t width = 0;
  uint32_t height = 0;
  bool topDown = false;
  uint32_t rowSize = 0;
  // For 16- and 32-bit pixels; the 5-5-5 and 8-8-8 layouts when the stream gives no masks.
  DibMasks masks;
  // 0x00RRGGBB words, one per colour-table entry.
  std::vector<uint32_t> colourTable;
};

// Reads the headers from the source's position: a 14-byte file header when the stream starts
// with "BM", then the information header (12, 16, 40, 52, 56, 64, 108 or 124 bytes), the colour
// masks and the colour table. Leaves the source at the first byte of the pixel bits: the file
// header's pixel offset when there is one, else right behind the colour table. False for a
// stream that is cut short, malformed, beyond the size limits or of a kind not supported.
bool ReadDibHeaders(DibByteSource& source, DibHeaders& headers);
