// Choosing the surfaces' pixel format.
#include "ScreenFormat.h"

std::optional<PixelFormatInfo> SurfaceFormatFor(int screenDepth, const char* override) {
  if (override != nullptr && *override != '\0') return PixelFormatInfo::FromName(override);
  switch (screenDepth) {
    case 32:
    case 24:
      return PixelFormatInfo::Rgb32();
    case 16:
      return PixelFormatInfo::Rgb565();
    case 15:
      return PixelFormatInfo::Rgb555();
    default:
      return std::nullopt;
  }
}

std::string UnsupportedDepthText(int screenDepth, const char* override) {
  if (override != nullptr && *override != '\0')
    return "PAVLEMIR_PIXEL_FORMAT is \"" + std::string(override) +
           "\": it must be 32, 24, 565 or 555.";
  return "The screen shows " + std::to_string(screenDepth) +
         "-bit colour.\nPavlemir needs a screen of 15, 16, 24 or 32 bits per pixel.";
}
