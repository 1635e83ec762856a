// Puzzle names: the initial text, dots and width, the characters and the taken names.
#include "library/PuzzleNames.h"

#include <algorithm>
#include <filesystem>

#include "library/PuzzlePaths.h"

namespace {

// Removes the last character of UTF-8 text, with all of its continuation bytes.
void DropLastCharacter(std::string& text) {
  while (!text.empty()) {
    const auto byte = static_cast<unsigned char>(text.back());
    text.pop_back();
    if ((byte & 0xC0) != 0x80) return;
  }
}

bool CannotNameFile(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F ||
         std::string_view("/\\:*?\"<>|").find(c) != std::string::npos;
}

}  // namespace

std::string InitialPuzzleName(std::string_view source) {
  const std::size_t slash = source.rfind('/');
  const std::string_view name = slash == std::string_view::npos ? source : source.substr(slash + 1);
  return std::string(name.substr(0, name.rfind('.')));
}

NameCheck CheckPuzzleName(std::string_view typed, const NameMeasure& measure,
                          const std::string& packDir) {
  NameCheck check;
  std::remove_copy(typed.begin(), typed.end(), std::back_inserter(check.name), '.');
  while (!check.name.empty() && measure && measure(check.name) >= kMaxPuzzleNameWidth)
    DropLastCharacter(check.name);
  if (check.name.find_first_not_of(' ') == std::string::npos) {
    check.refusal = kNameEmptyText;
  } else if (std::any_of(check.name.begin(), check.name.end(), CannotNameFile)) {
    check.refusal = kNameCharactersText;
  } else {
    std::error_code error;
    if (std::filesystem::exists(
            std::filesystem::symlink_status(PuzzlePathIn(packDir, check.name), error)))
      check.refusal = kNameTakenText;
  }
  return check;
}
