// Drawing pieces, and the dragged group's shadow, into the composed frame against a clip.
#pragma once

#include "paint/ClippedCopy.h"
#include "paint/PaintResources.h"
#include "puzzle/Piece.h"
#include "puzzle/PieceGroup.h"
#include "puzzle/PuzzleRecord.h"
#include "surface/KeyedRowCopy.h"
#include "surface/Rect.h"
#include "surface/Surface.h"

// One paint's piece drawing. A piece is its image copied keyed black, then its outline overlay
// run over the same clipped rectangle with the piece's open sides; a shadow is the shadow mask
// copied keyed white, then the shadow outline. The open sides of a group are found once per
// paint. Made for one paint; `target` is the lock of the present back surface.
class PieceDrawer {
 public:
  PieceDrawer(PaintResources& resources, const SurfaceLock& target, const PuzzleRecord& puzzle);

  // Every piece of the group in the group's order.
  void DrawGroup(const PieceGroup& group, const Rect& clip);
  // Every piece's shadow, `offset` pixels right of and below the piece.
  void DrawGroupShadow(const PieceGroup& group, const Rect& clip, int offset);

  PaintStatus Status() const { return status_; }

 private:
  // The piece's image, or with `shadow` its shadow mask, `offset` pixels right of and below
  // the piece's place.
  void DrawOne(const PieceGroup& group, const Piece& piece, const Rect& clip, int offset,
               bool shadow);
  // The keyed copy of an image or shadow to (x, y): through BltFast for the plain method, else
  // row by row into the locked frame, without BltFast's per-call checks of the frame.
  void CopyKeyed(const Surface& mask, const Rect& source, int x, int y);
  uint32_t OpenSidesOf(const PieceGroup& group, const Piece& piece);

  PaintResources& resources_;
  Surface& back_;
  const SurfaceLock& target_;
  const PuzzleRecord& puzzle_;
  const KeyedRowCopy keyedRow_;
  const PieceGroup* indexed_ = nullptr;  // the group marked in the open-sides index
  PaintStatus status_ = PaintStatus::Done;
};

// The dragged group's shadow offset for a size choice: 1 + its mask set (8 for the largest
// pieces, 1 for the smallest); 0 for a choice out of range, which has no shadow.
int ShadowOffset(int sizeChoice);
