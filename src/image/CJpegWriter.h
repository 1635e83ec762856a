// Writer of JPEG files.
#pragma once

#include "image/CImgCodec.h"

// Saves the bound image's pixels as a baseline JPEG file. The file is written beside the target
// and renamed over it, so an old file survives a failed save.
class CJpegWriter : public CImgCodec {
 public:
  using CImgCodec::CImgCodec;

  // `dctMethod` 0 accurate integer, 1 fast integer, 2 floating point (others: the library's
  // default); `quality` 1 to 100; a non-zero `optimize` computes optimal Huffman tables.
  // 0, or 4 unbound, 12 for a null path, 8 for a format other than id 14, 6 without pixels,
  // 13 for a quality outside 1 to 100, a pitch below the width or a side beyond 65500, 11 when
  // the file cannot be written.
  int SaveJpeg(const char* path, int dctMethod, int quality, int optimize);
};
