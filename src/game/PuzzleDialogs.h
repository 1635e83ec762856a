// The gallery's dialogs as the game asks them: the picture chooser, the Puzzle options and name
// dialogs, and the About dialog. The shell shows them; tests and the tool answer in advance.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "library/PuzzleNames.h"
#include "surface/Rect.h"

// The player's options for a puzzle: the piece-count choice (0..7) and the two check boxes.
struct PuzzleOptions {
  int choice = 0;
  bool rotation = false;
  bool blackAndWhite = false;
  bool operator==(const PuzzleOptions&) const = default;
};

// What the options dialog shows: the picture's size, the play area its choices are counted on
// (ChoiceLabels), and the options it starts from. The game opens it only when at least one
// choice is offered, with `preset.choice` moved on to an offered one.
struct OptionsRequest {
  int pictureWidth = 0;
  int pictureHeight = 0;
  Rect playArea;
  PuzzleOptions preset;
};

// Checks a typed name when the player presses OK in the name dialog (CheckPuzzleName on the
// right pack); a refused name keeps the dialog open with the refusal shown.
using NameRule = std::function<NameCheck(const std::string& typed)>;

class PuzzleDialogs {
 public:
  virtual ~PuzzleDialogs() = default;
  // The picture chooser opened in `folder`, with `selected` (a picture that failed, or "")
  // selected; the chosen file's path, or none when cancelled.
  virtual std::optional<std::string> ChoosePicture(const std::string& folder,
                                                   const std::string& selected) = 0;
  // The Puzzle options dialog; none when cancelled. OK is possible only with an offered choice.
  virtual std::optional<PuzzleOptions> RunOptionsDialog(const OptionsRequest& request) = 0;
  // The name dialog starting with `initial`; the accepted name (as the rule gave it back), or
  // none when cancelled.
  virtual std::optional<std::string> RunNameDialog(const std::string& initial,
                                                   const NameRule& rule) = 0;
  virtual void RunAboutDialog() = 0;
};
