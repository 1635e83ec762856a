// Decoder for JPEG files.
#pragma once

#include "image/CImgCodec.h"

// Turns the JPEG file bytes of the bound image into its 32-bit pixels (see ReadJpeg for the
// colour spaces and limits). Unlike a failed decode of the other types, a failed JPEG decode
// leaves the image exactly as it was.
class CJpegDecoder : public CImgCodec {
 public:
  using CImgCodec::CImgCodec;

  // 0, or 4 unbound, 2 for data that is not a sound JPEG file, 13 for a picture beyond the size
  // limits, 6 when memory for the pixels runs out.
  int Decode();
};
