// The rules of a puzzle's name: the name dialog's first text and what it accepts.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// The widest name the gallery shows under a puzzle, in its name font.
inline constexpr int kMaxPuzzleNameWidth = 190;

inline constexpr const char* kNameTakenText =
    "A puzzle with this name already exist.\nPlease choose another name.";
inline constexpr const char* kNameEmptyText = "Please enter a name for the puzzle.";
inline constexpr const char* kNameCharactersText =
    "A puzzle name cannot contain any of these characters:\n/ \\ : * ? \" < > |";

// The name dialog's first text for a picture path or a puzzle name: the part after the last
// '/' and before the last '.' that follows it.
std::string InitialPuzzleName(std::string_view source);

// The width of a text in the name font, in pixels.
using NameMeasure = std::function<int(std::string_view)>;

// What the name dialog makes of a typed name: the accepted name, or the message that refuses it
// (the dialog then stays open).
struct NameCheck {
  std::string name;
  std::string refusal;
  bool Accepted() const { return refusal.empty(); }
};

// The name dialog's OK: every '.' removed, then characters taken from the end while the name
// measures kMaxPuzzleNameWidth or more. Refused: a name left empty or of spaces only, one holding
// a character a puzzle file's name cannot carry here or on the other common file systems
// (control characters and / \ : * ? " < > |), and a name whose file "<packDir>/<name>.qvx"
// exists (so renaming a puzzle to its own name is refused too).
NameCheck CheckPuzzleName(std::string_view typed, const NameMeasure& measure,
                          const std::string& packDir);
