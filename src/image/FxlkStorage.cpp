// Packing and unpacking member bytes.
#include "image/FxlkStorage.h"

#include <algorithm>
#include <new>

#include "image/LzariCoder.h"

void ScrambleFxlkBytes(std::span<uint8_t> bytes) {
  for (uint8_t& b : bytes) b ^= kFxlkScrambleByte;
}

std::vector<uint8_t> PackFxlkMember(std::span<const uint8_t> data) {
  std::vector<uint8_t> stored;
  if (!data.empty()) {
    const std::unique_ptr<CLzariCoder> coder(new (std::nothrow) CLzariCoder);
    // Only a stream shorter than the data is worth keeping.
    if (coder && coder->Compress(data, stored, data.size() - 1)) return stored;
  }
  stored.assign(data.begin(), data.end());
  ScrambleFxlkBytes(stored);
  return stored;
}

std::unique_ptr<uint8_t[]> UnpackFxlkMember(std::span<const uint8_t> stored,
                                            uint32_t unpackedLength) {
  if (stored.size() > unpackedLength) return nullptr;
  std::unique_ptr<uint8_t[]> data(new (std::nothrow) uint8_t[unpackedLength]);
  if (!data) return nullptr;
  const std::span<uint8_t> out(data.get(), unpackedLength);
  if (stored.size() == unpackedLength) {
    std::copy(stored.begin(), stored.end(), out.begin());
    ScrambleFxlkBytes(out);
    return data;
  }
  const std::unique_ptr<CLzariCoder> coder(new (std::nothrow) CLzariCoder);
  if (!coder || !coder->Decompress(stored, out)) return nullptr;
  return data;
}
