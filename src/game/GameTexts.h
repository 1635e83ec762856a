// The texts the game shows in its message boxes and message window.
#pragma once

#include <string>

inline constexpr const char* kLoadingText = "Loading...";
inline constexpr const char* kPauseText = "Pause";
inline constexpr const char* kSavingText = "Saving...";
inline constexpr const char* kOtherResolutionText =
    "This puzzle was created in a different screen resolution.\nTry to Modify or Scatter it.";
inline constexpr const char* kScatterQuestion = "Scatter this Puzzle?";
inline constexpr const char* kCompletedQuestion = "This puzzle is completed.\nScatter it?";
inline constexpr const char* kPictureLoadError =
    "Error loading graphics file.\nFile compression is not supported.";
inline constexpr const char* kGameNotSaved = "The game could not be saved.\n";
inline constexpr const char* kNoPacksText =
    "No puzzle packs were found: the gallery is empty.\nPuzzle packs are the folders under ";
inline constexpr const char* kPictureTooSmallText =
    "Unable to create a puzzle.\nThe picture is too small.";
inline constexpr const char* kRenameElsewhereText = "You can only rename user-created puzzles.";
inline constexpr const char* kRemoveElsewhereText = "You can only remove user-created puzzles.";
inline constexpr const char* kPuzzleNotMadeText = "The puzzle could not be made.\n";
inline constexpr const char* kPuzzleNotRenamedText = "The puzzle could not be renamed.\n";
inline constexpr const char* kPuzzleNotRemovedText = "The puzzle could not be removed.\n";
// Remove's question, with the puzzle's name in its place.
inline std::string RemoveQuestion(const std::string& name) {
  return "Remove \"" + name + "\" puzzle?";
}
