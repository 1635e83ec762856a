// Decoder for 24-bit uncompressed BMP files.
#pragma once

#include "image/CImgCodec.h"

// Turns the BMP file bytes of the bound image into its 32-bit pixels. Reads the 12-byte core
// header and the 40-byte (and longer) info headers, bottom-up and top-down rows; only 24 bits a
// pixel without compression is decoded. Like the other decoders it sets the size and a new pixel
// buffer before it rejects a variant, so the pixels mean nothing after a non-zero answer.
class CBmpDecoder : public CImgCodec {
 public:
  using CImgCodec::CImgCodec;

  // 0, or 4 unbound, 2 for short or malformed data, 3 for another bit count or compression,
  // 13 for a picture beyond the size limits, 6 when memory for the pixels runs out.
  int Decode();
};
