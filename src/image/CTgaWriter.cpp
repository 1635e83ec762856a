// TGA writing: an 18-byte header and the rows bottom row first, four bytes a pixel.
#include "image/CTgaWriter.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>
#include <string>

#include "image/CImgFileSource.h"

namespace {

constexpr std::size_t kHeaderSize = 18;
constexpr uint32_t kMaxSide = 0xFFFF;
constexpr uint8_t kDepth = 32;

void PutU16(uint8_t* p, uint32_t value) {
  p[0] = static_cast<uint8_t>(value);
  p[1] = static_cast<uint8_t>(value >> 8);
}

// Header fields: no ID, no colour map, image type 2, origin 0, size, 32 bits, descriptor 0.
void PutHeader(uint8_t* h, const CImg& image) {
  std::fill_n(h, kHeaderSize, uint8_t{0});
  h[2] = 2;
  PutU16(h + 12, image.m_width);
  PutU16(h + 14, image.m_height);
  h[16] = kDepth;
}

void PutPixels(uint8_t* out, const CImg& image) {
  for (uint32_t fileRow = 0; fileRow < image.m_height; ++fileRow) {
    const uint32_t y = image.m_height - 1 - fileRow;
    const uint32_t* row = image.m_pixels + std::size_t{y} * static_cast<uint32_t>(image.m_pitch);
    for (uint32_t x = 0; x < image.m_width; ++x, out += 4) {
      out[0] = static_cast<uint8_t>(row[x]);
      out[1] = static_cast<uint8_t>(row[x] >> 8);
      out[2] = static_cast<uint8_t>(row[x] >> 16);
      out[3] = 0;
    }
  }
}

bool WriteBesideAndRename(const char* path, const uint8_t* data, uint32_t size) {
  const std::string temporary = std::string(path) + ".tmp";
  if (CImgFileSource().WriteFile(temporary.c_str(), data, size) ||
      std::rename(temporary.c_str(), path) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace

int CTgaWriter::SaveTga(const char* path) {
  if (!m_image) return IMG_NO_INSTANCE;
  if (!path) return IMG_NULL_POINTER;
  const CImg& image = *m_image;
  if (image.m_format.formatId != kImgFormat32) return IMG_UNSUPPORTED_BPP;
  if (!image.m_pixels) return IMG_NO_BUFFER;
  if (image.m_width == 0 || image.m_height == 0 || image.m_width > kMaxSide ||
      image.m_height > kMaxSide || image.m_pitch < 0 ||
      static_cast<uint32_t>(image.m_pitch) < image.m_width) {
    return IMG_OUT_OF_RANGE;
  }
  const uint64_t size = kHeaderSize + uint64_t{image.m_width} * image.m_height * 4;
  if (size > 0xFFFFFFFFu) return IMG_OUT_OF_RANGE;
  std::unique_ptr<uint8_t[]> file(new (std::nothrow) uint8_t[size]);
  if (!file) return IMG_NO_BUFFER;
  PutHeader(file.get(), image);
  PutPixels(file.get() + kHeaderSize, image);
  return WriteBesideAndRename(path, file.get(), static_cast<uint32_t>(size)) ? IMG_OK
                                                                             : IMG_UNDEFINED_ERROR;
}
