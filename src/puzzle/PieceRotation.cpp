// Turning piece images, shadow masks and overlays by quarter turns, one loop per pixel depth.
#include "puzzle/PieceRotation.h"

#include <cstddef>

#include "puzzle/PieceCutting.h"
#include "surface/PixelAccess.h"

namespace {

// Each destination row gathers one source column (one or three turns) or the source row
// opposite it read backwards (two turns); no turn copies. `first` is the source of the row's
// first pixel and `step` the byte distance to the source of the next one.
template <typename P>
void TurnPixels(const ConstSurfaceLock& from, int width, int height, const SurfaceLock& to,
                int turns) {
  const int outWidth = turns % 2 == 0 ? width : height;
  const int outHeight = turns % 2 == 0 ? height : width;
  for (int y = 0; y < outHeight; ++y) {
    const uint8_t* first;
    std::ptrdiff_t step;
    if (turns == 1) {
      first = from.Row(height - 1) + y * P::kBytes;
      step = -from.pitch;
    } else if (turns == 2) {
      first = from.Row(height - 1 - y) + (width - 1) * P::kBytes;
      step = -P::kBytes;
    } else if (turns == 3) {
      first = from.Row(0) + (width - 1 - y) * P::kBytes;
      step = from.pitch;
    } else {
      first = from.Row(y);
      step = P::kBytes;
    }
    uint8_t* out = to.Row(y);
    for (int x = 0; x < outWidth; ++x, out += P::kBytes) P::Write(out, P::Read(first + x * step));
  }
}

void TurnSet(SurfaceService& service, const std::unique_ptr<Surface>& master0,
             std::unique_ptr<Surface>& master, std::unique_ptr<Surface>& display, int turns) {
  if (!master0) return;
  master = TurnedSurface(service, *master0, turns);
  if (master) display = CreateDisplayCopy(service, *master);
}

}  // namespace

std::unique_ptr<Surface> TurnedSurface(SurfaceService& service, const Surface& source,
                                       int quarterTurns) {
  const int turns = (quarterTurns % 4 + 4) % 4;
  const int width = source.Width(), height = source.Height();
  // Every pixel is written below.
  auto turned = turns % 2 == 0 ? service.CreateOverwritten(width, height, SurfaceMemory::System)
                               : service.CreateOverwritten(height, width, SurfaceMemory::System);
  if (!turned || turned->Format().bitsPerPixel != source.Format().bitsPerPixel) return nullptr;
  const ConstSurfaceLock from = source.Lock();
  const SurfaceLock to = turned->Lock();
  if (!from || !to) return nullptr;
  DispatchDepth(source.Format().BytesPerPixel(), [&](auto pixel) {
    TurnPixels<decltype(pixel)>(from, width, height, to, turns);
    return true;
  });
  if (const auto key = source.ColourKey()) turned->SetColourKey(*key);
  return turned;
}

void MakePieceRotations(SurfaceService& service, Piece& piece) {
  for (int r = 1; r < kRotationCount; ++r) {
    TurnSet(service, piece.imageMaster[0], piece.imageMaster[r], piece.image[r], r);
    TurnSet(service, piece.shadowMaster[0], piece.shadowMaster[r], piece.shadow[r], r);
    if (piece.edgeOverlay[0].IsPresent()) {
      piece.edgeOverlay[r] = piece.edgeOverlay[0].Turned(r, &service);
    }
  }
}

void MakeRotations(SurfaceService& service, std::span<const std::unique_ptr<Piece>> pieces,
                   CutProgress& progress) {
  // Every piece of a puzzle has the same square image size; the turned overlays hold as many
  // words as the upright ones.
  if (pieces.empty()) return;
  std::size_t outline = 0;
  for (const auto& piece : pieces) outline += piece->edgeOverlay[0].Entries().size();
  constexpr std::size_t turns = kRotationCount - 1;
  const auto reservation =
      ReservePieceImages(service, turns * pieces.size(), pieces[0]->imageWidth, turns * outline);
  for (const auto& piece : pieces) {
    MakePieceRotations(service, *piece);
    progress.StepIt();
  }
}
