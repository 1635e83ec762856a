// Decoder for 24-plane IFF ILBM pictures.
#pragma once

#include "image/CImgCodec.h"

// Turns the ILBM file bytes of the bound image into its 32-bit pixels. Walks the chunks after
// the "ILBM" form type, takes the size from "BMHD" and decodes "BODY" rows of 24 bit planes
// (red planes 0-7, green 8-15, blue 16-23), uncompressed or ByteRun1, each plane row padded to
// a 16-bit word, a mask plane skipped. Other chunks, the colour map among them, are skipped.
class CIffDecoder : public CImgCodec {
 public:
  using CImgCodec::CImgCodec;

  // 0, or 4 unbound, 2 for malformed data or no picture, 8 for a plane count other than 24,
  // 3 for an unknown compression, 13 for a picture beyond the size limits, 6 when memory runs
  // out.
  int Decode();
};
