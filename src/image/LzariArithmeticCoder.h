// The 17-bit arithmetic encoder and decoder under LZARI, with their bit streams.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "image/LzariParameters.h"

// Narrows its interval to one symbol's share of the counts at a time and writes the settled
// bits, most significant bit of each byte first. Output beyond `limit` bytes is not written;
// Overflowed() then answers true and the stream is incomplete.
class LzariArithmeticEncoder {
 public:
  LzariArithmeticEncoder(std::vector<uint8_t>& out, std::size_t limit)
      : m_out(out), m_limit(limit) {}

  // Codes the symbol owning counts [cumLow, cumHigh) of `total`.
  void Encode(uint32_t cumLow, uint32_t cumHigh, uint32_t total);
  // Writes the bits that select a value inside the final interval and pads the last byte.
  void Finish();
  bool Overflowed() const { return m_overflowed; }

 private:
  void PutBit(unsigned bit);
  // Writes `bit` and then the pending opposite bits of earlier straddling steps.
  void Settle(unsigned bit);

  std::vector<uint8_t>& m_out;
  std::size_t m_limit;
  bool m_overflowed = false;
  uint32_t m_low = 0;
  uint32_t m_high = kLzariTop;
  uint32_t m_pending = 0;
  unsigned m_byte = 0;
  int m_bitsInByte = 0;
};

// Mirrors LzariArithmeticEncoder. Bits beyond the input read as 0; a whole stream never
// takes the decoder more than 15 bits past its end, so once it has gone further the stream
// is known to be cut short or damaged and Damaged() answers true.
class LzariArithmeticDecoder {
 public:
  explicit LzariArithmeticDecoder(std::span<const uint8_t> in);

  // The count in [0, total) that tells which symbol comes next.
  uint32_t Target(uint32_t total) const;
  // Consumes the symbol owning counts [cumLow, cumHigh) of `total`.
  void Decode(uint32_t cumLow, uint32_t cumHigh, uint32_t total);
  bool Damaged() const { return m_bitsPastEnd > kMaxBitsPastEnd; }

 private:
  static constexpr uint64_t kMaxBitsPastEnd = 15;

  unsigned GetBit();

  std::span<const uint8_t> m_in;
  uint64_t m_bitPosition = 0;
  uint64_t m_bitsPastEnd = 0;
  uint32_t m_low = 0;
  uint32_t m_high = kLzariTop;
  uint32_t m_value = 0;
};
