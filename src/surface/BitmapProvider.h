// The source of the program's numbered bitmap resources.
#pragma once

#include <optional>

#include "surface/Bitmap.h"

// Serves bitmap resources by number; none when the number is unknown or cannot be decoded.
class BitmapProvider {
 public:
  virtual ~BitmapProvider() = default;
  virtual std::optional<Bitmap> Load(int resourceId) const = 0;
};
