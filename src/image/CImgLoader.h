// Picks the decoder for an image's file type.
#pragma once

#include "image/CImg.h"

class CImgLoader {
 public:
  explicit CImgLoader(CImg* image) : m_image(image) {}

  // Runs the decoder of the image's type and answers its result; 10 for a type without one.
  int Decode();
  // Sets the image's type from the extension of `path` (the text from its last '.', compared
  // without regard to case); a path without a '.' has type 0. The path itself is not changed.
  int DetectType(const char* path);

 private:
  CImg* m_image;
};
