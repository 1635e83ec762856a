// Play on a 3,500-piece puzzle (20-pixel pieces on a 1920 x 1080 screen): joining a dropped
// 1,000-piece group to a 1,500-piece group among loose pieces, and picking at random points.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "play/Arranging.h"
#include "play/HitTest.h"
#include "play/Joining.h"
#include "play/PlayState.h"
#include "puzzle/PieceSizeChoice.h"
#include "puzzle/RandomSequence.h"
#include "surface/PixelAccess.h"
#include "surface/SurfaceService.h"

namespace {

constexpr int kCols = 70;
constexpr int kRows = 50;
constexpr int kResting = 1500;  // pieces 0..1499 form the resting group
constexpr int kDropped = 1000;  // pieces 1500..2499 form the dropped group; the rest are loose
constexpr Rect kScreen = {0, 0, 1920, 1080};

// A square piece image: opaque over its cell, transparent black in the margin.
std::unique_ptr<Surface> MakeImage(SurfaceService& service, int side, int margin) {
  auto image = CreateOffscreenSurface(service, side, side, false);
  const SurfaceLock lock = image->Lock();
  for (int y = margin; y < side - margin; ++y) {
    for (int x = margin; x < side - margin; ++x) {
      Pixel32::Write(lock.Row(y) + x * 4, 0x00406080u + static_cast<uint32_t>(x + y));
    }
  }
  image->SetColourKey(0);
  return image;
}

struct Field {
  explicit Field(bool withImages) {
    LayOutPlayField(state, kScreen);
    state.mode = ViewMode::Play;
    const PieceSizeChoice& choice = kPieceSizeChoices[7];
    const int side = choice.pieceSize + choice.overlap;
    puzzle.cols = kCols;
    puzzle.rows = kRows;
    puzzle.sizeChoice = 7;
    for (int id = 0; id < kCols * kRows; ++id) {
      auto piece = std::make_unique<Piece>();
      piece->id = id;
      piece->col = id % kCols;
      piece->row = id / kCols;
      piece->cellWidth = piece->cellHeight = choice.pieceSize;
      piece->halfCellWidth = piece->halfCellHeight = choice.pieceSize / 2;
      piece->imageWidth = piece->imageHeight = side;
      if (withImages) piece->image[0] = MakeImage(service, side, choice.overlap / 2);
      puzzle.pieces.push_back(std::move(piece));
    }
  }
  void Scatter() {
    puzzle.groups.clear();
    for (const auto& piece : puzzle.pieces) {
      puzzle.groups.push_back(std::make_unique<PieceGroup>());
      puzzle.groups.back()->pieces.push_back(piece.get());
    }
    SeedRandom(2718);
    ArrangePieces(puzzle, state.playArea, ArrangeKind::Random);
  }
  // The resting group at its place in the picture laid at (200, 40), among the loose pieces;
  // the dropped group on top, 5 pixels right of and 4 above its place beside it.
  void SetUpDrop() {
    Scatter();
    puzzle.groups.clear();
    auto resting = std::make_unique<PieceGroup>();
    auto dropped = std::make_unique<PieceGroup>();
    for (const auto& piece : puzzle.pieces) {
      const int x = 200 + piece->col * 20 - 2, y = 40 + piece->row * 20 - 2;
      if (piece->id < kResting) {
        piece->x = x, piece->y = y;
        resting->pieces.push_back(piece.get());
      } else if (piece->id < kResting + kDropped) {
        piece->x = x + 5, piece->y = y - 4;
        dropped->pieces.push_back(piece.get());
      } else {
        puzzle.groups.push_back(std::make_unique<PieceGroup>());
        puzzle.groups.back()->pieces.push_back(piece.get());
      }
      if (piece->id == kResting + kDropped + 500) puzzle.groups.push_back(std::move(resting));
    }
    puzzle.draggedGroup = dropped.get();
    puzzle.groups.push_back(std::move(dropped));
    puzzle.solvedPercent = 0;
  }

  SurfaceService service{PixelFormatInfo::Rgb32()};
  PlayState state;
  PuzzleRecord puzzle;
};

void BM_TryJoin(benchmark::State& bench, JoinSearch search) {
  Field field(false);
  for (auto _ : bench) {
    bench.PauseTiming();
    field.SetUpDrop();
    PlayEffects effects;
    bench.ResumeTiming();
    if (!TryJoin(field.state, field.puzzle, effects, search)) {
      bench.SkipWithError("the drop did not join");
      break;
    }
  }
}

void BM_HitTest(benchmark::State& bench) {
  Field field(true);
  field.Scatter();
  std::vector<ClientPoint> points(4096);
  uint32_t seed = 99;
  for (ClientPoint& p : points) {
    seed = seed * 1664525u + 1013904223u;
    p.x = static_cast<int>((seed >> 8) % 1920);
    p.y = 32 + static_cast<int>((seed >> 16) % (1080 - 32));
  }
  std::size_t next = 0;
  int hits = 0;
  for (auto _ : bench) {
    const HitResult hit = HitTest(field.puzzle, points[next++ % points.size()], 0);
    hits += hit ? 1 : 0;
    benchmark::DoNotOptimize(hit);
  }
  bench.counters["hit_share"] = benchmark::Counter(hits, benchmark::Counter::kAvgIterations);
}

BENCHMARK_CAPTURE(BM_TryJoin, indexed, JoinSearch::Indexed)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_TryJoin, plain_reference, JoinSearch::Plain)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HitTest)->Unit(benchmark::kMicrosecond);

}  // namespace
