// Fuzz target: the JPEG decoder on arbitrary file bytes, at full size and reduced for a preview.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "image/CJpegDecoder.h"
#include "image/JpegCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 0xFFFFFFFFu) return 0;
  // An exact-size copy, so that a read past the end of the file shows.
  std::unique_ptr<uint8_t[]> bytes(new uint8_t[size]);
  if (size > 0) std::memcpy(bytes.get(), data, size);
  // An eighth of the size, as the picture chooser's preview reads a large photo.
  JpegPicture reduced;
  uint32_t fullWidth = 0, fullHeight = 0;
  if (ReadJpegReduced(bytes.get(), size, 1, 1, &reduced, &fullWidth, &fullHeight) == IMG_OK &&
      (reduced.width != (fullWidth + 7) / 8 || reduced.height != (fullHeight + 7) / 8))
    __builtin_trap();
  CImg image;
  image.AttachData(std::move(bytes), static_cast<uint32_t>(size));
  const int answer = CJpegDecoder(&image).Decode();
  if (answer != IMG_OK) {
    if (image.m_pixels) __builtin_trap();
    return 0;
  }
  // A decoded picture is as large as it says, packed, with the top byte of every pixel clear.
  uint32_t topBits = 0;
  for (std::size_t i = 0; i < std::size_t{image.m_width} * image.m_height; ++i)
    topBits |= image.m_pixels[i] >> 24;
  if (topBits != 0 || image.m_pitch != static_cast<int32_t>(image.m_width)) __builtin_trap();
  return 0;
}
