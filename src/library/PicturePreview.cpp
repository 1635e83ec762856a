// Reading pictures for the chooser's preview, and the preview's geometry.
#include "library/PicturePreview.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <new>

#include "image/JpegCodec.h"
#include "image/PictureFile.h"
#include "library/FileByteSource.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

std::optional<PreviewPicture> LoadJpegPreview(const std::string& path, int boxWidth,
                                              int boxHeight) {
  FileByteSource file;
  if (!file.Open(path) || file.Length() > SIZE_MAX) return std::nullopt;
  std::vector<uint8_t> bytes(static_cast<std::size_t>(file.Length()));
  if (!file.ReadAt(0, bytes)) return std::nullopt;
  uint32_t width = 0, height = 0;
  if (ReadJpegSize(bytes.data(), bytes.size(), &width, &height) != 0) return std::nullopt;
  // The full size unless a box asks for less.
  uint32_t minWidth = width, minHeight = height;
  if (boxWidth > 0 && boxHeight > 0) {
    const PreviewSize fitted =
        PreviewFrameFit(boxWidth, boxHeight, static_cast<int>(width), static_cast<int>(height));
    minWidth = static_cast<uint32_t>(fitted.width);
    minHeight = static_cast<uint32_t>(fitted.height);
  }
  JpegPicture picture;
  if (ReadJpegReduced(bytes.data(), bytes.size(), minWidth, minHeight, &picture, &width, &height) !=
      0)
    return std::nullopt;
  PreviewPicture preview;
  preview.width = static_cast<int>(picture.width);
  preview.height = static_cast<int>(picture.height);
  preview.pictureWidth = static_cast<int>(width);
  preview.pictureHeight = static_cast<int>(height);
  preview.pixels.assign(picture.pixels.get(),
                        picture.pixels.get() + std::size_t{picture.width} * picture.height);
  return preview;
}

std::optional<PreviewPicture> LoadBitmapPreview(const std::string& path) {
  CPictureFile reader;
  {
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file || !reader.Load(file.get(), PictureFileType(path))) return std::nullopt;
  }
  const std::unique_ptr<DeviceBitmap> bitmap = reader.CreateBitmap();
  if (!bitmap || bitmap->width == 0 || bitmap->height == 0) return std::nullopt;
  PreviewPicture preview;
  preview.width = preview.pictureWidth = static_cast<int>(bitmap->width);
  preview.height = preview.pictureHeight = static_cast<int>(bitmap->height);
  preview.pixels = std::move(bitmap->pixels);
  return preview;
}

}  // namespace

std::optional<PreviewPicture> LoadPreviewPicture(const std::string& path, int boxWidth,
                                                 int boxHeight) {
  try {
    if (PictureFileType(path) == PICTURE_JPEG) return LoadJpegPreview(path, boxWidth, boxHeight);
    return LoadBitmapPreview(path);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

PreviewSize PreviewFrameFit(int frameWidth, int frameHeight, int pictureWidth, int pictureHeight) {
  if (pictureWidth <= 0 || pictureHeight <= 0) return {};
  if (pictureHeight < pictureWidth) {
    const double scaled = static_cast<double>(frameWidth) / pictureWidth * pictureHeight;
    return {frameWidth, static_cast<int>(scaled)};
  }
  const double scaled = static_cast<double>(frameHeight) / pictureHeight * pictureWidth;
  return {static_cast<int>(scaled), frameHeight};
}

PreviewWindowFit FitPreviewWindow(int pictureWidth, int pictureHeight, int extraWidth,
                                  int extraHeight, int screenWidth, int screenHeight) {
  if (pictureWidth + extraWidth <= screenWidth && pictureHeight + extraHeight <= screenHeight)
    return {{pictureWidth, pictureHeight}, false};
  return {{pictureWidth / 2, pictureHeight / 2}, true};
}
