// JPEG writing: the pixels as red, green, blue rows, compressed beside the target, then renamed.
#include "image/CJpegWriter.h"

#include <cstdio>
#include <memory>
#include <new>
#include <string>

#include "image/JpegCodec.h"

namespace {

// The largest side the JPEG library writes.
constexpr uint32_t kMaxSide = 65500;

std::unique_ptr<uint8_t[]> RgbRows(const CImg& image) {
  std::unique_ptr<uint8_t[]> rgb(new (std::nothrow)
                                     uint8_t[std::size_t{image.m_width} * image.m_height * 3]);
  if (!rgb) return nullptr;
  uint8_t* out = rgb.get();
  for (uint32_t y = 0; y < image.m_height; ++y) {
    const uint32_t* row = image.m_pixels + std::size_t{y} * static_cast<uint32_t>(image.m_pitch);
    for (uint32_t x = 0; x < image.m_width; ++x, out += 3) {
      out[0] = static_cast<uint8_t>(row[x] >> 16);
      out[1] = static_cast<uint8_t>(row[x] >> 8);
      out[2] = static_cast<uint8_t>(row[x]);
    }
  }
  return rgb;
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// True when the whole file was compressed, written and closed.
bool WriteFile(const std::string& path, const uint8_t* rgb, const CImg& image,
               const JpegWriteSettings& settings) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) return false;
  const bool compressed = WriteJpeg(file.get(), rgb, image.m_width, image.m_height, settings);
  return std::fclose(file.release()) == 0 && compressed;
}

}  // namespace

int CJpegWriter::SaveJpeg(const char* path, int dctMethod, int quality, int optimize) {
  if (!m_image) return IMG_NO_INSTANCE;
  if (!path) return IMG_NULL_POINTER;
  const CImg& image = *m_image;
  if (image.m_format.formatId != kImgFormat32) return IMG_UNSUPPORTED_BPP;
  if (!image.m_pixels) return IMG_NO_BUFFER;
  if (quality < 1 || quality > 100 || image.m_width == 0 || image.m_height == 0 ||
      image.m_width > kMaxSide || image.m_height > kMaxSide || image.m_pitch < 0 ||
      static_cast<uint32_t>(image.m_pitch) < image.m_width) {
    return IMG_OUT_OF_RANGE;
  }
  const std::unique_ptr<uint8_t[]> rgb = RgbRows(image);
  if (!rgb) return IMG_UNDEFINED_ERROR;
  JpegWriteSettings settings;
  settings.dctMethod = dctMethod;
  settings.quality = quality;
  settings.optimize = optimize != 0;
  const std::string temporary = std::string(path) + ".tmp";
  if (!WriteFile(temporary, rgb.get(), image, settings) ||
      std::rename(temporary.c_str(), path) != 0) {
    std::remove(temporary.c_str());
    return IMG_UNDEFINED_ERROR;
  }
  return IMG_OK;
}
