// Test helpers: picture files built byte by byte, and decoding them through the library.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image/CImg.h"

// A picture the tests know pixel by pixel: width x height words 0x00RRGGBB, top row first.
struct TestPicture {
  uint32_t width = 0;
  uint32_t height = 0;
  std::vector<uint32_t> pixels;
};

// Pixels that differ from their neighbours, with some horizontal runs of equal pixels so that
// run-length encoders make both kinds of packet.
TestPicture MakeTestPicture(uint32_t width, uint32_t height, uint32_t seed);

// The decoded pixels of `image`, row by row without the pitch's padding.
std::vector<uint32_t> DecodedPixels(const CImg& image);

// Puts `bytes` into `image` as its file data with file type `type` and decodes it.
int DecodeBytes(CImg& image, uint8_t type, const std::vector<uint8_t>& bytes);

// Appends integers in either byte order.
class ByteWriter {
 public:
  ByteWriter& U8(uint32_t v);
  ByteWriter& U16Le(uint32_t v);
  ByteWriter& U32Le(uint32_t v);
  ByteWriter& U16Be(uint32_t v);
  ByteWriter& U32Be(uint32_t v);
  ByteWriter& Text(const std::string& text);
  ByteWriter& Bytes(const std::vector<uint8_t>& bytes);
  std::vector<uint8_t> bytes;
};

struct BmpOptions {
  uint32_t headerSize = 40;  // 12 (core), 40 (info) or a longer info header such as 124
  bool topDown = false;      // info headers only: negative height, top row first
  uint16_t bitCount = 24;
  uint32_t compression = 0;
  bool lastRowPadding = true;
};
// A BMP file whose row padding bytes are 0xEE, so a decoder reading them shows it.
std::vector<uint8_t> MakeBmp(const TestPicture& picture, const BmpOptions& options = {});

struct TgaOptions {
  int depth = 24;  // 16, 24 or 32
  bool runLength = false;
  bool topLeft = false;
  uint8_t idLength = 0;          // bytes of ID field before the pixels
  uint16_t colourMapLength = 0;  // 24-bit colour-map entries before the pixels
};
// A TGA file; 32-bit pixels carry alpha 0x80, 16-bit pixels keep each channel's top 5 bits
// and set bit 15.
std::vector<uint8_t> MakeTga(const TestPicture& picture, const TgaOptions& options = {});
// What a TGA decoder gives for `picture` stored at `depth` bits.
std::vector<uint32_t> TgaExpected(const TestPicture& picture, int depth);

struct IlbmOptions {
  bool compressed = false;
  bool masked = false;  // a mask plane row after each row's 24 colour plane rows
  uint8_t planes = 24;
  uint8_t compression = 0;  // used as given when not 0 or 1
};
// A FORM ILBM file with BMHD, an odd-length ANNO chunk, a CMAP chunk and BODY; plane rows are
// padded to 16 bits with set bits.
std::vector<uint8_t> MakeIlbm(const TestPicture& picture, const IlbmOptions& options = {});
// ByteRun1 encoding of one row, using literal and repeat runs.
std::vector<uint8_t> PackByteRun1(const std::vector<uint8_t>& row);
