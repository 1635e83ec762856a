// The game's numbered bitmaps, served from the BMP data built into the program.
#include "assets/EmbeddedBitmaps.h"

#include <algorithm>
#include <memory>

#include "assets/EmbeddedBitmapTable.h"
#include "image/DibByteSource.h"
#include "image/PictureFile.h"

std::optional<Bitmap> EmbeddedBitmaps::Load(int resourceId) const {
  const std::span<const EmbeddedBitmapEntry> table = EmbeddedBitmapTable();
  const auto entry = std::find_if(table.begin(), table.end(),
                                  [resourceId](const auto& e) { return e.id == resourceId; });
  if (entry == table.end()) return std::nullopt;
  DibMemorySource source(std::span<const uint8_t>(entry->bytes.data(), entry->bytes.size()));
  CPictureFile picture;
  if (!picture.Load(source, PICTURE_BMP)) return std::nullopt;
  const std::unique_ptr<DeviceBitmap> decoded = picture.CreateBitmap();
  if (!decoded) return std::nullopt;
  Bitmap bitmap;
  bitmap.width = static_cast<int>(decoded->width);
  bitmap.height = static_cast<int>(decoded->height);
  bitmap.pixels = decoded->pixels;
  return bitmap;
}

std::vector<int> EmbeddedBitmaps::Ids() const {
  std::vector<int> ids;
  for (const EmbeddedBitmapEntry& entry : EmbeddedBitmapTable()) ids.push_back(entry.id);
  return ids;
}
