// Random access to the bytes of a puzzle file, from disk or from memory.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>

// The reader asks for exact ranges only; a range that is not wholly inside the source fails.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual uint64_t Length() const = 0;
  // Fills `out` from `offset`; false when the range leaves the source or the read fails.
  virtual bool ReadAt(uint64_t offset, std::span<uint8_t> out) = 0;
};

// Bytes already in memory (the fuzz target and tests read files this way).
class MemoryByteSource : public ByteSource {
 public:
  explicit MemoryByteSource(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  uint64_t Length() const override { return bytes_.size(); }
  bool ReadAt(uint64_t offset, std::span<uint8_t> out) override {
    if (offset > bytes_.size() || out.size() > bytes_.size() - offset) return false;
    if (!out.empty()) std::memcpy(out.data(), bytes_.data() + offset, out.size());
    return true;
  }

 private:
  std::span<const uint8_t> bytes_;
};
