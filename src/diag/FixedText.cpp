// Appending text and numbers to a fixed buffer.
#include "diag/FixedText.h"

FixedText::FixedText(char* buffer, std::size_t capacity)
    : buffer_(capacity > 0 ? buffer : nullptr), capacity_(buffer != nullptr ? capacity : 0) {
  if (buffer_ != nullptr) buffer_[0] = '\0';
}

FixedText& FixedText::Append(const char* text) {
  if (text == nullptr) return *this;
  while (*text != '\0') Put(*text++);
  return *this;
}

FixedText& FixedText::AppendHex(uint64_t value) {
  PutDigits(value, 16);
  return *this;
}

FixedText& FixedText::AppendDecimal(int64_t value) {
  // Negating in unsigned arithmetic also gives the magnitude of the most negative value.
  uint64_t magnitude = static_cast<uint64_t>(value);
  if (value < 0) {
    Put('-');
    magnitude = 0 - magnitude;
  }
  PutDigits(magnitude, 10);
  return *this;
}

void FixedText::Put(char c) {
  // One byte stays free for the terminating NUL.
  if (length_ + 1 >= capacity_) return;
  buffer_[length_++] = c;
  buffer_[length_] = '\0';
}

void FixedText::PutDigits(uint64_t value, unsigned base) {
  char digits[64];
  std::size_t count = 0;
  do {
    digits[count++] = "0123456789ABCDEF"[value % base];
    value /= base;
  } while (value != 0);
  while (count > 0) Put(digits[--count]);
}
