// Where the device-bitmap reader takes its bytes from: an open file or a block of memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>

// A seekable run of bytes. Every read either delivers all the bytes asked for or fails, so the
// reader never works on bytes that are not there.
class DibByteSource {
 public:
  virtual ~DibByteSource() = default;

  // Reads exactly `count` bytes at the current position; false when fewer remain.
  virtual bool Read(uint8_t* out, std::size_t count) = 0;
  // Moves to `position`; false (position unchanged) beyond the end.
  virtual bool Seek(uint64_t position) = 0;
  virtual uint64_t Tell() const = 0;
  virtual uint64_t Size() const = 0;

  uint64_t Remaining() const {
    const uint64_t at = Tell();
    const uint64_t size = Size();
    return at < size ? size - at : 0;
  }
};

// Bytes held by the caller, who keeps them alive while the source is used.
class DibMemorySource final : public DibByteSource {
 public:
  explicit DibMemorySource(std::span<const uint8_t> bytes) : m_bytes(bytes) {}

  bool Read(uint8_t* out, std::size_t count) override;
  bool Seek(uint64_t position) override;
  uint64_t Tell() const override { return m_position; }
  uint64_t Size() const override { return m_bytes.size(); }

 private:
  std::span<const uint8_t> m_bytes;
  uint64_t m_position = 0;
};

// An open file, read from its current position; the caller keeps it open and closes it. The
// size is taken once, when the source is made.
class DibFileSource final : public DibByteSource {
 public:
  explicit DibFileSource(std::FILE* file);

  bool Read(uint8_t* out, std::size_t count) override;
  bool Seek(uint64_t position) override;
  uint64_t Tell() const override;
  uint64_t Size() const override { return m_size; }

 private:
  std::FILE* m_file;
  uint64_t m_size = 0;
};
