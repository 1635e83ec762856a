// Splitting puzzle paths into folder, name and extension.
#include "library/PuzzlePaths.h"

#include <algorithm>
#include <cctype>

std::string FolderOf(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return ".";
  return slash == 0 ? std::string("/") : std::string(path.substr(0, slash));
}

std::string_view FileNameOf(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string PuzzleNameOf(std::string_view path) {
  const std::string_view name = FileNameOf(path);
  return std::string(name.substr(0, name.rfind('.')));
}

std::string ExtensionOf(std::string_view path) {
  const std::string_view name = FileNameOf(path);
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot + 1));
}

bool IsPuzzleFileName(std::string_view fileName) {
  const std::size_t dot = fileName.rfind('.');
  if (dot == std::string_view::npos) return false;
  const std::string_view extension = fileName.substr(dot + 1);
  return std::equal(
      extension.begin(), extension.end(), kPuzzleExtension.begin(), kPuzzleExtension.end(),
      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

std::string PuzzlePathIn(const std::string& folder, const std::string& name) {
  return folder + "/" + name + "." + std::string(kPuzzleExtension);
}
