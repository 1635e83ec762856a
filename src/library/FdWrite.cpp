// write and pwrite loops.
#include "library/FdWrite.h"

#include <unistd.h>

#include <cerrno>

namespace {

// `put` writes from a position of the range and answers what write would.
template <typename Put>
bool WriteLoop(std::span<const uint8_t> bytes, Put put) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = put(done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
  return WriteLoop(
      bytes, [&](std::size_t done) { return write(fd, bytes.data() + done, bytes.size() - done); });
}

bool WriteAllAt(int fd, std::span<const uint8_t> bytes, uint64_t offset) {
  return WriteLoop(bytes, [&](std::size_t done) {
    return pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
  });
}
