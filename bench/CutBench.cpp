// Starting a game on a 1920 x 1080 screen with a 3000 x 2000 picture: from the loaded picture
// to finished pieces (fit, ghost, cut, turned sets) for the largest, a middle and the smallest
// piece size, with rotation off and on.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "puzzle/EdgeMasks.h"
#include "puzzle/Ghost.h"
#include "puzzle/PictureFitting.h"
#include "puzzle/PieceCutting.h"
#include "puzzle/PieceRotation.h"
#include "puzzle/PieceSizeChoice.h"
#include "puzzle/PuzzleRecord.h"
#include "puzzle/RandomSequence.h"
#include "surface/PixelAccess.h"
#include "surface/SurfaceService.h"

namespace {

// Smooth colour gradients with a little noise, as photographs have.
std::unique_ptr<Surface> MakeLoadedPicture(SurfaceService& service, int width, int height) {
  auto picture = CreateOffscreenSurface(service, width, height, true);
  const SurfaceLock lock = picture->Lock();
  uint32_t noise = 12345;
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(lock.Row(y));
    for (int x = 0; x < width; ++x) {
      noise = noise * 1664525u + 1013904223u;
      const uint32_t grain = (noise >> 28) & 0x7;
      const uint32_t red = (x * 255 / width + grain) & 0xFF;
      const uint32_t green = (y * 255 / height + grain) & 0xFF;
      const uint32_t blue = ((x + y) * 127 / (width + height) + 64 + grain) & 0xFF;
      row[x] = red << 16 | green << 8 | blue;
    }
  }
  return picture;
}

void CutFromLoadedPicture(benchmark::State& state) {
  const int choice = static_cast<int>(state.range(0));
  const bool rotation = state.range(1) != 0;
  const PieceSizeChoice& size = kPieceSizeChoices[static_cast<std::size_t>(choice)];
  SurfaceService service(PixelFormatInfo::Rgb32());
  const Rect playArea{0, 32, 1920, 1080};
  const auto loaded = MakeLoadedPicture(service, 3000, 2000);
  const EdgeMaskSurfaces masks = MakeEdgeMaskSurfaces(service);
  std::size_t pieces = 0;
  for (auto _ : state) {
    state.PauseTiming();
    // Fitting only reads the loaded picture, so a copy that shares its pixels serves.
    auto picture = service.CreateSharing(*loaded, SurfaceMemory::System);
    auto puzzle = std::make_unique<PuzzleRecord>();
    puzzle->sizeChoice = choice;
    SeedRandom(1);
    state.ResumeTiming();

    FitPicture(service, playArea, picture, false);
    MakeGhost(service, playArea, *picture, *puzzle);
    CountingProgress progress;
    CutContext context{service, masks, progress};
    CutPicture(context, *picture, size.pieceSize, size.overlap, size.maskSet, rotation,
               puzzle->pieces);
    if (rotation) MakeRotations(service, puzzle->pieces, progress);
    benchmark::DoNotOptimize(puzzle->pieces.data());

    state.PauseTiming();
    pieces = puzzle->pieces.size();
    ReleasePlayData(*puzzle, true);
    state.ResumeTiming();
  }
  state.counters["pieces"] = static_cast<double>(pieces);
}

BENCHMARK(CutFromLoadedPicture)
    ->ArgNames({"choice", "rotation"})
    ->ArgsProduct({{0, 4, 7}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
