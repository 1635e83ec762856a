// Builders of BMP, TGA and ILBM files for the decoder tests.
#include "ImgTestFiles.h"

#include <memory>

#include "image/CImgLoader.h"

TestPicture MakeTestPicture(uint32_t width, uint32_t height, uint32_t seed) {
  TestPicture picture{width, height, std::vector<uint32_t>(std::size_t{width} * height)};
  uint32_t state = seed * 2654435761u + 12345u;
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
    state = state * 1103515245u + 12345u;
    // About one pixel in three repeats its left neighbour.
    const bool repeat = i > 0 && (state >> 16) % 3 == 0;
    picture.pixels[i] = repeat ? picture.pixels[i - 1] : (state >> 8) & 0xFFFFFFu;
  }
  return picture;
}

std::vector<uint32_t> DecodedPixels(const CImg& image) {
  std::vector<uint32_t> pixels;
  if (!image.m_pixels) return pixels;
  for (uint32_t y = 0; y < image.m_height; ++y) {
    const uint32_t* row = image.m_pixels + std::size_t{y} * static_cast<uint32_t>(image.m_pitch);
    pixels.insert(pixels.end(), row, row + image.m_width);
  }
  return pixels;
}

int DecodeBytes(CImg& image, uint8_t type, const std::vector<uint8_t>& bytes) {
  std::unique_ptr<uint8_t[]> data(new uint8_t[bytes.size() + 1]);
  std::copy(bytes.begin(), bytes.end(), data.get());
  image.AttachData(std::move(data), static_cast<uint32_t>(bytes.size()));
  image.m_type = type;
  return CImgLoader(&image).Decode();
}

ByteWriter& ByteWriter::U8(uint32_t v) {
  bytes.push_back(static_cast<uint8_t>(v));
  return *this;
}
ByteWriter& ByteWriter::U16Le(uint32_t v) {
  return U8(v).U8(v >> 8);
}
ByteWriter& ByteWriter::U32Le(uint32_t v) {
  return U16Le(v).U16Le(v >> 16);
}
ByteWriter& ByteWriter::U16Be(uint32_t v) {
  return U8(v >> 8).U8(v);
}
ByteWriter& ByteWriter::U32Be(uint32_t v) {
  return U16Be(v >> 16).U16Be(v);
}
ByteWriter& ByteWriter::Text(const std::string& text) {
  bytes.insert(bytes.end(), text.begin(), text.end());
  return *this;
}
ByteWriter& ByteWriter::Bytes(const std::vector<uint8_t>& more) {
  bytes.insert(bytes.end(), more.begin(), more.end());
  return *this;
}
