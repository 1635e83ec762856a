// Fuzz target: LZARI decompression of arbitrary streams, and round trips of arbitrary data.
// Input: a u16 little-endian output length (its low 13 bits: enough to wrap the window twice,
// few enough to keep runs quick), then the stream. The whole input also goes through
// compression and back, which must give it unchanged.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <vector>

#include "image/LzariCoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const auto coder = std::make_unique<CLzariCoder>();
  const std::size_t length = (data[0] | static_cast<std::size_t>(data[1]) << 8) & 0x1FFF;
  // An exact-sized heap buffer, so the address checker sees any write past the length.
  const std::unique_ptr<uint8_t[]> out(new uint8_t[length]);
  coder->Decompress(std::span(data + 2, size - 2), std::span(out.get(), length));

  std::vector<uint8_t> packed;
  if (!coder->Compress(std::span(data, size), packed, SIZE_MAX)) __builtin_trap();
  const std::unique_ptr<uint8_t[]> back(new uint8_t[size]);
  if (!coder->Decompress(packed, std::span(back.get(), size))) __builtin_trap();
  if (std::memcmp(back.get(), data, size) != 0) __builtin_trap();
  return 0;
}
