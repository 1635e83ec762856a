// Shared body of the BMP, TGA and IFF fuzz targets: decode arbitrary bytes, check the result.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "image/CImg.h"

// Decodes `data` with `Decoder` from a buffer of exactly `size` bytes (so that any read past
// the end is caught), and traps when a successful decode breaks the picture's invariants:
// a size within the limits, pitch = width, format 14, every pixel's top byte clear.
template <class Decoder>
int FuzzDecode(const uint8_t* data, size_t size, CImg& image) {
  if (size > 0xFFFFFFFFu) return -1;
  std::unique_ptr<uint8_t[]> copy(new uint8_t[size]);
  if (size > 0) std::memcpy(copy.get(), data, size);
  image.AttachData(std::move(copy), static_cast<uint32_t>(size));
  const int result = Decoder(&image).Decode();
  if (result != IMG_OK) return result;
  if (CheckImgSize(image.m_width, image.m_height) != IMG_OK || !image.m_pixels ||
      image.m_pitch != static_cast<int32_t>(image.m_width) ||
      image.m_format.formatId != kImgFormat32)
    __builtin_trap();
  uint32_t topBits = 0;
  for (std::size_t i = 0; i < std::size_t{image.m_width} * image.m_height; ++i)
    topBits |= image.m_pixels[i] >> 24;
  if (topBits != 0) __builtin_trap();
  return result;
}
