// A puzzle file opened for reading, as a ByteSource.
#pragma once

#include <cstdint>
#include <string>

#include "library/ByteSource.h"
#include "library/FileStatus.h"

// Holds the file open from Open() to destruction; length and modification time are taken once
// at opening. Reads at offsets, so nothing of the file is read that is not asked for.
class FileByteSource : public ByteSource {
 public:
  FileByteSource() = default;
  ~FileByteSource() override;
  FileByteSource(const FileByteSource&) = delete;
  FileByteSource& operator=(const FileByteSource&) = delete;

  FileStatus Open(const std::string& path);

  uint64_t Length() const override { return length_; }
  bool ReadAt(uint64_t offset, std::span<uint8_t> out) override;

  // The modification time in 100-nanosecond units since 1601 (the puzzle's creation time,
  // see FileTimes.h).
  uint64_t ModifiedTime() const { return modified_; }
  int Descriptor() const { return fd_; }

 private:
  int fd_ = -1;
  uint64_t length_ = 0;
  uint64_t modified_ = 0;
};
