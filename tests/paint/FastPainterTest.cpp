// The fast painter against the plain reference painter, pixel for pixel, on random scenes of
// pieces made by the game's own cutting, in every format.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>
#include <random>
#include <utility>

#include "PaintScene.h"
#include "paint/FrameComposition.h"
#include "puzzle/CutProgress.h"
#include "puzzle/EdgeMasks.h"
#include "puzzle/Ghost.h"
#include "puzzle/PieceCutting.h"
#include "puzzle/PieceRotation.h"
#include "puzzle/PieceSizeChoice.h"

namespace {

constexpr Rect kClient{0, 0, 400, 300};

// Random colours, never pure black, in the service's format.
std::unique_ptr<Surface> RandomPicture(SurfaceService& service, int width, int height,
                                       std::mt19937& random) {
  auto picture = service.Create(width, height, SurfaceMemory::System);
  const PixelFormatInfo& f = service.Format();
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t v = static_cast<uint32_t>(random()) & f.colourMask;
      WritePixel(*picture, x, y, v == 0 ? 1 : v);
    }
  }
  return picture;
}

// One puzzle, cut for real, painted by two sets of paint objects: fast and plain.
class FastPainterTest : public PaintFormatTest {
 protected:
  FastPainterTest() : service(Format()), masks(MakeEdgeMaskSurfaces(service)) {
    SetStandardBitmaps(bitmaps);
    for (PaintResources* r : {&fast, &plain}) {
      *r = MakePaintResources(service, bitmaps, tiles,
                              r == &fast ? PaintMethod::Fast : PaintMethod::Plain);
      EXPECT_TRUE(CreateBackSurface(*r, service, kClient.right, kClient.bottom));
    }
    LayOutPlayField(state, kClient);
    state.mode = ViewMode::Play;
  }

  void Cut(int choice, std::mt19937& random) {
    const PieceSizeChoice& size = kPieceSizeChoices[static_cast<std::size_t>(choice)];
    auto picture = RandomPicture(service, 190, 150, random);
    CountingProgress progress;
    CutContext context{service, masks, progress};
    CutPicture(context, *picture, size.pieceSize, size.overlap, size.maskSet, true, puzzle.pieces);
    MakeRotations(service, puzzle.pieces, progress);
    puzzle.cols = context.gridCols;
    puzzle.rows = context.gridRows;
    puzzle.sizeChoice = choice;
    MakeGhost(service, state.playArea, *picture, puzzle);
    if (puzzle.ghostMaster) puzzle.ghost = CreateDisplayCopy(service, *puzzle.ghostMaster);
  }

  int Below(std::mt19937& random, int n) {
    return static_cast<int>(random() % static_cast<unsigned>(n));
  }
  // What a random element of a sequence of owning pointers points to.
  template <typename Sequence>
  auto& AnyOf(const Sequence& sequence, std::mt19937& random) {
    return *sequence[static_cast<std::size_t>(Below(random, static_cast<int>(sequence.size())))];
  }

  // Groups of neighbours joined at random, each with one rotation, scattered, some in boxes;
  // boxes open at random, maybe a dragged group hovering over one, the ghost and the sparkle.
  void Scatter(std::mt19937& random) {
    puzzle.groups.clear();
    for (const auto& piece : puzzle.pieces) {
      puzzle.groups.push_back(std::make_unique<PieceGroup>());
      puzzle.groups.back()->pieces.push_back(piece.get());
    }
    const int joins = Below(random, static_cast<int>(puzzle.pieces.size()) + 1);
    for (int j = 0; j < joins; ++j) {
      const Piece& a = AnyOf(puzzle.pieces, random);
      const bool right = random() % 2 == 0;
      const int col = a.col + (right ? 1 : 0), row = a.row + (right ? 0 : 1);
      if (col >= puzzle.cols || row >= puzzle.rows) continue;
      Merge(a, *puzzle.pieces[static_cast<std::size_t>(col + row * puzzle.cols)]);
    }
    for (const auto& group : puzzle.groups) {
      const int rotation = Below(random, 4);
      group->box = random() % 4 == 0 ? 1 + Below(random, 4) : 0;
      for (Piece* piece : group->pieces) {
        piece->rotation = rotation;
        piece->x = Below(random, kClient.right + 60) - 40;
        piece->y = Below(random, kClient.bottom + 40) - 10;
      }
    }
    for (CornerBox& box : state.boxes) {
      box.open = random() % 2 == 0;
      box.highlighted = false;
    }
    puzzle.draggedGroup = nullptr;
    if (random() % 4 != 0) {
      PieceGroup* dragged = &AnyOf(puzzle.groups, random);
      puzzle.draggedGroup = dragged;
      dragged->box = random() % 2 == 0 ? 0 : 1 + Below(random, 4);
      if (dragged->box != 0)
        state.boxes[static_cast<std::size_t>(dragged->box - 1)].highlighted = true;
    }
    state.flags.ghost = random() % 2 == 0;
    state.sparkle = {static_cast<float>(Below(random, 20)), Below(random, 400), Below(random, 300)};
  }

  void Merge(const Piece& a, const Piece& b) {
    PieceGroup* into = nullptr;
    PieceGroup* from = nullptr;
    for (const auto& group : puzzle.groups) {
      for (const Piece* p : group->pieces) {
        if (p == &a) into = group.get();
        if (p == &b) from = group.get();
      }
    }
    if (into == from) return;
    into->pieces.insert(into->pieces.end(), from->pieces.begin(), from->pieces.end());
    std::erase_if(puzzle.groups, [&](const auto& g) { return g.get() == from; });
  }

  Rect RandomRect(std::mt19937& random) {
    const int left = Below(random, 420) - 10, top = Below(random, 320) - 10;
    return {left, top, left + 1 + Below(random, 200), top + 1 + Below(random, 160)};
  }

  void ComposeBoth(const Rect& rect) {
    for (PaintResources* r : {&fast, &plain}) {
      const PaintContext context{service, bitmaps, tiles, service.Format().bitsPerPixel};
      ComposeFrame(*r, context, state, &puzzle, rect);
    }
  }

  // The first pixel where the two frames differ, or none.
  std::optional<std::pair<int, int>> FirstDifference() const {
    const ConstSurfaceLock a = std::as_const(*fast.backSurface).Lock();
    const ConstSurfaceLock b = std::as_const(*plain.backSurface).Lock();
    const int bytes = service.Format().BytesPerPixel();
    for (int y = 0; y < kClient.bottom; ++y) {
      if (std::memcmp(a.Row(y), b.Row(y), static_cast<std::size_t>(kClient.right * bytes)) == 0)
        continue;
      for (int x = 0; x < kClient.right; ++x) {
        if (std::memcmp(a.Row(y) + x * bytes, b.Row(y) + x * bytes,
                        static_cast<std::size_t>(bytes)) != 0)
          return std::pair{x, y};
      }
    }
    return std::nullopt;
  }

  SurfaceService service;
  EdgeMaskSurfaces masks;
  TestBitmaps bitmaps;
  TileSettings tiles{kSceneColourRef, false, 0};
  PaintResources fast;
  PaintResources plain;
  PlayState state;
  PuzzleRecord puzzle;
};

TEST_P(FastPainterTest, PaintsWhatThePlainPainterPaintsOnRandomScenes) {
  std::mt19937 random(20240607);
  for (const int choice : {7, 6, 3}) {
    ReleasePlayData(puzzle, false);
    Cut(choice, random);
    ASSERT_FALSE(puzzle.pieces.empty());
    for (int scene = 0; scene < 8; ++scene) {
      Scatter(random);
      ComposeBoth(kClient);
      for (int repaint = 0; repaint < 6; ++repaint) ComposeBoth(RandomRect(random));
      const auto difference = FirstDifference();
      ASSERT_FALSE(difference) << "choice " << choice << " scene " << scene << " at "
                               << difference->first << ", " << difference->second;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, FastPainterTest, ::testing::ValuesIn(kFormatNames),
                         PaintFormatName);

}  // namespace
