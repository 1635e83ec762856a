// Decoder for true-colour TGA files, uncompressed and run-length encoded.
#pragma once

#include "image/CImgCodec.h"

// Turns the TGA file bytes of the bound image into its 32-bit pixels. Reads image types 2
// (uncompressed) and 10 (run-length) at 16, 24 and 32 bits a pixel, with either vertical origin;
// an ID field or a colour map before the pixels is skipped. The size and a new pixel buffer are
// set before the image type is checked, so the pixels mean nothing after a non-zero answer.
class CTgaDecoder : public CImgCodec {
 public:
  using CImgCodec::CImgCodec;

  // 0, or 4 unbound, 2 for short or malformed data, 8 for a depth other than 16, 24 or 32,
  // 3 for another image type, 13 for a picture beyond the size limits, 6 when memory for the
  // pixels runs out.
  int Decode();
};
