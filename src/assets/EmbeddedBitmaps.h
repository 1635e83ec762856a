// The game's numbered bitmaps, served from the BMP data built into the program.
#pragma once

#include <vector>

#include "surface/BitmapProvider.h"

// Decodes the embedded BMP bytes with the device-bitmap reader on every load, so the game and
// the tools see exactly what the reader makes of them.
class EmbeddedBitmaps final : public BitmapProvider {
 public:
  std::optional<Bitmap> Load(int resourceId) const override;
  // The numbers of every embedded bitmap, increasing.
  std::vector<int> Ids() const;
};
