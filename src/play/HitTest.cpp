// The pixel-exact hit test.
#include "play/HitTest.h"

#include "surface/PixelAccess.h"

bool IsOpaqueAt(const Surface& image, int x, int y) {
  if (!image.Bounds().Contains(x, y)) return false;
  const PixelFormatInfo& format = image.Format();
  const int bytes = format.BytesPerPixel();
  if (bytes < 2 || bytes > 4) return true;
  const ConstSurfaceLock lock = image.Lock();
  if (!lock) return false;
  const uint8_t* pixel = lock.Row(y) + x * bytes;
  switch (bytes) {
    case 2:
      return (Pixel16::Read(pixel) & format.colourMask) != 0;
    case 3:
      return Pixel24::Read(pixel) != 0;
    default:
      return Pixel32::Read(pixel) != 0;
  }
}

namespace {

bool PieceHit(const Piece& piece, ClientPoint point) {
  const Rect rect = Rect::FromSize(piece.x, piece.y, piece.imageWidth, piece.imageHeight);
  if (!rect.Contains(point.x, point.y)) return false;
  if (piece.rotation < 0 || piece.rotation >= kRotationCount) return false;
  const Surface* image = piece.image[static_cast<std::size_t>(piece.rotation)].get();
  return image != nullptr && IsOpaqueAt(*image, point.x - piece.x, point.y - piece.y);
}

}  // namespace

HitResult HitTest(const PuzzleRecord& puzzle, ClientPoint point, int boxNumber) {
  // From the topmost group down; iterators, as the whole sequence is walked for a miss.
  int index = static_cast<int>(puzzle.groups.size());
  for (auto it = puzzle.groups.rbegin(); it != puzzle.groups.rend(); ++it) {
    --index;
    const PieceGroup& group = **it;
    if (group.box != boxNumber) continue;
    for (Piece* piece : group.pieces) {
      if (PieceHit(*piece, point)) return {index, piece};
    }
  }
  return {};
}
