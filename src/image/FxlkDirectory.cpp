// Building and walking the archive directory, and normalising member names.
#include "image/FxlkDirectory.h"

#include <cstring>
#include <utility>

#include "image/FxlkEndian.h"

std::string NormaliseFxlkName(std::string_view name) {
  std::string normal(name);
  for (char& c : normal) {
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    } else if (c == '/') {
      c = '\\';
    }
  }
  return normal;
}

std::vector<uint8_t> BuildFxlkDirectory(const std::vector<FxlkMember>& members) {
  std::vector<uint8_t> directory;
  for (const FxlkMember& member : members) {
    directory.insert(directory.end(), member.name.begin(), member.name.end());
    directory.push_back(0);
    AppendFxlkU32(directory, member.unpackedLength);
    AppendFxlkU32(directory, member.storedLength);
  }
  return directory;
}

std::vector<FxlkMember> ParseFxlkDirectory(std::span<const uint8_t> directory) {
  std::vector<FxlkMember> members;
  std::size_t at = 0;
  while (at < directory.size()) {
    const void* end = std::memchr(directory.data() + at, 0, directory.size() - at);
    if (!end) break;
    const auto nameLength =
        static_cast<std::size_t>(static_cast<const uint8_t*>(end) - (directory.data() + at));
    FxlkMember member;
    const std::size_t lengths = at + nameLength + 1;
    if (!ReadFxlkU32(directory, lengths, member.unpackedLength) ||
        !ReadFxlkU32(directory, lengths + 4, member.storedLength)) {
      break;
    }
    member.name = NormaliseFxlkName(
        std::string_view(reinterpret_cast<const char*>(directory.data() + at), nameLength));
    members.push_back(std::move(member));
    at = lengths + 8;
  }
  return members;
}
