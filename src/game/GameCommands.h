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
  kExitCommand = 57665,  // handled by the shell: the frame closes
};

inline constexpr int kEscapeKey = 27;
