// The numbers of the commands the game handles.
#pragma once

enum GameCommand : int {
  kPlayCommand = 32821,
  kCreateCommand = 32822,
  kScatterCommand = 32823,
  kModifyCommand = 32824,
  kAboutCommand = 32825,
  kGhostCommand = 32827,
  kThumbnailCommand = 32828,
  kBackCommand = 32829,
  kArrangeGridCommand = 32843,
  kArrangeEdgeCommand = 32844,
  kArrangeRandomCommand = 32845,
  kRenameCommand = 32846,
  kOptionsCommand = 32849,
  kPauseCommand = 32852,
  kRemoveCommand = 32853,
  // Beyond the original menus: the fourth Arrange item and the play menu's last two items.
  kEdgesApartCommand = 32861,
  kUndoCommand = 32862,
  kRedoCommand = 32863,
  kExitCommand = 57665,  // handled by the shell: the frame closes
};

inline constexpr int kEscapeKey = 27;
// Letter keys by their capital letter, as the virtual keys number them.
inline constexpr int kYKey = 'Y';
inline constexpr int kZKey = 'Z';

// The modifier keys held with a key.
enum KeyModifier : int {
  kNoModifier = 0,
  kControlModifier = 1,
  kShiftModifier = 2,
};
