// Random-access reading of an archive's bytes, from a file or from memory.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

// The bytes of an open archive. Reads outside Size() fail instead of returning short.
class FxlkInput {
 public:
  virtual ~FxlkInput() = default;
  virtual uint64_t Size() const = 0;
  // Fills `out` with the bytes from `offset` on; false when they are not all there.
  virtual bool Read(uint64_t offset, std::span<uint8_t> out) = 0;
};

// The file opened for binary reading, or null when it cannot be opened.
std::unique_ptr<FxlkInput> OpenFxlkFileInput(const char* path);
// A copy of `bytes`.
std::unique_ptr<FxlkInput> MakeFxlkMemoryInput(std::span<const uint8_t> bytes);
