// The bytes of a wave file as the parser reads them: from a file or from memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Sequential reading that always knows how many bytes are left, so the parser can check every
// chunk size against the file before it allocates or skips.
class WaveSource {
 public:
  virtual ~WaveSource() = default;
  virtual uint64_t Remaining() const = 0;
  // Reads exactly `size` bytes; false when fewer are left or the read fails.
  virtual bool Read(void* out, std::size_t size) = 0;
  // Moves on by `size` bytes; false when fewer are left.
  virtual bool Skip(uint64_t size) = 0;
};

class MemoryWaveSource final : public WaveSource {
 public:
  explicit MemoryWaveSource(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  uint64_t Remaining() const override { return bytes_.size() - position_; }
  bool Read(void* out, std::size_t size) override;
  bool Skip(uint64_t size) override;

 private:
  std::span<const uint8_t> bytes_;
  std::size_t position_ = 0;
};

// A file opened for binary reading; its length is taken once, at opening.
class FileWaveSource final : public WaveSource {
 public:
  explicit FileWaveSource(const char* path);
  ~FileWaveSource() override;
  FileWaveSource(const FileWaveSource&) = delete;
  FileWaveSource& operator=(const FileWaveSource&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  uint64_t Remaining() const override { return length_ - position_; }
  bool Read(void* out, std::size_t size) override;
  bool Skip(uint64_t size) override;

 private:
  int fd_ = -1;
  uint64_t length_ = 0;
  uint64_t position_ = 0;
};
