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

// How the edge and inner pieces share the area: a square pitch and the pieces per row.
struct ApartLayout {
  int pitch = 0;
  int perRow = 0;
};

int RowsFor(int count, int perRow) {
  return (count + perRow - 1) / perRow;
}

// The widest pitch, from the image size plus a quarter cell of air down to one pixel, at which
// the edge rows, a gap row and the inner rows fit the area; none when even one pixel does not.
ApartLayout LayOutApart(const Rect& area, const Piece& sample, int edges, int inners) {
  for (int pitch = sample.imageWidth + sample.cellWidth / 4; pitch >= 1; --pitch) {
    const int perRow = area.Width() / pitch;
    if (perRow < 1) continue;
    const int gap = edges > 0 && inners > 0 ? 1 : 0;
    const int rows = RowsFor(edges, perRow) + gap + RowsFor(inners, perRow);
    if (rows * pitch <= area.Height()) return {pitch, perRow};
  }
  return {};
}

// Places the pieces in slots firstSlot, firstSlot + 1, ... of the layout in a random order,
// drawn as the grid arrangement draws its cells.
void PlaceInSlots(const std::vector<Piece*>& pieces, int firstSlot, const ApartLayout& layout,
                  const Rect& area) {
  const int n = static_cast<int>(pieces.size());
  std::vector<bool> taken(pieces.size(), false);
  for (Piece* piece : pieces) {
    int k = 0;
    do {
      k = NextRandom() % n;
    } while (taken[static_cast<std::size_t>(k)]);
    taken[static_cast<std::size_t>(k)] = true;
    const int slot = firstSlot + k;
    // The cell, not the image, sits on the pitch: when the pitch is below the image size the
    // tabs overlap but the cells still do not.
    const int inset = (layout.pitch - piece->imageWidth) / 2;
    Place(*piece, area.left + slot % layout.perRow * layout.pitch + inset,
          area.top + slot / layout.perRow * layout.pitch + inset);
  }
}

void ArrangeEdgesApart(PuzzleRecord& puzzle, const Rect& area) {
  std::vector<Piece*> edges, inners;
  for (const auto& group : puzzle.groups) {
    if (!IsLoose(*group) || group->box != 0) continue;
    Piece* piece = group->pieces.front();
    const bool edge = piece->col == 0 || piece->row == 0 || piece->col == puzzle.cols - 1 ||
                      piece->row == puzzle.rows - 1;
    (edge ? edges : inners).push_back(piece);
  }
  if (edges.empty() && inners.empty()) return;
  // Slots are drawn at random like the grid's cells; beyond the random range they could not be.
  if (edges.size() > kRandomMax + 1u || inners.size() > kRandomMax + 1u) return;
  const Piece& sample = edges.empty() ? *inners.front() : *edges.front();
  const ApartLayout layout =
      LayOutApart(area, sample, static_cast<int>(edges.size()), static_cast<int>(inners.size()));
  if (layout.pitch == 0) return;
  const int edgeRows = RowsFor(static_cast<int>(edges.size()), layout.perRow);
  const int innerRow = edgeRows + (edgeRows > 0 && !inners.empty() ? 1 : 0);
  PlaceInSlots(edges, 0, layout, area);
  PlaceInSlots(inners, innerRow * layout.perRow, layout, area);
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
  if (kind == ArrangeKind::EdgesApart) {
    ArrangeEdgesApart(puzzle, area);
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
