// Little-endian integers in byte buffers: the only way puzzle files read and write numbers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Reads fields one after another from a byte span. A read past the end answers 0 and marks the
// reader failed, so a parser checks Ok() once after a run of reads instead of after each one.
class LittleEndianReader {
 public:
  explicit LittleEndianReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  uint8_t U8() { return static_cast<uint8_t>(Take(1)); }
  uint16_t U16() { return static_cast<uint16_t>(Take(2)); }
  uint32_t U32() { return static_cast<uint32_t>(Take(4)); }
  int32_t I32() { return static_cast<int32_t>(U32()); }
  // Copies the next n bytes to `out`; zeros and failure when fewer remain.
  void Bytes(uint8_t* out, std::size_t n);

  bool Ok() const { return ok_; }
  std::size_t Remaining() const { return bytes_.size() - position_; }

 private:
  uint64_t Take(std::size_t n);

  std::span<const uint8_t> bytes_;
  std::size_t position_ = 0;
  bool ok_ = true;
};

// Appends fields to a byte vector.
class LittleEndianWriter {
 public:
  explicit LittleEndianWriter(std::vector<uint8_t>& out) : out_(out) {}

  void U8(uint8_t v) { out_.push_back(v); }
  void U16(uint16_t v) { Put(v, 2); }
  void U32(uint32_t v) { Put(v, 4); }
  void I32(int32_t v) { Put(static_cast<uint32_t>(v), 4); }
  void Bytes(std::span<const uint8_t> bytes) {
    out_.insert(out_.end(), bytes.begin(), bytes.end());
  }

 private:
  void Put(uint32_t v, int n) {
    for (int i = 0; i < n; ++i) out_.push_back(static_cast<uint8_t>(v >> (8 * i)));
  }

  std::vector<uint8_t>& out_;
};
