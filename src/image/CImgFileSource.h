// Reading and writing whole files for the picture library.
#pragma once

#include <cstdint>
#include <memory>

class CImgFileSource {
 public:
  // Size in bytes of the file, 0 when it cannot be read.
  uint32_t GetSize(const char* path);
  // The whole file in a new buffer of GetSize(path) bytes; null on failure.
  std::unique_ptr<uint8_t[]> ReadFile(const char* path);
  // Creates or truncates the file and writes the bytes: true when the file cannot be written,
  // false on success.
  bool WriteFile(const char* path, const uint8_t* data, uint32_t size);
};
