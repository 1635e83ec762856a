// The numbers of the commands the game handles.
#pragma once

enum GameCommand : int {
  kPlayCommand = 32821,
  kScatterCommand = 32823,
  kGhostCommand = 32827,
  kThumbnailCommand = 32828,
  kBackCommand = 32829,
  kArrangeGridCommand = 32843,
  kArrangeEdgeCommand = 32844,
  kArrangeRandomCommand = 32845,
  kOptionsCommand = 32849,
  kPauseCommand = 32852,
};

inline constexpr int kEscapeKey = 27;
