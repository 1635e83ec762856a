// Fuzz target: opening an FXLK archive from arbitrary bytes and reading every member.
#include <cstddef>
#include <cstdint>
#include <span>

#include "image/FxlkArchive.h"

namespace {

// Members beyond this are skipped only to keep each run quick; the archive reads up to
// kFxlkMaxMemberLength.
constexpr uint32_t kLargestMemberRead = 1u << 20;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CFxlkArchive archive;
  if (archive.OpenForReading(std::span(data, size)) != FXLK_OK) return 0;
  for (const FxlkMember& member : archive.Members()) {
    // A name read twice gives the first member of that name, with its size.
    const uint32_t length = archive.MemberSize(member.name.c_str());
    if (length > kLargestMemberRead) continue;
    const auto bytes = archive.ReadMember(member.name.c_str());
    if (!bytes) continue;
    // Every byte is read, so a buffer shorter than the member's length is caught.
    volatile uint8_t sum = 0;
    for (uint32_t i = 0; i < length; ++i) sum = sum + bytes[i];
  }
  return 0;
}
