// Case-insensitive comparison of UTF-8 names.
#include "library/NameOrder.h"

#include <cstdint>

namespace {

// A byte that does not start or continue a valid character; sorts after every character.
constexpr char32_t kStrayByteBase = 0x110000;

// Decodes the character at `at` and moves past it.
char32_t NextCharacter(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<uint8_t>(text[at]);
  int length = 0;
  char32_t c = 0;
  if (lead < 0x80) {
    ++at;
    return lead;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, c = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, c = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, c = lead & 0x07;
  }
  if (length == 0 || text.size() - at < static_cast<std::size_t>(length)) {
    ++at;
    return kStrayByteBase + lead;
  }
  for (int i = 1; i < length; ++i) {
    const auto next = static_cast<uint8_t>(text[at + static_cast<std::size_t>(i)]);
    if ((next & 0xC0) != 0x80) {
      ++at;
      return kStrayByteBase + lead;
    }
    c = (c << 6) | (next & 0x3F);
  }
  at += static_cast<std::size_t>(length);
  return c;
}

// The lower-case letter of an upper-case one in the alphabets names are mostly written in.
char32_t Folded(char32_t c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  if (c == 0x178) return 0xFF;
  // Latin Extended-A pairs each capital with the small letter after it.
  const bool evenCapital =
      (c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
  const bool oddCapital = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
  if ((evenCapital && c % 2 == 0) || (oddCapital && c % 2 == 1)) return c + 1;
  if ((c >= 0x391 && c <= 0x3A9 && c != 0x3A2) || (c >= 0x410 && c <= 0x42F)) return c + 0x20;
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  return c;
}

}  // namespace

int CompareNamesIgnoringCase(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    const char32_t x = Folded(NextCharacter(a, i));
    const char32_t y = Folded(NextCharacter(b, j));
    if (x != y) return x < y ? -1 : 1;
  }
  if (i < a.size()) return 1;
  return j < b.size() ? -1 : 0;
}
