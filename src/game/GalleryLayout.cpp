// The gallery's geometry: areas, cells, scroll ranges and scroll steps.
#include "game/GalleryLayout.h"

#include <algorithm>

namespace {

constexpr int kCellTopOffset = 50;  // first row and the pack strip start this far down
constexpr int kColumnSlack = 90;
constexpr int kColumnPitchMin = 190;

struct ScrollSteps {
  int line;
  int page;
};

constexpr ScrollSteps StepsOf(GalleryBar bar) {
  return bar == GalleryBar::Puzzles ? ScrollSteps{23, kPuzzleRowPitch}
                                    : ScrollSteps{15, kPackPitch};
}

int Limited(int position, int max) {
  return std::max(0, std::min(position, max));
}

}  // namespace

GalleryLayout LayOutGallery(const Rect& client, int scrollBarExtent) {
  GalleryLayout layout;
  layout.client = client;
  layout.packsBar = {client.left, kGalleryStripHeight - scrollBarExtent, client.right,
                     kGalleryStripHeight};
  layout.packsArea = {client.left, 0, client.right, layout.packsBar.top};
  layout.sidePanel = {0, kGalleryStripHeight, kSidePanelWidth, client.bottom};
  layout.puzzlesBar = {client.right - scrollBarExtent, kGalleryStripHeight, client.right,
                       client.bottom};
  layout.puzzlesArea = {kSidePanelWidth - 2, kGalleryStripHeight, layout.puzzlesBar.left,
                        client.bottom};
  // An area too narrow for two margins and a cell still shows its puzzles in one column.
  const int width = layout.puzzlesArea.Width();
  layout.columns = std::max(1, (width - kColumnSlack) / kColumnPitchMin);
  layout.pitch = width / layout.columns;
  layout.margin = (layout.pitch - kGalleryCellSize) / 2;
  return layout;
}

Rect PuzzleCell(const GalleryLayout& layout, int index, int scroll) {
  const int left =
      layout.puzzlesArea.left + (index % layout.columns) * layout.pitch + layout.margin;
  const int top =
      layout.puzzlesArea.top + (index / layout.columns) * kPuzzleRowPitch + kCellTopOffset - scroll;
  return Rect::FromSize(left, top, kGalleryCellSize, kGalleryCellSize);
}

Rect PackCell(int index, int scroll) {
  return Rect::FromSize(kPackPitch * index - scroll + kCellTopOffset, kCellTopOffset,
                        kGalleryCellSize, kGalleryCellSize);
}

int PuzzleScrollMax(const GalleryLayout& layout, int puzzleCount) {
  const int rows = (puzzleCount + layout.columns - 1) / layout.columns;
  return rows * kPuzzleRowPitch - layout.puzzlesArea.Height() + kCellTopOffset;
}

int PackScrollMax(const GalleryLayout& layout, int packCount) {
  return packCount * kPackPitch - layout.packsArea.Width() + kCellTopOffset;
}

std::optional<int> ScrolledPosition(GalleryBar bar, const ScrollBarState& state, ScrollCode code,
                                    int trackPosition) {
  const ScrollSteps steps = StepsOf(bar);
  switch (code) {
    case ScrollCode::LineUp:
      return Limited(state.position - steps.line, state.max);
    case ScrollCode::LineDown:
      return Limited(state.position + steps.line, state.max);
    case ScrollCode::PageUp:
      return Limited(state.position - steps.page, state.max);
    case ScrollCode::PageDown:
      return Limited(state.position + steps.page, state.max);
    case ScrollCode::ThumbTrack:
      return Limited(trackPosition, state.max);
    case ScrollCode::Other:
      break;
  }
  return std::nullopt;
}
