// Builder of 24-bit (and other) BMP test files with core, info and longer headers.
#include "ImgTestFiles.h"

std::vector<uint8_t> MakeBmp(const TestPicture& picture, const BmpOptions& options) {
  const uint32_t w = picture.width;
  const uint32_t h = picture.height;
  const uint32_t padding = (4 - w * 3 % 4) % 4;
  ByteWriter rows;
  for (uint32_t fileRow = 0; fileRow < h; ++fileRow) {
    const uint32_t y = options.topDown ? fileRow : h - 1 - fileRow;
    for (uint32_t x = 0; x < w; ++x) {
      const uint32_t p = picture.pixels[std::size_t{y} * w + x];
      rows.U8(p).U8(p >> 8).U8(p >> 16);
    }
    if (fileRow + 1 < h || options.lastRowPadding) {
      for (uint32_t i = 0; i < padding; ++i) rows.U8(0xEE);
    }
  }
  const uint32_t dataOffset = 14 + options.headerSize;
  ByteWriter file;
  file.Text("BM").U32Le(dataOffset + static_cast<uint32_t>(rows.bytes.size())).U32Le(0);
  file.U32Le(dataOffset).U32Le(options.headerSize);
  if (options.headerSize == 12) {
    file.U16Le(w).U16Le(h).U16Le(1).U16Le(options.bitCount);
  } else {
    file.U32Le(w).U32Le(options.topDown ? 0u - h : h).U16Le(1).U16Le(options.bitCount);
    file.U32Le(options.compression).U32Le(static_cast<uint32_t>(rows.bytes.size()));
    file.U32Le(2835).U32Le(2835).U32Le(0).U32Le(0);
    while (file.bytes.size() < dataOffset) file.U8(0);
  }
  return file.Bytes(rows.bytes).bytes;
}
