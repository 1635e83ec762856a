// Builder of true-colour TGA test files, raw and run-length, either origin.
#include "ImgTestFiles.h"

namespace {

std::vector<uint8_t> EncodePixel(uint32_t p, int depth) {
  const uint32_t r = p >> 16 & 0xFF;
  const uint32_t g = p >> 8 & 0xFF;
  const uint32_t b = p & 0xFF;
  ByteWriter out;
  if (depth == 16) {
    out.U16Le(0x8000 | (r >> 3) << 10 | (g >> 3) << 5 | b >> 3);
  } else {
    out.U8(b).U8(g).U8(r);
    if (depth == 32) out.U8(0x80);
  }
  return out.bytes;
}

std::size_t RunAt(const std::vector<uint32_t>& pixels, std::size_t i) {
  std::size_t run = 1;
  while (i + run < pixels.size() && run < 128 && pixels[i + run] == pixels[i]) ++run;
  return run;
}

// Runs of two or more equal pixels become run packets, everything else literal packets;
// packets run on across row ends.
void EncodeRunLength(const std::vector<uint32_t>& pixels, int depth, ByteWriter& out) {
  std::size_t i = 0;
  while (i < pixels.size()) {
    const std::size_t run = RunAt(pixels, i);
    if (run >= 2) {
      out.U8(127 + static_cast<uint32_t>(run)).Bytes(EncodePixel(pixels[i], depth));
      i += run;
      continue;
    }
    std::size_t count = 1;
    while (i + count < pixels.size() && count < 128 && RunAt(pixels, i + count) < 2) ++count;
    out.U8(static_cast<uint32_t>(count - 1));
    for (std::size_t k = 0; k < count; ++k) out.Bytes(EncodePixel(pixels[i + k], depth));
    i += count;
  }
}

}  // namespace

std::vector<uint8_t> MakeTga(const TestPicture& picture, const TgaOptions& options) {
  const uint32_t w = picture.width;
  const uint32_t h = picture.height;
  ByteWriter file;
  file.U8(options.idLength).U8(options.colourMapLength ? 1 : 0).U8(options.runLength ? 10 : 2);
  file.U16Le(0).U16Le(options.colourMapLength).U8(options.colourMapLength ? 24 : 0);
  file.U16Le(0).U16Le(0).U16Le(w).U16Le(h).U8(static_cast<uint32_t>(options.depth));
  file.U8((options.topLeft ? 0x20 : 0) | (options.depth == 32 ? 8 : 0));
  for (int i = 0; i < options.idLength; ++i) file.U8('I');
  for (int i = 0; i < options.colourMapLength * 3; ++i) file.U8(0x55);

  std::vector<uint32_t> fileOrder;
  for (uint32_t fileRow = 0; fileRow < h; ++fileRow) {
    const uint32_t y = options.topLeft ? fileRow : h - 1 - fileRow;
    const auto row = picture.pixels.begin() + std::size_t{y} * w;
    fileOrder.insert(fileOrder.end(), row, row + w);
  }
  if (options.runLength) {
    EncodeRunLength(fileOrder, options.depth, file);
  } else {
    for (uint32_t p : fileOrder) file.Bytes(EncodePixel(p, options.depth));
  }
  return file.bytes;
}

std::vector<uint32_t> TgaExpected(const TestPicture& picture, int depth) {
  std::vector<uint32_t> expected = picture.pixels;
  if (depth == 16) {
    for (uint32_t& p : expected) p &= 0xF8F8F8;
  }
  return expected;
}
