// The cutting phases that make the pieces and cut their outlines with the edge masks.
#include "puzzle/PieceCutting.h"

#include <algorithm>
#include <span>

#include "puzzle/PieceGrid.h"
#include "puzzle/PieceOutline.h"
#include "puzzle/PieceShadow.h"
#include "puzzle/RandomSequence.h"
#include "surface/Blit.h"

namespace {

// What every phase of one cut reads.
struct CutJob {
  CutContext& context;
  const Surface& picture;
  CutGrid grid;
  int pieceSize;
  int overlap;
  int maskSet;
  bool rotationOn;
};

// A tab on a side that a draw from the random sequence decides: 1 for about half the draws.
uint8_t DrawTab() {
  return NextRandom() % 1000 > 499 ? 0 : 1;
}

// The cell grown by the margin on every side that has a neighbour, so that the cell itself
// always lands at (margin, margin) and a border side keeps a transparent strip.
void CopyCell(const CutJob& job, Piece& piece) {
  const int margin = job.overlap / 2;
  const int s = job.pieceSize;
  const int c = piece.col, r = piece.row;
  Rect source = Rect::FromSize(job.grid.marginX + c * s, job.grid.marginY + r * s, s, s);
  if (c > 0) source.left -= margin;
  if (r > 0) source.top -= margin;
  if (c < job.grid.cols - 1) source.right += margin;
  if (r < job.grid.rows - 1) source.bottom += margin;
  BltFast(*piece.imageMaster[0], c == 0 ? margin : 0, r == 0 ? margin : 0, job.picture, source);
}

std::unique_ptr<Piece> MakePiece(const CutJob& job, int c, int r, const Piece* left,
                                 const Piece* upper) {
  const int side = job.pieceSize + job.overlap;
  auto piece = std::make_unique<Piece>();
  piece->id = c + r * job.grid.cols;
  piece->col = c;
  piece->row = r;
  piece->cellWidth = piece->cellHeight = job.pieceSize;
  piece->imageWidth = piece->imageHeight = side;
  piece->halfCellWidth = piece->halfCellHeight = job.pieceSize / 2;
  piece->x = c * job.pieceSize;
  piece->y = r * job.pieceSize;
  // The draws of one piece come in this order: rotation, right tab, bottom tab.
  piece->rotation = job.rotationOn ? NextRandom() % 4 : 0;
  piece->tabLeft = left ? static_cast<uint8_t>(1 - left->tabRight) : 0;
  piece->tabRight = DrawTab();
  piece->tabTop = upper ? static_cast<uint8_t>(1 - upper->tabBottom) : 0;
  piece->tabBottom = DrawTab();
  piece->imageMaster[0] = CreateOffscreenSurface(job.context.service, side, side, true);
  // A new surface is all 0: the image starts out transparent, keyed black.
  if (piece->imageMaster[0]) {
    piece->imageMaster[0]->SetColourKey(0);
    CopyCell(job, *piece);
  }
  return piece;
}

// Phase 1: the pieces, rows from the top, each row from the left; one step per row.
void MakePieces(const CutJob& job, std::vector<std::unique_ptr<Piece>>& pieces) {
  const std::size_t first = pieces.size();
  for (int r = 0; r < job.grid.rows; ++r) {
    for (int c = 0; c < job.grid.cols; ++c) {
      const Piece* left = c > 0 ? pieces.back().get() : nullptr;
      const Piece* upper =
          r > 0 ? pieces[first + static_cast<std::size_t>((r - 1) * job.grid.cols + c)].get()
                : nullptr;
      auto piece = MakePiece(job, c, r, left, upper);
      pieces.push_back(std::move(piece));
    }
    job.context.progress.StepIt();
  }
}

void ApplyMask(const CutJob& job, Surface& image, int side, int tab, int x, int y) {
  if (job.maskSet < 0 || job.maskSet >= kMaskSetCount) return;
  const auto number = EdgeMaskNumber(job.maskSet, EdgeMaskKindFor(side, tab));
  const Surface* mask = job.context.edgeMasks[static_cast<std::size_t>(number)].get();
  // A missing mask leaves the side with the picture of its whole band.
  if (mask) BltFast(image, x, y, *mask, mask->Bounds(), BlitKey::Source);
}

// Phase 2: the masks of the inner sides, keyed white, cut the outline; one step per row.
void CutOutlines(const CutJob& job, std::span<const std::unique_ptr<Piece>> pieces) {
  enum Side { kTop = 0, kRight = 1, kBottom = 2, kLeft = 3 };
  for (int r = 0; r < job.grid.rows; ++r) {
    for (int c = 0; c < job.grid.cols; ++c) {
      Piece& piece = *pieces[static_cast<std::size_t>(r * job.grid.cols + c)];
      Surface* image = piece.imageMaster[0].get();
      if (!image) continue;
      if (c > 0) ApplyMask(job, *image, kLeft, piece.tabLeft, 0, 0);
      if (c < job.grid.cols - 1) ApplyMask(job, *image, kRight, piece.tabRight, job.pieceSize, 0);
      if (r > 0) ApplyMask(job, *image, kTop, piece.tabTop, 0, 0);
      if (r < job.grid.rows - 1) {
        ApplyMask(job, *image, kBottom, piece.tabBottom, 0, job.pieceSize);
      }
    }
    job.context.progress.StepIt();
  }
}

// A little more than the outline pixels a piece of a cell of pieceSize has on average: its four
// sides, longer by the tabs, come to about 5 x pieceSize. A cut with more takes the rest of its
// overlays from the heap.
std::size_t OutlineEstimate(int pieceSize) {
  return static_cast<std::size_t>(std::max(pieceSize, 0)) * 6;
}

}  // namespace

std::unique_ptr<SurfaceReservation> ReservePieceImages(SurfaceService& service, std::size_t images,
                                                       int side, std::size_t outline) {
  if (images == 0 || side <= 0) return nullptr;
  const std::size_t each = service.ReservedBytes(side, side) + SurfaceService::ReservedCopyBytes();
  return service.Reserve(2 * images * each + images * EdgeOverlay::ReservedBytes(0) +
                         EdgeOverlay::ReservedBytes(outline));
}

int CutPicture(CutContext& context, const Surface& picture, int pieceSize, int overlap, int maskSet,
               bool rotationOn, std::vector<std::unique_ptr<Piece>>& pieces) {
  const CutGrid grid =
      overlap >= 0 ? PlanCutGrid(picture.Width(), picture.Height(), pieceSize) : CutGrid{};
  context.gridCols = static_cast<uint16_t>(grid.cols);
  context.gridRows = static_cast<uint16_t>(grid.rows);
  context.progress.SetRange(0, CutProgressRange(grid, rotationOn));
  context.progress.SetStep(1);

  const CutJob job{context, picture, grid, pieceSize, overlap, maskSet, rotationOn};
  const std::size_t count =
      static_cast<std::size_t>(grid.cols) * static_cast<std::size_t>(grid.rows);
  const auto reservation = ReservePieceImages(context.service, count, pieceSize + overlap,
                                              count * OutlineEstimate(pieceSize));
  const std::size_t first = pieces.size();
  MakePieces(job, pieces);
  const std::span<const std::unique_ptr<Piece>> made(pieces.begin() + static_cast<long>(first),
                                                     pieces.end());
  CutOutlines(job, made);
  MakeShadowMasks(context.service, made, context.progress);
  MakeOutlines(context.service, made, context.progress);
  return grid.cols * grid.rows;
}
