// Names and paths of puzzle files and pack folders.
#pragma once

#include <string>
#include <string_view>

inline constexpr std::string_view kPuzzleExtension = "qvx";
inline constexpr std::string_view kPuzzlesFolder = "Puzzles";
inline constexpr std::string_view kUserPackName = "User";
inline constexpr std::string_view kPackCoverName = "Thumb.jpg";

// The folder of `path`: the text before its last '/' ("/" for a file in the root, "." for a
// name without a folder).
std::string FolderOf(std::string_view path);
// The file name of `path` (after its last '/').
std::string_view FileNameOf(std::string_view path);
// The puzzle's display name: the file name up to its last '.' (the whole name without one).
std::string PuzzleNameOf(std::string_view path);
// The text after the last '.' of the file name; empty without one.
std::string ExtensionOf(std::string_view path);
// Whether the file name ends in ".qvx", compared without regard to case.
bool IsPuzzleFileName(std::string_view fileName);
// "<folder>/<name>.qvx".
std::string PuzzlePathIn(const std::string& folder, const std::string& name);
