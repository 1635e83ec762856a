// Painting a 1920 x 1080 screen with pieces cut from a generated picture: full repaints of the
// play area with about 3,500 scattered turned pieces (choice 7) and about 100 (choice 0), a
// drag step of one piece and a drag step of a 1,000-piece group, in 32 and 16 bits.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <tuple>

#include "paint/FrameComposition.h"
#include "paint/PaintBitmaps.h"
#include "paint/PaintResources.h"
#include "play/Arranging.h"
#include "play/Dragging.h"
#include "play/GroupOrder.h"
#include "play/PlayState.h"
#include "puzzle/CutProgress.h"
#include "puzzle/EdgeMasks.h"
#include "puzzle/Ghost.h"
#include "puzzle/PieceCutting.h"
#include "puzzle/PieceRotation.h"
#include "puzzle/PieceSizeChoice.h"
#include "puzzle/RandomSequence.h"
#include "surface/SurfaceDrawingContext.h"

namespace {

constexpr Rect kScreen = {0, 0, 1920, 1080};

// Smooth gradients with a little grain, never pure black.
Bitmap Photo(int width, int height) {
  Bitmap photo{width, height, std::vector<uint32_t>(static_cast<std::size_t>(width * height))};
  uint32_t noise = 12345;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      noise = noise * 1664525u + 1013904223u;
      const uint32_t grain = (noise >> 28) & 0x7;
      const uint32_t red = 16 + (x * 230 / width + grain) % 240;
      const uint32_t green = 16 + (y * 230 / height + grain) % 240;
      const uint32_t blue = 16 + ((x + y) * 127 / (width + height) + 64 + grain) % 240;
      photo.pixels[static_cast<std::size_t>(y * width + x)] = red << 16 | green << 8 | blue;
    }
  }
  return photo;
}

// The bitmaps painting loads: a grey texture, sprites and icons of plain colours.
class BenchBitmaps : public BitmapProvider {
 public:
  std::optional<Bitmap> Load(int id) const override {
    const auto solid = [](int w, int h, uint32_t rgb) {
      return Bitmap{w, h, std::vector<uint32_t>(static_cast<std::size_t>(w * h), rgb)};
    };
    if (id == kTextureFirstBitmap) {
      Bitmap grey = Photo(kTileSide, kTileSide);
      for (uint32_t& p : grey.pixels) p = (p & 0xFF) * 0x010101u;
      return grey;
    }
    if (id == kSparkleBitmap)
      return solid(kSparkleWidth * kSparkleFrameCount, kSparkleHeight, 0xFFFF80);
    if (id >= kParticleFirstBitmap && id < kParticleFirstBitmap + kParticleSpriteCount)
      return solid(10 * kParticleSide, kParticleSide, 0xFF8040);
    if (id == kBoxHandleEmptyBitmap || id == kBoxHandleFullBitmap ||
        (id >= kBoxIconFirstBitmap && id < kBoxIconFirstBitmap + kCornerBoxCount)) {
      return solid(32, 32, 0x4060A0);
    }
    return std::nullopt;
  }
};

// A game in play on the screen: the puzzle cut with rotation on and scattered at random.
struct Screen {
  Screen(const PixelFormatInfo& format, int choice, PaintMethod method)
      : service(format), masks(MakeEdgeMaskSurfaces(service)) {
    resources = MakePaintResources(service, bitmaps, tiles, method);
    CreateBackSurface(resources, service, kScreen.right, kScreen.bottom);
    LayOutPlayField(state, kScreen);
    state.mode = ViewMode::Play;
    // Both pictures fit the play area unscaled: 72 x 49 pieces of 20 pixels, 14 x 7 of 126.
    const int width = choice == 7 ? 1440 : 1800, height = 984;
    auto picture = service.Create(width, height, SurfaceMemory::System);
    SurfaceDrawingContext(*picture).DrawBitmap(0, 0, Photo(width, height));
    const PieceSizeChoice& size = kPieceSizeChoices[static_cast<std::size_t>(choice)];
    SeedRandom(4242);
    CountingProgress progress;
    CutContext context{service, masks, progress};
    puzzle.sizeChoice = choice;
    MakeGhost(service, state.playArea, *picture, puzzle);
    CutPicture(context, *picture, size.pieceSize, size.overlap, size.maskSet, true, puzzle.pieces);
    MakeRotations(service, puzzle.pieces, progress);
    puzzle.cols = context.gridCols;
    puzzle.rows = context.gridRows;
    for (const auto& piece : puzzle.pieces) {
      puzzle.groups.push_back(std::make_unique<PieceGroup>());
      puzzle.groups.back()->pieces.push_back(piece.get());
    }
    ArrangePieces(puzzle, state.playArea, ArrangeKind::Random);
  }

  FrameResult Compose(const Rect& rect) {
    const PaintContext context{service, bitmaps, tiles, service.Format().bitsPerPixel};
    return ComposeFrame(resources, context, state, &puzzle, rect);
  }

  // Picks `group` as the left button would at `point`: on top and dragged.
  void Pick(PieceGroup* group, ClientPoint point) {
    BringToFront(puzzle, group);
    puzzle.draggedGroup = group;
    state.drag = {true, point};
  }

  // One mouse move by (dx, dy) and the repaints it asks for; answers the pixels repainted.
  int64_t DragStep(int dx, int dy) {
    PlayEffects effects;
    const ClientPoint to{state.drag.lastPoint.x + dx, state.drag.lastPoint.y + dy};
    MouseMove(state, puzzle, to, effects);
    int64_t pixels = 0;
    for (const Rect& rect : effects.RepaintRects()) {
      Compose(rect);
      pixels += int64_t{rect.Width()} * rect.Height();
    }
    return pixels;
  }

  SurfaceService service;
  EdgeMaskSurfaces masks;
  BenchBitmaps bitmaps;
  TileSettings tiles{0x00507090, true, 0};
  PaintResources resources;
  PlayState state;
  PuzzleRecord puzzle;
};

PixelFormatInfo FormatOf(int64_t bits) {
  return bits == 16 ? PixelFormatInfo::Rgb565() : PixelFormatInfo::Rgb32();
}

// Cutting a screen takes a while; each benchmark family keeps its screens between runs.
Screen& CachedScreen(int family, int64_t bits, int choice, PaintMethod method) {
  static std::map<std::tuple<int, int64_t, int, PaintMethod>, std::unique_ptr<Screen>> screens;
  auto& screen = screens[{family, bits, choice, method}];
  if (!screen) screen = std::make_unique<Screen>(FormatOf(bits), choice, method);
  return *screen;
}

void FullRepaint(benchmark::State& bench) {
  const int choice = static_cast<int>(bench.range(0));
  const PaintMethod method = bench.range(2) == 0 ? PaintMethod::Fast : PaintMethod::Plain;
  Screen& screen = CachedScreen(0, bench.range(1), choice, method);
  for (auto _ : bench) benchmark::DoNotOptimize(screen.Compose(screen.state.playArea));
  bench.counters["pieces"] = static_cast<double>(screen.puzzle.pieces.size());
}

// A loose piece near the middle of the field, dragged 3 pixels a step to and fro diagonally.
void DragOnePiece(benchmark::State& bench) {
  const int choice = static_cast<int>(bench.range(0));
  Screen& screen = CachedScreen(1, bench.range(1), choice, PaintMethod::Fast);
  if (screen.puzzle.draggedGroup == nullptr) {
    PieceGroup* group = screen.puzzle.groups[screen.puzzle.groups.size() / 2].get();
    Piece& piece = *group->pieces.front();
    piece.x = 900;
    piece.y = 500;
    screen.Pick(group, {piece.x + piece.imageWidth / 2, piece.y + piece.imageHeight / 2});
  }
  screen.Compose(screen.state.playArea);
  int64_t pixels = 0;
  int step = 0;
  for (auto _ : bench) {
    const int d = (step++ / 20) % 2 == 0 ? 3 : -3;
    pixels += screen.DragStep(d, d);
  }
  bench.counters["repainted_px"] =
      benchmark::Counter(static_cast<double>(pixels), benchmark::Counter::kAvgIterations);
}

// Joins the pieces of the 40 x 25 cells at the grid's top-left, upright in their places, into
// one group on top of the others; answers it.
PieceGroup* JoinBlock(PuzzleRecord& puzzle) {
  const auto inBlock = [](const Piece& p) { return p.col < 40 && p.row < 25; };
  auto joined = std::make_unique<PieceGroup>();
  for (const auto& piece : puzzle.pieces) {
    if (inBlock(*piece)) {
      piece->rotation = 0;
      piece->x = 500 + piece->col * piece->cellWidth - 2;
      piece->y = 300 + piece->row * piece->cellHeight - 2;
      joined->pieces.push_back(piece.get());
    }
  }
  std::erase_if(puzzle.groups, [&](const auto& g) { return inBlock(*g->pieces.front()); });
  puzzle.groups.push_back(std::move(joined));
  return puzzle.groups.back().get();
}

// The 1,000-piece group dragged over the scattered rest of the 72 x 49 pieces.
void DragThousandPieceGroup(benchmark::State& bench) {
  Screen& screen = CachedScreen(2, bench.range(0), 7, PaintMethod::Fast);
  if (screen.puzzle.draggedGroup == nullptr) {
    screen.Pick(JoinBlock(screen.puzzle), {900, 500});
  }
  screen.Compose(screen.state.playArea);
  int64_t pixels = 0;
  int step = 0;
  for (auto _ : bench) {
    const int d = (step++ / 20) % 2 == 0 ? 3 : -3;
    pixels += screen.DragStep(d, d);
  }
  bench.counters["pieces"] = static_cast<double>(screen.puzzle.draggedGroup->pieces.size());
  bench.counters["repainted_px"] =
      benchmark::Counter(static_cast<double>(pixels), benchmark::Counter::kAvgIterations);
}

BENCHMARK(FullRepaint)
    ->ArgNames({"choice", "bits", "plain"})
    ->ArgsProduct({{7, 0}, {32, 16}, {0}})
    ->Args({7, 32, 1})
    ->Args({0, 32, 1})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(DragOnePiece)
    ->ArgNames({"choice", "bits"})
    ->ArgsProduct({{7, 0}, {32, 16}})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(DragThousandPieceGroup)
    ->ArgNames({"bits"})
    ->Args({32})
    ->Args({16})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
