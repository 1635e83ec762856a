// The numbered bitmaps built into the program, as BMP file bytes drawn at build time.
#pragma once

#include <cstddef>
#include <span>

struct EmbeddedBitmapEntry {
  int id;
  std::span<const unsigned char> bytes;  // a whole BMP file
};

// Every embedded bitmap in increasing id order. Defined by the source that artgen generates.
std::span<const EmbeddedBitmapEntry> EmbeddedBitmapTable();
