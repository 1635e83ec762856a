// Fuzz target: the TGA decoder on arbitrary bytes, then flips and crops of what it decoded.
#include <vector>

#include "ImgFuzzDecode.h"
#include "image/CTgaDecoder.h"

namespace {

std::vector<uint32_t> Pixels(const CImg& image) {
  return {image.m_pixels, image.m_pixels + std::size_t{image.m_width} * image.m_height};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CImg image;
  if (FuzzDecode<CTgaDecoder>(data, size, image) != IMG_OK ||
      std::size_t{image.m_width} * image.m_height > (1u << 16))
    return 0;
  // Two mirrors and two vertical flips give the picture back; a crop of all of it too.
  const std::vector<uint32_t> decoded = Pixels(image);
  const auto w = static_cast<int32_t>(image.m_width);
  const auto h = static_cast<int32_t>(image.m_height);
  if (image.Flip(1) != IMG_OK || image.Flip(0) != IMG_OK || image.Flip(1) != IMG_OK ||
      image.Flip(0) != IMG_OK || image.Crop(0, 0, w, h) != IMG_OK || Pixels(image) != decoded)
    __builtin_trap();
  return 0;
}
