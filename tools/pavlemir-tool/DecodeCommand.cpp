// pavlemir-tool decode FILE OUT.ppm: a picture decoded by the picture library, as a binary PPM.
#include <cstdio>

#include "ImageFiles.h"
#include "Netpbm.h"
#include "Subcommand.h"

namespace {

std::vector<uint8_t> RgbBytes(const CImg& image) {
  std::vector<uint8_t> rgb;
  rgb.reserve(std::size_t{image.m_width} * image.m_height * 3);
  for (uint32_t y = 0; y < image.m_height; ++y) {
    const uint32_t* row = image.m_pixels + std::size_t{y} * static_cast<uint32_t>(image.m_pitch);
    for (uint32_t x = 0; x < image.m_width; ++x) {
      rgb.push_back(static_cast<uint8_t>(row[x] >> 16));
      rgb.push_back(static_cast<uint8_t>(row[x] >> 8));
      rgb.push_back(static_cast<uint8_t>(row[x]));
    }
  }
  return rgb;
}

int RunDecode(std::span<char*> args) {
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: pavlemir-tool decode FILE OUT.ppm\n");
    return 2;
  }
  CImg image;
  const int result = LoadAndDecode(args[0], image);
  if (result != IMG_OK) return ReportResult(args[0], result);
  if (!WritePpm(args[1], static_cast<int>(image.m_width), static_cast<int>(image.m_height),
                RgbBytes(image))) {
    std::fprintf(stderr, "pavlemir-tool: cannot write %s\n", args[1]);
    return IMG_UNDEFINED_ERROR;
  }
  return ReportResult(args[0], IMG_OK);
}

const SubcommandRegistration kDecode({"decode", "FILE OUT.ppm",
                                      "decode a picture (type by extension) into a binary PPM; "
                                      "the exit status is the result code",
                                      RunDecode});

}  // namespace
