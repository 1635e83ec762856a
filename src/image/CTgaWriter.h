// Writer of 32-bit uncompressed TGA files.
#pragma once

#include "image/CImgCodec.h"

// Saves the bound image's pixels as an uncompressed 32-bit TGA with bottom-left origin. The
// file is written beside the target and renamed over it, so an old file survives a failed save.
class CTgaWriter : public CImgCodec {
 public:
  using CImgCodec::CImgCodec;

  // 0, or 4 unbound, 12 for a null path, 8 for a format other than id 14, 6 without pixels,
  // 13 for a pitch below the width or a side beyond 65535, 11 when the file cannot be written;
  // 6 when memory for the file image runs out.
  int SaveTga(const char* path);
};
