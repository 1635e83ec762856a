// The LZARI compression and decompression loops over the window.
#include "image/LzariCoder.h"

#include <algorithm>
#include <array>

#include "image/LzariPositionModel.h"

namespace {

constexpr int kWindowMask = kLzariWindow - 1;

void EncodePosition(LzariArithmeticEncoder& encoder, int position) {
  const auto p = static_cast<std::size_t>(position);
  encoder.Encode(kLzariPositionCum[p + 1], kLzariPositionCum[p], kLzariPositionCum[0]);
}

int DecodePosition(LzariArithmeticDecoder& decoder) {
  const int position = FindLzariPosition(decoder.Target(kLzariPositionCum[0]));
  const auto p = static_cast<std::size_t>(position);
  decoder.Decode(kLzariPositionCum[p + 1], kLzariPositionCum[p], kLzariPositionCum[0]);
  return position;
}

}  // namespace

void CLzariCoder::EncodeValue(LzariArithmeticEncoder& encoder, int value) {
  const int rank = m_symbols.RankOf(value);
  encoder.Encode(m_symbols.Cum(rank), m_symbols.Cum(rank - 1), m_symbols.Total());
  m_symbols.Update(rank);
}

int CLzariCoder::DecodeValue(LzariArithmeticDecoder& decoder) {
  const int rank = m_symbols.FindRank(decoder.Target(m_symbols.Total()));
  decoder.Decode(m_symbols.Cum(rank), m_symbols.Cum(rank - 1), m_symbols.Total());
  const int value = m_symbols.ValueAt(rank);
  m_symbols.Update(rank);
  return value;
}

int CLzariCoder::EncodeNext(LzariArithmeticEncoder& encoder, int current, int lookahead) {
  // The window past the input's end holds stale bytes, so a match may not reach into them.
  const int length = std::min(m_finder.MatchLength(), lookahead);
  if (length <= kLzariThreshold) {
    EncodeValue(encoder, m_finder.At(current));
    return 1;
  }
  EncodeValue(encoder, kLzariMatchSymbolBase + length);
  EncodePosition(encoder, m_finder.MatchDistance() - 1);
  return length;
}

bool CLzariCoder::Compress(std::span<const uint8_t> input, std::vector<uint8_t>& output,
                           std::size_t limit) {
  output.clear();
  if (input.empty()) return true;
  LzariArithmeticEncoder encoder(output, limit);
  m_symbols.Reset();
  m_finder.Reset();
  std::size_t next = 0;
  int oldest = 0;
  int current = kLzariStart;
  int lookahead = 0;
  for (; lookahead < kLzariMaxMatch && next < input.size(); ++lookahead) {
    m_finder.Put(current + lookahead, input[next++]);
  }
  // The spaces before the start are matchable from the first byte on.
  for (int i = 1; i <= kLzariMaxMatch; ++i) m_finder.Insert(current - i);
  m_finder.Insert(current);
  while (lookahead > 0) {
    const int covered = EncodeNext(encoder, current, lookahead);
    if (encoder.Overflowed()) return false;
    for (int i = 0; i < covered; ++i) {
      m_finder.Remove(oldest);
      if (next < input.size()) {
        m_finder.Put(oldest, input[next++]);
      } else {
        --lookahead;
      }
      oldest = (oldest + 1) & kWindowMask;
      current = (current + 1) & kWindowMask;
      if (lookahead > 0) m_finder.Insert(current);
    }
  }
  encoder.Finish();
  return !encoder.Overflowed();
}

bool CLzariCoder::Decompress(std::span<const uint8_t> input, std::span<uint8_t> output) {
  if (output.empty()) return true;
  LzariArithmeticDecoder decoder(input);
  m_symbols.Reset();
  std::array<uint8_t, kLzariWindow> window;
  std::fill(window.begin(), window.begin() + kLzariStart, kLzariFill);
  std::fill(window.begin() + kLzariStart, window.end(), uint8_t{0});
  int current = kLzariStart;
  std::size_t count = 0;
  while (count < output.size()) {
    const int value = DecodeValue(decoder);
    int from = current;
    int length = 1;
    if (value > 255) {
      length = value - kLzariMatchSymbolBase;
      from = (current - DecodePosition(decoder) - 1) & kWindowMask;
    }
    if (decoder.Damaged()) return false;
    for (int k = 0; k < length && count < output.size(); ++k) {
      const uint8_t byte = value > 255 ? window[static_cast<std::size_t>((from + k) & kWindowMask)]
                                       : static_cast<uint8_t>(value);
      output[count++] = byte;
      window[static_cast<std::size_t>(current)] = byte;
      current = (current + 1) & kWindowMask;
    }
  }
  return true;
}
