// Builder of ILBM test files: bit planes, ByteRun1, padding, extra chunks.
#include "ImgTestFiles.h"

namespace {

// Bit `plane` of the plane value of pixel p: planes 0-7 hold red, 8-15 green, 16-23 blue.
uint32_t PlaneBit(uint32_t p, uint32_t plane) {
  const uint32_t r = p >> 16 & 0xFF;
  const uint32_t g = p >> 8 & 0xFF;
  const uint32_t b = p & 0xFF;
  const uint32_t value = b << 16 | g << 8 | r;
  return value >> plane & 1;
}

// One plane row, padded to 16 bits; padding bits are set so that reading them shows.
std::vector<uint8_t> PlaneRow(const TestPicture& picture, uint32_t y, uint32_t plane) {
  const std::size_t rowBytes = (picture.width + 15) / 16 * 2;
  std::vector<uint8_t> row(rowBytes, 0);
  for (uint32_t x = 0; x < rowBytes * 8; ++x) {
    const uint32_t bit =
        x < picture.width ? PlaneBit(picture.pixels[std::size_t{y} * picture.width + x], plane) : 1;
    row[x / 8] = static_cast<uint8_t>(row[x / 8] | bit << (7 - x % 8));
  }
  return row;
}

void Chunk(ByteWriter& out, const char* id, const std::vector<uint8_t>& data) {
  out.Text(id).U32Be(static_cast<uint32_t>(data.size())).Bytes(data);
  if (data.size() % 2) out.U8(0);
}

}  // namespace

std::vector<uint8_t> PackByteRun1(const std::vector<uint8_t>& row) {
  ByteWriter out;
  std::size_t i = 0;
  const auto runAt = [&row](std::size_t at) {
    std::size_t run = 1;
    while (at + run < row.size() && run < 128 && row[at + run] == row[at]) ++run;
    return run;
  };
  while (i < row.size()) {
    const std::size_t run = runAt(i);
    if (run >= 3) {
      out.U8(static_cast<uint32_t>(257 - run)).U8(row[i]);
      i += run;
      continue;
    }
    std::size_t count = 1;
    while (i + count < row.size() && count < 128 && runAt(i + count) < 3) ++count;
    out.U8(static_cast<uint32_t>(count - 1));
    out.bytes.insert(out.bytes.end(), row.begin() + static_cast<std::ptrdiff_t>(i),
                     row.begin() + static_cast<std::ptrdiff_t>(i + count));
    i += count;
  }
  return out.bytes;
}

std::vector<uint8_t> MakeIlbm(const TestPicture& picture, const IlbmOptions& options) {
  const uint8_t compression = options.compressed ? 1 : options.compression;
  ByteWriter header;
  header.U16Be(picture.width).U16Be(picture.height).U16Be(0).U16Be(0);
  header.U8(options.planes).U8(options.masked ? 1 : 0).U8(compression).U8(0);
  header.U16Be(0).U8(10).U8(11).U16Be(picture.width).U16Be(picture.height);

  ByteWriter body;
  const std::size_t rowBytes = (picture.width + 15) / 16 * 2;
  for (uint32_t y = 0; y < picture.height; ++y) {
    for (uint32_t plane = 0; plane < options.planes + (options.masked ? 1u : 0u); ++plane) {
      const std::vector<uint8_t> row = plane < options.planes
                                           ? PlaneRow(picture, y, plane)
                                           : std::vector<uint8_t>(rowBytes, 0xFF);
      body.Bytes(options.compressed ? PackByteRun1(row) : row);
    }
  }
  ByteWriter chunks;
  chunks.Text("ILBM");
  Chunk(chunks, "BMHD", header.bytes);
  Chunk(chunks, "ANNO", {'a', 'b', 'c'});
  Chunk(chunks, "CMAP", {1, 2, 3, 4, 5, 6});
  Chunk(chunks, "BODY", body.bytes);
  ByteWriter file;
  file.Text("FORM").U32Be(static_cast<uint32_t>(chunks.bytes.size())).Bytes(chunks.bytes);
  return file.bytes;
}
