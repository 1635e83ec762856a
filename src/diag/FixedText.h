// Text built into a caller's fixed buffer, safe to use inside a signal handler.
#pragma once

#include <cstddef>
#include <cstdint>

// Appends texts and numbers to a buffer of `capacity` bytes without allocating, without stdio
// and without the locale. The text stays NUL-terminated; what does not fit is cut off. A zero
// capacity or null buffer takes nothing.
class FixedText {
 public:
  FixedText(char* buffer, std::size_t capacity);

  FixedText& Append(const char* text);
  // Upper-case hexadecimal digits without leading zeros, as "%lX" writes them.
  FixedText& AppendHex(uint64_t value);
  // Signed decimal, as "%d" writes a value of the full width.
  FixedText& AppendDecimal(int64_t value);

  std::size_t Length() const { return length_; }

 private:
  void Put(char c);
  void PutDigits(uint64_t value, unsigned base);

  char* buffer_;
  std::size_t capacity_;
  std::size_t length_ = 0;
};
