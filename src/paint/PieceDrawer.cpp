// Drawing pieces and shadows with their outlines.
#include "paint/PieceDrawer.h"

#include "puzzle/PieceSizeChoice.h"
#include "surface/Blit.h"
#include "surface/ClipBlit.h"

PieceDrawer::PieceDrawer(PaintResources& resources, const SurfaceLock& target,
                         const PuzzleRecord& puzzle)
    : resources_(resources),
      back_(*resources.backSurface),
      target_(target),
      puzzle_(puzzle),
      keyedRow_(KeyedRowCopyFor(back_.Format().BytesPerPixel())) {}

void PieceDrawer::DrawGroup(const PieceGroup& group, const Rect& clip) {
  for (const Piece* piece : group.pieces) DrawOne(group, *piece, clip, 0, false);
}

void PieceDrawer::DrawGroupShadow(const PieceGroup& group, const Rect& clip, int offset) {
  for (const Piece* piece : group.pieces) DrawOne(group, *piece, clip, offset, true);
}

void PieceDrawer::DrawOne(const PieceGroup& group, const Piece& piece, const Rect& clip, int offset,
                          bool shadow) {
  const int r = piece.rotation;
  if (r < 0 || r >= kRotationCount) return;
  Rect source{0, 0, piece.imageWidth, piece.imageHeight};
  int x = piece.x + offset;
  int y = piece.y + offset;
  ClipBlit(source, x, y, clip);
  if (source.IsEmpty()) return;
  const std::size_t i = static_cast<std::size_t>(r);
  const Surface* mask = shadow ? piece.shadow[i].get() : piece.image[i].get();
  if (mask != nullptr) CopyKeyed(*mask, source, x, y);

  const EdgeOverlay& overlay = piece.edgeOverlay[i];
  const EdgeRoutine routine = shadow ? resources_.routines.shadowEdge : resources_.routines.edge;
  if (!overlay.IsPresent() || routine == nullptr) return;
  // An overlay that does not match the image size is drawn only where it has words.
  const Rect within = source.Intersected({0, 0, overlay.Width(), overlay.Height()});
  if (within.IsEmpty()) return;
  const EdgeSpan span{within, x + within.left - source.left, y + within.top - source.top,
                      OpenSidesOf(group, piece)};
  routine(overlay, span, target_, back_.Format());
}

void PieceDrawer::CopyKeyed(const Surface& mask, const Rect& source, int x, int y) {
  if (resources_.method == PaintMethod::Plain) {
    if (!BltFast(back_, x, y, mask, source, BlitKey::Source))
      status_ = status_ | FailureOf(back_, &mask);
    return;
  }
  // The clip lies within the frame, so only the mask is checked here.
  const PixelFormatInfo& format = back_.Format();
  if (!mask.ColourKey() || !(mask.Format() == format) || !mask.Bounds().Contains(source)) return;
  const ConstSurfaceLock from = mask.Lock();
  if (!from) {
    status_ = status_ | FailureOf(back_, &mask);
    return;
  }
  const int bytes = format.BytesPerPixel();
  const uint32_t key = *mask.ColourKey() & format.colourMask;
  for (int row = 0; row < source.Height(); ++row) {
    keyedRow_(target_.Row(y + row) + x * bytes, from.Row(source.top + row) + source.left * bytes,
              source.Width(), format.colourMask, key);
  }
}

uint32_t PieceDrawer::OpenSidesOf(const PieceGroup& group, const Piece& piece) {
  if (group.pieces.size() < 2) return kAllSidesOpen;
  if (resources_.method == PaintMethod::Plain) return OpenSides(group, piece);
  if (indexed_ != &group) {
    indexed_ = resources_.openSides.Mark(group, puzzle_.cols, puzzle_.rows) ? &group : nullptr;
  }
  return indexed_ == &group ? resources_.openSides.Of(piece) : OpenSides(group, piece);
}

int ShadowOffset(int sizeChoice) {
  if (sizeChoice < 0 || sizeChoice >= kPieceSizeChoiceCount) return 0;
  return 1 + kPieceSizeChoices[static_cast<std::size_t>(sizeChoice)].maskSet;
}
