// Bounds-checked little-endian reads.
#include "library/LittleEndian.h"

#include <algorithm>
#include <cstring>

uint64_t LittleEndianReader::Take(std::size_t n) {
  if (!ok_ || Remaining() < n) {
    ok_ = false;
    position_ = bytes_.size();
    return 0;
  }
  uint64_t v = 0;
  for (std::size_t i = 0; i < n; ++i) v |= uint64_t{bytes_[position_ + i]} << (8 * i);
  position_ += n;
  return v;
}

void LittleEndianReader::Bytes(uint8_t* out, std::size_t n) {
  if (!ok_ || Remaining() < n) {
    ok_ = false;
    position_ = bytes_.size();
    std::fill_n(out, n, uint8_t{0});
    return;
  }
  if (n > 0) std::memcpy(out, bytes_.data() + position_, n);
  position_ += n;
}
