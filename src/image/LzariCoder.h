// LZARI: sliding-window matches coded with an adaptive arithmetic coder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "image/LzariArithmeticCoder.h"
#include "image/LzariMatchFinder.h"
#include "image/LzariSymbolModel.h"

// One compression or decompression. The stream carries no length: whoever stores it keeps
// the unpacked length beside it. Make a new coder (or reuse one) per call; the object is large
// (about 60 KB), so keep it off small stacks.
class CLzariCoder {
 public:
  // Compresses `input` into `output` (replacing its contents). False when the stream would
  // be longer than `limit` bytes; `output` then holds an unusable partial stream.
  bool Compress(std::span<const uint8_t> input, std::vector<uint8_t>& output, std::size_t limit);
  // Decompresses exactly output.size() bytes and never writes beyond them. False when the
  // stream runs out or is damaged; `output` then holds whatever was decoded.
  bool Decompress(std::span<const uint8_t> input, std::span<uint8_t> output);

 private:
  void EncodeValue(LzariArithmeticEncoder& encoder, int value);
  int DecodeValue(LzariArithmeticDecoder& decoder);
  // Codes the match or literal at `current` and answers how many bytes it covers.
  int EncodeNext(LzariArithmeticEncoder& encoder, int current, int lookahead);

  LzariMatchFinder m_finder;
  LzariSymbolModel m_symbols;
};
