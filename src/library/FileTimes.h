// The creation time of a puzzle file, and keeping it across the program's own saves.
#pragma once

#include <cstdint>

// Files here have no creation time the pack loader could rely on, and a save that writes a new
// file and renames it over the old one would give the puzzle a new one anyway. So the puzzle's
// creation time is its file's modification time, and every save of the program puts the times
// the file had back: user puzzles keep their places in the newest-first order while played.
// Times are 100-nanosecond units since 1601, as the puzzle record keeps them (low and high word).

// A time of the file system (seconds and nanoseconds since 1970) in the record's units; 0 for
// times before 1601.
uint64_t FileTimeFromUnix(int64_t seconds, long nanoseconds);

// The access and modification times of a file, taken before it changes and put back after.
// Nothing is put back when nothing was taken.
class KeptFileTimes {
 public:
  bool Take(int fd);
  bool PutBack(int fd) const;

 private:
  bool taken_ = false;
  int64_t seconds_[2] = {0, 0};
  long nanoseconds_[2] = {0, 0};
};

inline uint32_t LowWord(uint64_t time) {
  return static_cast<uint32_t>(time);
}
inline uint32_t HighWord(uint64_t time) {
  return static_cast<uint32_t>(time >> 32);
}
inline uint64_t JoinWords(uint32_t low, uint32_t high) {
  return uint64_t{high} << 32 | low;
}
