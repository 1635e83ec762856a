// Archive members, their names and the directory that lists them.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Limits that keep a damaged archive from asking for absurd amounts of memory: a member of up
// to 256 MiB holds any picture the library decodes, a directory of 16 MiB far more names
// than anyone packs.
inline constexpr uint32_t kFxlkMaxMemberLength = 256u << 20;
inline constexpr uint32_t kFxlkMaxDirectoryLength = 16u << 20;

// One member: its normalised name, its lengths and, while an archive is being written, its
// stored bytes.
struct FxlkMember {
  std::string name;
  uint32_t unpackedLength = 0;
  uint32_t storedLength = 0;
  std::vector<uint8_t> stored;
};

// Names are compared lower-cased (ASCII letters only) with every '/' turned into '\'.
std::string NormaliseFxlkName(std::string_view name);

// The bytes a member's record takes in the directory: its name, a zero byte, two u32.
inline uint32_t FxlkRecordLength(std::string_view name) {
  return static_cast<uint32_t>(name.size()) + 9;
}

// The directory: per member its name, a zero byte, the unpacked and the stored length.
std::vector<uint8_t> BuildFxlkDirectory(const std::vector<FxlkMember>& members);
// The members listed in `directory`, names normalised. The walk stops at the end of the
// bytes; a last record cut short (name without its zero byte, or lengths missing) is dropped.
std::vector<FxlkMember> ParseFxlkDirectory(std::span<const uint8_t> directory);
