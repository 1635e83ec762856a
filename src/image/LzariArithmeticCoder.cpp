// Interval narrowing, renormalisation and bit input/output of the LZARI arithmetic coder.
#include "image/LzariArithmeticCoder.h"

namespace {

// The interval [low, high) narrowed to [cumLow, cumHigh) of `total`.
void Narrow(uint32_t& low, uint32_t& high, uint32_t cumLow, uint32_t cumHigh, uint32_t total) {
  const uint64_t range = high - low;
  high = low + static_cast<uint32_t>(range * cumHigh / total);
  low += static_cast<uint32_t>(range * cumLow / total);
}

}  // namespace

void LzariArithmeticEncoder::PutBit(unsigned bit) {
  m_byte = (m_byte << 1) | bit;
  if (++m_bitsInByte < 8) return;
  if (m_out.size() < m_limit) {
    m_out.push_back(static_cast<uint8_t>(m_byte));
  } else {
    m_overflowed = true;
  }
  m_byte = 0;
  m_bitsInByte = 0;
}

void LzariArithmeticEncoder::Settle(unsigned bit) {
  PutBit(bit);
  for (; m_pending > 0; --m_pending) PutBit(bit ^ 1u);
}

void LzariArithmeticEncoder::Encode(uint32_t cumLow, uint32_t cumHigh, uint32_t total) {
  Narrow(m_low, m_high, cumLow, cumHigh, total);
  for (;;) {
    if (m_high <= kLzariHalf) {
      Settle(0);
    } else if (m_low >= kLzariHalf) {
      Settle(1);
      m_low -= kLzariHalf;
      m_high -= kLzariHalf;
    } else if (m_low >= kLzariQuarter && m_high <= kLzariThreeQuarters) {
      // The interval straddles the middle: the next bit is decided later.
      ++m_pending;
      m_low -= kLzariQuarter;
      m_high -= kLzariQuarter;
    } else {
      break;
    }
    m_low *= 2;
    m_high *= 2;
  }
}

void LzariArithmeticEncoder::Finish() {
  // The interval holds [low, high) with more than a quarter range; two bits (01 or 10)
  // followed by zeros name a value inside it.
  ++m_pending;
  Settle(m_low < kLzariQuarter ? 0 : 1);
  while (m_bitsInByte != 0) PutBit(0);
}

LzariArithmeticDecoder::LzariArithmeticDecoder(std::span<const uint8_t> in) : m_in(in) {
  for (int i = 0; i < kLzariRegisterBits; ++i) m_value = 2 * m_value + GetBit();
}

unsigned LzariArithmeticDecoder::GetBit() {
  const uint64_t index = m_bitPosition / 8;
  if (index >= m_in.size()) {
    ++m_bitsPastEnd;
    return 0;
  }
  const unsigned bit = (m_in[static_cast<std::size_t>(index)] >> (7 - m_bitPosition % 8)) & 1u;
  ++m_bitPosition;
  return bit;
}

uint32_t LzariArithmeticDecoder::Target(uint32_t total) const {
  const uint64_t range = m_high - m_low;
  return static_cast<uint32_t>((uint64_t{m_value - m_low + 1} * total - 1) / range);
}

void LzariArithmeticDecoder::Decode(uint32_t cumLow, uint32_t cumHigh, uint32_t total) {
  Narrow(m_low, m_high, cumLow, cumHigh, total);
  for (;;) {
    if (m_low >= kLzariHalf) {
      m_value -= kLzariHalf;
      m_low -= kLzariHalf;
      m_high -= kLzariHalf;
    } else if (m_low >= kLzariQuarter && m_high <= kLzariThreeQuarters) {
      m_value -= kLzariQuarter;
      m_low -= kLzariQuarter;
      m_high -= kLzariQuarter;
    } else if (m_high > kLzariHalf) {
      break;
    }
    m_low *= 2;
    m_high *= 2;
    m_value = 2 * m_value + GetBit();
  }
}
