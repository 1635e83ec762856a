// Writing the numbered bitmaps' BMP bytes as a C++ source for the assets library.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct EmbeddedFile {
  int id;
  std::vector<uint8_t> bytes;
};

// Writes the arrays and the table behind EmbeddedBitmapTable() to `path`, replacing the file
// only when its contents change (so the library is not rebuilt for nothing). False on failure.
bool WriteEmbeddedSource(const std::string& path, const std::vector<EmbeddedFile>& files);
