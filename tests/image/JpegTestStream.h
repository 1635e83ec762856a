// JPEG files built byte by byte for the tests, in variants the JPEG tools cannot make.
#pragma once

#include <cstdint>
#include <vector>

// What MakeFlatBlockJpeg builds. Every 8x8 block of every component is one flat level (only
// its DC coefficient is coded, quantiser 1, no subsampling), from a pattern over the blocks.
struct FlatBlockJpeg {
  uint16_t width = 16;
  uint16_t height = 16;
  int components = 3;
  // -1: no Adobe marker; otherwise the marker's colour transform (0 none, 1 YCbCr, 2 YCCK),
  // which makes four components CMYK (0) or YCCK (2).
  int adobeTransform = -1;
  // Progressive files carry `scans` DC scans, each coding the same levels again.
  bool progressive = false;
  int scans = 1;
  int precision = 8;
  // -1: whole scans. Otherwise the file ends after this many zero bytes of the first scan's
  // data, so headers of huge pictures cost nothing to make.
  int scanBytes = -1;
};

std::vector<uint8_t> MakeFlatBlockJpeg(const FlatBlockJpeg& layout);
