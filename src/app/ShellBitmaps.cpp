// Bitmaps turned into images for the windows.
#include "ShellBitmaps.h"

#include <cstring>

QImage BitmapImage(const BitmapProvider& bitmaps, int id) {
  const std::optional<Bitmap> bitmap = bitmaps.Load(id);
  if (!bitmap || bitmap->width <= 0 || bitmap->height <= 0) return {};
  QImage image(bitmap->width, bitmap->height, QImage::Format_RGB32);
  const auto rowBytes = static_cast<std::size_t>(bitmap->width) * sizeof(uint32_t);
  for (int y = 0; y < bitmap->height; ++y)
    std::memcpy(
        image.scanLine(y),
        &bitmap->pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(bitmap->width)],
        rowBytes);
  return image;
}
