// Fuzz target: the device-bitmap reader on arbitrary bytes, on through to a device bitmap.
#include <cstddef>
#include <cstdint>
#include <span>

#include "image/PictureFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  DibMemorySource source(std::span<const uint8_t>(data, size));
  CPictureFile picture;
  if (!picture.Load(source, PICTURE_BMP)) {
    if (picture.Bits() || picture.Width() != 0) __builtin_trap();
    return 0;
  }
  // Large pictures convert exactly as small ones do; leaving them out keeps the fuzzer fast (a
  // few bytes of run-length code can describe tens of millions of pixels).
  if (int64_t{picture.Width()} * picture.Height() > (int64_t{1} << 22)) return 0;
  const auto bitmap = picture.CreateBitmap();
  if (!bitmap) return 0;
  // A loaded picture has the size its bitmap says, and every pixel's top byte is clear.
  if (bitmap->width != static_cast<uint32_t>(picture.Width()) ||
      bitmap->height != static_cast<uint32_t>(picture.Height()) ||
      bitmap->pixels.size() != std::size_t{bitmap->width} * bitmap->height)
    __builtin_trap();
  uint32_t topBits = 0;
  for (uint32_t pixel : bitmap->pixels) topBits |= pixel >> 24;
  if (topBits != 0) __builtin_trap();
  return 0;
}
