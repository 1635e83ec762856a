// The gallery's dialogs answered in advance: what tests and the scripted tool give the game.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "game/PuzzleDialogs.h"

// Each dialog takes the next answer of its own queue; a dialog opened with none left is
// cancelled, as is one whose answer is none. Every opening and every refusal is recorded as a
// line of text, in order, for the caller to print or compare.
class AnsweredDialogs {
 public:
  // An options answer whose choice is kPresetChoice keeps the choice the dialog starts with.
  static constexpr int kPresetChoice = -1;

  std::optional<std::string> ChoosePicture(const std::string& folder, const std::string& selected);
  // An answer that picks a choice the dialog does not offer is an error (recorded in Errors)
  // and cancels the dialog.
  std::optional<PuzzleOptions> RunOptionsDialog(const OptionsRequest& request);
  // A refused name is recorded with its refusal; the dialog then takes the next name answer,
  // as a player types another name into the open dialog.
  std::optional<std::string> RunNameDialog(const std::string& initial, const NameRule& rule);
  void RunAboutDialog() { record_.push_back("about"); }

  std::deque<std::optional<std::string>> pictures;
  std::deque<std::optional<PuzzleOptions>> options;
  std::deque<std::optional<std::string>> names;

  // The lines recorded since the last call, and the errors.
  std::vector<std::string> TakeRecord();
  std::vector<std::string> TakeErrors();
  // Drops every answer not asked for.
  void ClearAnswers();

 private:
  std::vector<std::string> record_;
  std::vector<std::string> errors_;
};
