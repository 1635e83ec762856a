// Little-endian 32-bit integers in archive bytes, read with bounds checks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The u32 at `offset`; false (and `value` unchanged) when fewer than 4 bytes are left there.
inline bool ReadFxlkU32(std::span<const uint8_t> bytes, std::size_t offset, uint32_t& value) {
  if (offset > bytes.size() || bytes.size() - offset < 4) return false;
  value = uint32_t{bytes[offset]} | uint32_t{bytes[offset + 1]} << 8 |
          uint32_t{bytes[offset + 2]} << 16 | uint32_t{bytes[offset + 3]} << 24;
  return true;
}

inline void AppendFxlkU32(std::vector<uint8_t>& bytes, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(value >> shift));
}
