// The three arrangements of the loose pieces.
#include "play/Arranging.h"

#include <cmath>
#include <vector>

#include "puzzle/RandomSequence.h"

namespace {

constexpr int kAreaInset = 32;

bool IsLoose(const PieceGroup& group) {
  return group.pieces.size() == 1;
}

void Place(Piece& piece, int x, int y) {
  piece.x = piece.prevX = x;
  piece.y = piece.prevY = y;
}

// Cells over the whole area, each used at most once, chosen at random.
void ArrangeInGrid(PuzzleRecord& puzzle, const Rect& area) {
  int n = 0;
  for (const auto& group : puzzle.groups) n += IsLoose(*group);
  // Cells beyond the random range could never be drawn; a puzzle file cannot hold so many.
  if (n == 0 || n > kRandomMax + 1) return;
  const int columns = static_cast<int>(std::sqrt(static_cast<double>(4 * n / 3)));
  const int rows = n / columns + (n % columns != 0 ? 1 : 0);
  std::vector<bool> taken(static_cast<std::size_t>(n), false);
  for (const auto& group : puzzle.groups) {
    if (!IsLoose(*group) || group->box != 0) continue;
    int k = 0;
    do {
      k = NextRandom() % n;
    } while (taken[static_cast<std::size_t>(k)]);
    taken[static_cast<std::size_t>(k)] = true;
    Place(*group->pieces.front(), area.Width() / columns * (k % columns) + area.left,
          k / columns * (area.Height() / rows) + area.top);
  }
}

// A band less than half a cell deep along one of the four edges, the top and left edges drawn
// more often. Each range must be positive: a piece that does not fit keeps its place.
void ArrangeAtEdge(Piece& piece, const Rect& area) {
  const int w = piece.cellWidth, h = piece.cellHeight;
  const int iw = piece.imageWidth, ih = piece.imageHeight;
  const int h2 = h / 2;
  const int e = NextRandom() % 1120;
  const int r1 = NextRandom();
  const int r2 = NextRandom();
  const int across = area.Width() - 3 * w;
  const int down = area.Height() - ih;
  if (h2 <= 0) return;
  int x = 0, y = 0;
  if (e < 320 || (e >= 560 && e < 800)) {
    if (across <= 0) return;
    x = w + r2 % across;
    y = e < 320 ? r1 % h2 : area.Height() - r1 % h2 - (iw - w) - h;
  } else {
    if (down <= 0) return;
    y = r1 % down;
    x = e < 560 ? area.Width() - r2 % h2 - (iw - w) - h : r2 % h2;
  }
  Place(piece, x + area.left, y + area.top);
}

// Anywhere in the area, the whole image inside it.
void ArrangeAtRandom(Piece& piece, const Rect& area) {
  const int r1 = NextRandom();
  const int r2 = NextRandom();
  const int down = area.Height() - piece.imageHeight;
  const int across = area.Width() - piece.imageWidth;
  if (down <= 0 || across <= 0) return;
  Place(piece, r2 % across + area.left, r1 % down + area.top);
}

}  // namespace

Rect ArrangeArea(const Rect& playArea) {
  return {playArea.left + kAreaInset, playArea.top + kAreaInset, playArea.right - kAreaInset,
          playArea.bottom - kAreaInset};
}

void ArrangePieces(PuzzleRecord& puzzle, const Rect& playArea, ArrangeKind kind) {
  const Rect area = ArrangeArea(playArea);
  if (kind == ArrangeKind::Grid) {
    ArrangeInGrid(puzzle, area);
    return;
  }
  for (const auto& group : puzzle.groups) {
    if (!IsLoose(*group) || group->box != 0) continue;
    if (kind == ArrangeKind::RandomAtEdge) {
      ArrangeAtEdge(*group->pieces.front(), area);
    } else {
      ArrangeAtRandom(*group->pieces.front(), area);
    }
  }
}

void ArrangeCommand(const PlayState& state, PuzzleRecord& puzzle, ArrangeKind kind,
                    PlayEffects& effects) {
  ArrangePieces(puzzle, state.playArea, kind);
  effects.Repaint(state.playArea);
}
