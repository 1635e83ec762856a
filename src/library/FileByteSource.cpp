// Reading a puzzle file at offsets with pread.
#include "library/FileByteSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "library/FileTimes.h"

FileByteSource::~FileByteSource() {
  if (fd_ >= 0) close(fd_);
}

FileStatus FileByteSource::Open(const std::string& path) {
  fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) return FileStatus::Failed("cannot open " + path + ": " + std::strerror(errno));
  struct stat info {};
  if (fstat(fd_, &info) != 0)
    return FileStatus::Failed("cannot read " + path + ": " + std::strerror(errno));
  if (!S_ISREG(info.st_mode)) return FileStatus::Failed(path + " is not a regular file");
  length_ = static_cast<uint64_t>(info.st_size);
  modified_ = FileTimeFromUnix(info.st_mtim.tv_sec, info.st_mtim.tv_nsec);
  return FileStatus::Done();
}

bool FileByteSource::ReadAt(uint64_t offset, std::span<uint8_t> out) {
  if (fd_ < 0 || offset > length_ || out.size() > length_ - offset) return false;
  std::size_t done = 0;
  while (done < out.size()) {
    const ssize_t n =
        pread(fd_, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}
