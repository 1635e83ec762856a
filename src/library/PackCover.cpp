// The cover: a thumbnail-sized JPEG through the picture library's writer.
#include "library/PackCover.h"

#include "image/CImg.h"
#include "image/CJpegWriter.h"
#include "library/PuzzleFileLayout.h"
#include "library/ThumbnailPixels.h"

namespace {

constexpr int kCoverQuality = 90;

}  // namespace

FileStatus WritePackCover(const Surface& picture, const std::string& path) {
  SurfaceService service(picture.Format());
  auto cover = MakeThumbnail(service, picture, ThumbnailSizeFor(picture.Width(), picture.Height()));
  if (!cover) return FileStatus::Failed("cannot scale the cover picture");
  const std::vector<uint8_t> rgb = ThumbnailRgb(*cover);
  CImg image;
  uint32_t* pixels = image.AllocatePixels(static_cast<uint32_t>(cover->Width()),
                                          static_cast<uint32_t>(cover->Height()));
  if (!pixels || rgb.size() != std::size_t{image.m_width} * image.m_height * 3)
    return FileStatus::Failed("cannot convert the cover picture");
  for (std::size_t i = 0; i < rgb.size() / 3; ++i)
    pixels[i] = uint32_t{rgb[3 * i]} << 16 | uint32_t{rgb[3 * i + 1]} << 8 | rgb[3 * i + 2];
  const int result = CJpegWriter(&image).SaveJpeg(path.c_str(), 0, kCoverQuality, 1);
  if (result != IMG_OK) {
    const char* text = "unknown error";
    GetErrorText(result, &text);
    return FileStatus::Failed("cannot write " + path + ": " + text);
  }
  return FileStatus::Done();
}
