// Random pictures and whole cuts for the cutting tests.
#include "CutFixtures.h"

#include "puzzle/PieceCutting.h"
#include "puzzle/PieceSizeChoice.h"
#include "puzzle/RandomSequence.h"
#include "support/SurfacePixels.h"

std::unique_ptr<Surface> RandomPicture(SurfaceService& service, int width, int height,
                                       uint32_t seed) {
  auto picture = CreateOffscreenSurface(service, width, height, true);
  FillPattern(*picture, seed);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if ((ReadPixel(*picture, x, y) & picture->Format().colourMask) == 0) {
        WritePixel(*picture, x, y, picture->Format().Pack({1, 1, 1}));
      }
    }
  }
  return picture;
}

Channels PixelChannels(const Surface& surface, int x, int y) {
  return surface.Format().Unpack(ReadPixel(surface, x, y));
}

std::unique_ptr<CutResult> CutRandomPicture(SurfaceService& service, int width, int height,
                                            int choice, bool rotationOn, uint32_t seed) {
  auto result = std::make_unique<CutResult>();
  const PieceSizeChoice& size = kPieceSizeChoices[static_cast<std::size_t>(choice)];
  result->picture = RandomPicture(service, width, height, seed);
  result->masks = MakeEdgeMaskSurfaces(service);
  result->grid = PlanCutGrid(width, height, size.pieceSize);
  result->pieceSize = size.pieceSize;
  result->overlap = size.overlap;
  SeedRandom(seed);
  CutContext context{service, result->masks, result->progress};
  result->count = CutPicture(context, *result->picture, size.pieceSize, size.overlap, size.maskSet,
                             rotationOn, result->pieces);
  return result;
}

bool Covers(const Piece& piece, int x, int y) {
  const Surface& image = *piece.imageMaster[0];
  return (ReadPixel(image, x, y) & image.Format().colourMask) != 0 ||
         piece.edgeOverlay[0].At(x, y) != 0;
}
