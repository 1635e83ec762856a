// The gallery's handlers: repainting with recovery, the scroll bars, the wheel and the clicks.
#include <algorithm>
#include <cstdlib>

#include "game/GalleryPainter.h"
#include "game/Game.h"
#include "paint/SurfaceRestore.h"
#include "surface/Blit.h"

namespace {

// The first item whose 100 x 100 cell, as last painted, holds the point (right and bottom
// edges excluded; a cover larger than its cell is still hit only within the cell).
template <typename Items>
auto ItemAt(const Items& items, ClientPoint point) {
  decltype(items.front().get()) found = nullptr;
  for (const auto& item : items) {
    const Rect cell =
        Rect::FromSize(item->cellLeft, item->cellTop, kGalleryCellSize, kGalleryCellSize);
    if (cell.Contains(point.x, point.y)) {
      found = item.get();
      break;
    }
  }
  return found;
}

// A bar with the new maximum: disabled (at 0) when there is nothing to scroll, otherwise
// enabled with its position kept within the range.
ScrollBarState WithMax(const ScrollBarState& bar, int max) {
  if (max <= 0) return {false, 0, 0};
  return {true, max, std::min(bar.position, max)};
}

}  // namespace

void Game::RedrawGallery(const Rect& rect) {
  Surface& back = *resources_.backSurface;
  Rect painted = rect.Intersected(gallery_.client);
  const GalleryScene scene{back,
                           resources_.backgroundTile.get(),
                           setup_.text,
                           gallery_,
                           library_,
                           packsBar_.position,
                           puzzlesBar_.position};
  if (PaintGallery(scene, painted) == PaintStatus::SurfaceLost) {
    const PaintContext context{service_, bitmaps_, setup_.background,
                               host_.CurrentDisplayMode().bitsPerPixel};
    if (RestoreSurfaces(resources_, context, state_, nullptr) == RestoreResult::DepthChanged) {
      host_.Quit();
      return;
    }
    RestorePackDisplayCopies(service_, library_);
    // Everything shown may be undefined now; a loss found by this paint waits for the next.
    painted = gallery_.client;
    PaintGallery(scene, painted);
  }
  if (!painted.IsEmpty()) host_.Present(back, painted);
}

void Game::UpdatePuzzleScrollRange() {
  const PuzzlePack* pack = library_.currentPack;
  const int count = pack != nullptr ? static_cast<int>(pack->puzzles.size()) : 0;
  puzzlesBar_ = WithMax(puzzlesBar_, PuzzleScrollMax(gallery_, count));
  host_.SetScrollBar(GalleryBar::Puzzles, puzzlesBar_);
}

void Game::UpdatePackScrollRange() {
  packsBar_ = WithMax(packsBar_, PackScrollMax(gallery_, static_cast<int>(library_.packs.size())));
  host_.SetScrollBar(GalleryBar::Packs, packsBar_);
}

void Game::Scroll(GalleryBar bar, ScrollCode code, int trackPosition) {
  if (state_.mode != ViewMode::Gallery) return;
  ScrollBarState& state = bar == GalleryBar::Packs ? packsBar_ : puzzlesBar_;
  if (!state.enabled) return;
  const std::optional<int> position = ScrolledPosition(bar, state, code, trackPosition);
  if (!position) return;
  const int before = state.position;
  const bool moved = *position != before;
  if (moved) {
    state.position = *position;
    host_.SetScrollBar(bar, state);
  }
  // A line or page step repaints even at the end of the range; a drag of the thumb only when
  // it moved the view.
  if (moved && bar == GalleryBar::Puzzles) {
    ScrollPuzzleGrid(before - state.position);
  } else if (moved || code != ScrollCode::ThumbTrack) {
    RedrawRect(bar == GalleryBar::Packs ? gallery_.packsArea : gallery_.puzzlesArea);
  }
}

// The grid's composed pixels move with the scroll, so only the band that scrolled in and the
// title (drawn over the grid, so moved with it) are painted again: the same pixels a whole
// repaint gives, for a fraction of the text drawing.
void Game::ScrollPuzzleGrid(int dy) {
  const Rect area = gallery_.puzzlesArea;
  constexpr int kTitleBand = 40;  // the title's 30-pixel line and its shadow
  if (std::abs(dy) > area.Height() / 2 || !ShiftRows(*resources_.backSurface, area, dy)) {
    RedrawRect(area);
    return;
  }
  host_.ScrollPresented(area, dy);
  if (dy > 0) {  // the band that came in at the top lies under the title's band
    RedrawRect({area.left, area.top, area.right, area.top + kTitleBand + dy});
    return;
  }
  RedrawRect({area.left, area.bottom + dy, area.right, area.bottom});
  RedrawRect({area.left, area.top, area.right, area.top + kTitleBand});
}

void Game::Wheel(ClientPoint at, int lines) {
  if (state_.mode != ViewMode::Gallery || lines == 0) return;
  GalleryBar bar;
  if (gallery_.packsArea.Contains(at.x, at.y)) {
    bar = GalleryBar::Packs;
  } else if (gallery_.puzzlesArea.Contains(at.x, at.y)) {
    bar = GalleryBar::Puzzles;
  } else {
    return;
  }
  const ScrollCode code = lines > 0 ? ScrollCode::LineUp : ScrollCode::LineDown;
  for (int step = 0; step < std::abs(lines); ++step) Scroll(bar, code);
}

void Game::GalleryLeftButtonDown(ClientPoint point) {
  if (gallery_.packsArea.Contains(point.x, point.y)) {
    if (PuzzlePack* pack = ItemAt(library_.packs, point)) {
      SelectPack(service_, library_, pack);
      puzzlesBar_.position = 0;
      UpdatePuzzleScrollRange();
      RedrawRect(gallery_.packsArea);
      RedrawRect(gallery_.puzzlesArea);
    }
  }
  if (gallery_.puzzlesArea.Contains(point.x, point.y) && library_.currentPack != nullptr) {
    if (PuzzleRecord* puzzle = ItemAt(library_.currentPack->puzzles, point)) {
      library_.currentPack->currentPuzzle = puzzle;
      RedrawRect(gallery_.puzzlesArea);
    }
  }
}
