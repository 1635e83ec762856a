// Building BMP streams for tests, field by field in little-endian order.
#include "support/BmpFileBuilder.h"

#include <algorithm>

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

std::vector<uint8_t> InfoHeader(const BmpLayout& layout, uint32_t sizeImage) {
  std::vector<uint8_t> header;
  Put32(header, layout.headerSize);
  if (layout.headerSize == 12) {
    Put16(header, static_cast<uint32_t>(layout.width));
    Put16(header, static_cast<uint32_t>(layout.height));
    Put16(header, 1);
    Put16(header, layout.bitCount);
    return header;
  }
  Put32(header, static_cast<uint32_t>(layout.width));
  Put32(header, static_cast<uint32_t>(layout.height));
  Put16(header, 1);
  Put16(header, layout.bitCount);
  if (layout.headerSize > 16) {
    for (uint32_t field : {layout.compression, sizeImage, 2835u, 2835u, layout.clrUsed, 0u}) {
      Put32(header, field);
    }
  }
  if (layout.headerSize > 40) {
    for (uint32_t mask : layout.masks) Put32(header, mask);
  }
  header.resize(layout.headerSize, 0);
  return header;
}

}  // namespace

std::vector<uint8_t> BuildBmp(const BmpLayout& layout, std::span<const uint8_t> bits) {
  std::vector<uint8_t> body =
      InfoHeader(layout, layout.sizeImage.value_or(static_cast<uint32_t>(bits.size())));
  if (layout.headerSize == 40) {
    for (uint32_t mask : layout.masks) Put32(body, mask);
  }
  for (uint32_t colour : layout.colourTable) {
    body.push_back(static_cast<uint8_t>(colour));
    body.push_back(static_cast<uint8_t>(colour >> 8));
    body.push_back(static_cast<uint8_t>(colour >> 16));
    if (layout.headerSize != 12) body.push_back(0);
  }
  std::vector<uint8_t> out;
  const uint32_t headerBytes = layout.fileHeader ? 14 : 0;
  const uint32_t offset =
      layout.pixelOffset.value_or(headerBytes + static_cast<uint32_t>(body.size()));
  if (layout.fileHeader) {
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + static_cast<uint32_t>(bits.size()));
    Put32(out, 0);
    Put32(out, offset);
  }
  out.insert(out.end(), body.begin(), body.end());
  if (out.size() < offset) out.resize(offset, 0);
  out.insert(out.end(), bits.begin(), bits.end());
  return out;
}

std::vector<uint8_t> PackBmpRows(int bitCount, int width, int height,
                                 const std::vector<uint32_t>& values, bool topDown) {
  const std::size_t rowSize = (static_cast<std::size_t>(bitCount) * width + 31) / 32 * 4;
  std::vector<uint8_t> rows(rowSize * height, 0);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = rows.data() + rowSize * (topDown ? y : height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const uint32_t value = values[static_cast<std::size_t>(y) * width + x];
      if (bitCount < 8) {
        const int perByte = 8 / bitCount;
        const int shift = 8 - bitCount * (x % perByte + 1);
        row[x / perByte] |= static_cast<uint8_t>(value << shift);
      } else {
        const int bytes = bitCount / 8;
        for (int b = 0; b < bytes; ++b) row[x * bytes + b] = static_cast<uint8_t>(value >> (8 * b));
      }
    }
  }
  return rows;
}
