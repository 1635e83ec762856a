// Reading wave bytes from memory and from files.
#include "sound/WaveSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

bool MemoryWaveSource::Read(void* out, std::size_t size) {
  if (size > Remaining()) return false;
  if (size > 0) std::memcpy(out, bytes_.data() + position_, size);
  position_ += size;
  return true;
}

bool MemoryWaveSource::Skip(uint64_t size) {
  if (size > Remaining()) return false;
  position_ += static_cast<std::size_t>(size);
  return true;
}

FileWaveSource::FileWaveSource(const char* path) {
  fd_ = ::open(path, O_RDONLY | O_CLOEXEC);
  struct stat status {};
  // Only a regular file has a length to check chunk sizes against.
  if (fd_ >= 0 && (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode))) {
    ::close(fd_);
    fd_ = -1;
  }
  if (fd_ >= 0) length_ = static_cast<uint64_t>(status.st_size);
}

FileWaveSource::~FileWaveSource() {
  if (fd_ >= 0) ::close(fd_);
}

bool FileWaveSource::Read(void* out, std::size_t size) {
  if (fd_ < 0 || size > Remaining()) return false;
  auto* next = static_cast<char*>(out);
  std::size_t left = size;
  while (left > 0) {
    const ssize_t got = ::read(fd_, next, left);
    if (got < 0 && errno == EINTR) continue;
    // The file shrank under us: what is left is no longer known.
    if (got <= 0) {
      length_ = position_;
      return false;
    }
    next += got;
    left -= static_cast<std::size_t>(got);
    position_ += static_cast<uint64_t>(got);
  }
  return true;
}

bool FileWaveSource::Skip(uint64_t size) {
  if (fd_ < 0 || size > Remaining()) return false;
  if (::lseek(fd_, static_cast<off_t>(position_ + size), SEEK_SET) < 0) return false;
  position_ += size;
  return true;
}
