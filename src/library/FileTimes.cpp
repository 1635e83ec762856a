// File times in the record's units, and keeping them through fstat and futimens.
#include "library/FileTimes.h"

#include <sys/stat.h>

namespace {

// Seconds from 1601-01-01 to 1970-01-01.
constexpr uint64_t kEpochDifference = 11644473600ull;

}  // namespace

uint64_t FileTimeFromUnix(int64_t seconds, long nanoseconds) {
  if (seconds < -static_cast<int64_t>(kEpochDifference)) return 0;
  const auto since1601 = static_cast<uint64_t>(seconds + static_cast<int64_t>(kEpochDifference));
  return since1601 * 10000000ull + static_cast<uint64_t>(nanoseconds) / 100;
}

bool KeptFileTimes::Take(int fd) {
  struct stat info {};
  if (fstat(fd, &info) != 0) return false;
  seconds_[0] = info.st_atim.tv_sec;
  nanoseconds_[0] = info.st_atim.tv_nsec;
  seconds_[1] = info.st_mtim.tv_sec;
  nanoseconds_[1] = info.st_mtim.tv_nsec;
  taken_ = true;
  return true;
}

bool KeptFileTimes::PutBack(int fd) const {
  if (!taken_) return false;
  timespec times[2] = {};
  for (int i = 0; i < 2; ++i) {
    times[i].tv_sec = static_cast<time_t>(seconds_[i]);
    times[i].tv_nsec = nanoseconds_[i];
  }
  return futimens(fd, times) == 0;
}
