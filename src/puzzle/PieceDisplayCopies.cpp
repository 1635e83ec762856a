// Rebuilding display copies from the masters, which are never lost.
#include "puzzle/PieceDisplayCopies.h"

void RebuildDisplayCopies(SurfaceService& service, Piece& piece) {
  for (int r = 0; r < kRotationCount; ++r) {
    const auto i = static_cast<std::size_t>(r);
    if (piece.imageMaster[i]) piece.image[i] = CreateDisplayCopy(service, *piece.imageMaster[i]);
    if (piece.shadowMaster[i]) {
      piece.shadow[i] = CreateDisplayCopy(service, *piece.shadowMaster[i]);
    }
  }
}
