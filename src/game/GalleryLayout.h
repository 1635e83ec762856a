// The gallery's geometry: the pack strip, the puzzle grid, the side panel and the scroll bars,
// with the cells that painting and the hit tests share.
#pragma once

#include <optional>

#include "surface/Rect.h"

inline constexpr int kGalleryStripHeight = 220;  // the pack strip with its scroll bar
inline constexpr int kSidePanelWidth = 110;
inline constexpr int kGalleryCellSize = 100;
inline constexpr int kPuzzleRowPitch = 230;
inline constexpr int kPackPitch = 150;
inline constexpr int kSelectionFrameGap = 10;  // the yellow frame lies this far around a cell

enum class GalleryBar { Packs, Puzzles };  // the horizontal and the vertical scroll bar

enum class ScrollCode { LineUp, LineDown, PageUp, PageDown, ThumbTrack, Other };

// A scroll bar as the game keeps it; the shell's bar mirrors it. The position stays in 0..max.
struct ScrollBarState {
  bool enabled = true;
  int max = 1000;
  int position = 0;
  bool operator==(const ScrollBarState&) const = default;
};

// Made once from the view's client rectangle and the scroll bars' thickness.
struct GalleryLayout {
  Rect client;
  Rect packsBar;     // horizontal, along the bottom of the strip (0, 0)..(client width, 220)
  Rect packsArea;    // the strip above the horizontal bar
  Rect sidePanel;    // at (0, 220), 110 wide, down to the client's bottom
  Rect puzzlesBar;   // vertical, along the right edge below the strip
  Rect puzzlesArea;  // from the side panel's right edge - 2 to the vertical bar
  int columns = 1;   // (area width - 90) / 190, at least 1
  int pitch = 0;     // area width / columns
  int margin = 0;    // (pitch - 100) / 2
};

GalleryLayout LayOutGallery(const Rect& client, int scrollBarExtent);

// The 100 x 100 cell of puzzle `index` of the current pack at vertical scroll `scroll`, and of
// pack `index` at horizontal scroll `scroll`.
Rect PuzzleCell(const GalleryLayout& layout, int index, int scroll);
Rect PackCell(int index, int scroll);

// The scroll range maximum for a pack of `puzzleCount` puzzles and for `packCount` packs; a
// maximum of 0 or less disables the bar.
int PuzzleScrollMax(const GalleryLayout& layout, int puzzleCount);
int PackScrollMax(const GalleryLayout& layout, int packCount);

// The position after a scroll code: line and page steps of the bar (23 and 230 for the
// puzzles, 15 and 150 for the packs) limited to 0..max; the track position for ThumbTrack;
// none for codes the bar ignores.
std::optional<int> ScrolledPosition(GalleryBar bar, const ScrollBarState& state, ScrollCode code,
                                    int trackPosition);
