// Encoding pictures as uncompressed 24-bit BMP files.
#include "BmpWriter.h"

#include <fstream>

namespace {

void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int byteCount) {
  for (int i = 0; i < byteCount; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(int width, int height, std::span<const uint32_t> pixels) {
  if (width <= 0 || height <= 0 ||
      pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
    return {};
  const uint32_t w = static_cast<uint32_t>(width);
  const uint32_t h = static_cast<uint32_t>(height);
  const uint32_t rowSize = (w * 3 + 3) & ~3u;
  const uint32_t headerSize = 14 + 40;
  std::vector<uint8_t> out;
  out.reserve(headerSize + rowSize * h);
  out.push_back('B');
  out.push_back('M');
  PutLittleEndian(out, headerSize + rowSize * h, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, headerSize, 4);
  PutLittleEndian(out, 40, 4);
  PutLittleEndian(out, w, 4);
  PutLittleEndian(out, h, 4);
  PutLittleEndian(out, 1, 2);   // planes
  PutLittleEndian(out, 24, 2);  // bits per pixel
  PutLittleEndian(out, 0, 4);   // no compression
  PutLittleEndian(out, rowSize * h, 4);
  PutLittleEndian(out, 2835, 4);  // 72 dots per inch, in dots per metre
  PutLittleEndian(out, 2835, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, 0, 4);
  for (uint32_t row = h; row-- > 0;) {
    for (uint32_t x = 0; x < w; ++x) PutLittleEndian(out, pixels[row * w + x], 3);
    for (uint32_t pad = w * 3; pad < rowSize; ++pad) out.push_back(0);
  }
  return out;
}

bool WriteBmp24(const std::string& path, int width, int height, std::span<const uint32_t> pixels) {
  const std::vector<uint8_t> bytes = EncodeBmp24(width, height, pixels);
  if (bytes.empty()) return false;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}
