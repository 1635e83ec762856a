// Painting the play field: outlines on open and joined sides, clipping, shadows, order, ghost.
#include <gtest/gtest.h>

#include "PaintScene.h"
#include "paint/PaintBitmaps.h"
#include "paint/PlayFieldPainter.h"
#include "surface/Blit.h"
#include "surface/SurfaceDrawingContext.h"

namespace {

constexpr uint32_t kBodyRgb = 0x00C0A0E0;
constexpr uint32_t kOtherBodyRgb = 0x0030D050;

class PlayFieldPaintTest : public PaintFormatTest {
 protected:
  PlayFieldPaintTest() : scene(Format()) {}

  uint32_t Background() const { return scene.FromRgb(kSceneRgb); }
  // An outline pixel of weight c on an open side over `under`.
  uint32_t Blended(uint32_t under, uint32_t weight) const {
    const Channels u = scene.format.Unpack(under);
    const Channels o = scene.OutlineChannels();
    return scene.format.Pack({(weight * o.red + (8 - weight) * u.red) >> 3,
                              (weight * o.green + (8 - weight) * u.green) >> 3,
                              (weight * o.blue + (8 - weight) * u.blue) >> 3});
  }
  uint32_t Opaque() const { return scene.format.Pack(scene.OutlineChannels()); }
  uint32_t Shaded(uint32_t under, uint32_t weight) const {
    const Channels u = scene.format.Unpack(under);
    return scene.format.Pack(
        {(u.red * (8 - weight)) >> 3, (u.green * (8 - weight)) >> 3, (u.blue * (8 - weight)) >> 3});
  }
  PaintStatus Paint(const Rect& rect) {
    return PaintPlayField(scene.resources, scene.state, &scene.puzzle, rect);
  }

  PaintScene scene;
};

TEST_P(PlayFieldPaintTest, SinglePieceBlendsItsWholeOutline) {
  scene.AddPiece(0, 0, 50, 60, kBodyRgb);
  ASSERT_EQ(Paint(scene.state.playArea), PaintStatus::Done);
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const bool ringX = x == 0 || x == kSide - 1, ringY = y == 0 || y == kSide - 1;
      const uint32_t expected = ringX && ringY   ? Blended(Background(), 4)
                                : ringX || ringY ? Blended(Background(), 7)
                                                 : scene.FromRgb(kBodyRgb);
      ASSERT_EQ(scene.Pixel(50 + x, 60 + y), expected) << x << ", " << y;
    }
  }
  EXPECT_EQ(scene.Pixel(49, 60), Background());
  EXPECT_EQ(scene.Pixel(50 + kSide, 60 + kSide), Background());
}

TEST_P(PlayFieldPaintTest, JoinedPiecesDrawTheSharedSideOpaque) {
  // Joined pieces need not touch on screen: open sides come from the grid alone.
  Piece& left = scene.AddPiece(3, 2, 50, 60, kBodyRgb);
  Piece& right = scene.AddPiece(4, 2, 80, 60, kOtherBodyRgb);
  scene.Join(left, right);
  Paint(scene.state.playArea);
  for (int y = 1; y < kSide - 1; ++y) {
    EXPECT_EQ(scene.Pixel(50 + kSide - 1, 60 + y), Opaque()) << y;  // left piece's right side
    EXPECT_EQ(scene.Pixel(80, 60 + y), Opaque()) << y;              // right piece's left side
    EXPECT_EQ(scene.Pixel(50, 60 + y), Blended(Background(), 7)) << y;
    EXPECT_EQ(scene.Pixel(80 + kSide - 1, 60 + y), Blended(Background(), 7)) << y;
  }
  for (int x = 1; x < kSide - 1; ++x) {
    EXPECT_EQ(scene.Pixel(50 + x, 60), Blended(Background(), 7)) << x;
    EXPECT_EQ(scene.Pixel(80 + x, 60 + kSide - 1), Blended(Background(), 7)) << x;
  }
  // A corner on a joined and an open side still lies on an open side.
  EXPECT_EQ(scene.Pixel(50 + kSide - 1, 60), Blended(Background(), 4));
  EXPECT_EQ(scene.Pixel(80, 60 + kSide - 1), Blended(Background(), 4));
}

TEST_P(PlayFieldPaintTest, DiagonalNeighboursCloseNoSide) {
  Piece& a = scene.AddPiece(3, 2, 50, 60, kBodyRgb);
  Piece& b = scene.AddPiece(4, 3, 80, 60, kBodyRgb);
  scene.Join(a, b);
  Paint(scene.state.playArea);
  EXPECT_EQ(scene.Pixel(50 + kSide - 1, 65), Blended(Background(), 7));
  EXPECT_EQ(scene.Pixel(52, 60 + kSide - 1), Blended(Background(), 7));
  EXPECT_EQ(scene.Pixel(80, 65), Blended(Background(), 7));
}

TEST_P(PlayFieldPaintTest, PieceClippedOnTheLeftStillBlendsTheRestOfItsOutline) {
  scene.AddPiece(0, 0, 50, 60, kBodyRgb);
  const uint32_t sentinel = scene.FromRgb(0x00010203);
  FillRect(*scene.resources.backSurface, scene.resources.backSurface->Bounds(), sentinel);
  Paint({58, 63, 200, 200});
  for (int y = 60; y < 60 + kSide; ++y) {
    for (int x = 50; x < 58; ++x) ASSERT_EQ(scene.Pixel(x, y), sentinel) << x << ", " << y;
  }
  for (int x = 50; x < 50 + kSide; ++x) ASSERT_EQ(scene.Pixel(x, 62), sentinel) << x;
  for (int y = 63; y < 60 + kSide - 1; ++y) {
    EXPECT_EQ(scene.Pixel(50 + kSide - 1, y), Blended(Background(), 7)) << y;
    EXPECT_EQ(scene.Pixel(58, y), scene.FromRgb(kBodyRgb)) << y;
  }
  for (int x = 58; x < 50 + kSide - 1; ++x)
    EXPECT_EQ(scene.Pixel(x, 60 + kSide - 1), Blended(Background(), 7)) << x;
  EXPECT_EQ(scene.Pixel(50 + kSide - 1, 60 + kSide - 1), Blended(Background(), 4));
}

TEST_P(PlayFieldPaintTest, StoredGroupIsNeverDrawnOnTheField) {
  Piece& stored = scene.AddPiece(0, 0, 50, 60, kBodyRgb);
  scene.GroupOf(stored).box = 1;
  scene.state.boxes[0].open = true;
  Paint(scene.state.playArea);
  for (int y = 60; y < 60 + kSide; ++y) {
    for (int x = 50; x < 50 + kSide; ++x)
      ASSERT_EQ(scene.Pixel(x, y), Background()) << x << ", " << y;
  }
}

TEST_P(PlayFieldPaintTest, DraggedGroupLiesOnTopOverItsShadow) {
  Piece& dragged = scene.AddPiece(0, 0, 100, 100, kBodyRgb);
  Piece& below = scene.AddPiece(5, 5, 108, 108, kOtherBodyRgb);  // later, so drawn above normally
  scene.puzzle.draggedGroup = &scene.GroupOf(dragged);
  Paint(scene.state.playArea);
  const int s = 5;  // size choice 3
  EXPECT_EQ(scene.Pixel(110, 110), scene.FromRgb(kBodyRgb));
  // The shadow's body shows beside the dragged piece, over the other piece and the background.
  EXPECT_EQ(scene.Pixel(100 + kSide, 110), 0u);
  EXPECT_EQ(scene.Pixel(110, 100 + kSide + 1), 0u);
  // The shadow's outline darkens what lies below by its weight.
  const int ringX = 100 + s + kSide - 1;
  EXPECT_EQ(scene.Pixel(ringX, 107), Shaded(Background(), 7));
  EXPECT_EQ(scene.Pixel(ringX, 112), Shaded(scene.FromRgb(kOtherBodyRgb), 7));
  EXPECT_EQ(scene.Pixel(ringX, 100 + s + kSide - 1), Shaded(scene.FromRgb(kOtherBodyRgb), 4));
  EXPECT_EQ(scene.Pixel(below.x + kSide - 2, below.y + kSide - 2), scene.FromRgb(kOtherBodyRgb));
}

TEST_P(PlayFieldPaintTest, DraggedGroupsShadowDrawsJoinedSidesBlack) {
  Piece& a = scene.AddPiece(0, 0, 100, 100, kBodyRgb);
  Piece& b = scene.AddPiece(1, 0, 140, 100, kBodyRgb);
  scene.Join(a, b);
  scene.puzzle.draggedGroup = &scene.GroupOf(a);
  Paint(scene.state.playArea);
  const int s = 5;
  EXPECT_EQ(scene.Pixel(100 + s + kSide - 1, 110), 0u);  // a's right side is joined
  EXPECT_EQ(scene.Pixel(140 + s + kSide - 1, 110), Shaded(Background(), 7));
}

TEST_P(PlayFieldPaintTest, ShadowOffsetFollowsTheSizeChoice) {
  Piece& piece = scene.AddPiece(0, 0, 100, 100, kBodyRgb);
  scene.puzzle.draggedGroup = &scene.GroupOf(piece);
  for (const int choice : {0, 7}) {
    scene.puzzle.sizeChoice = choice;
    Paint(scene.state.playArea);
    const int s = choice == 0 ? 8 : 1;
    EXPECT_EQ(scene.Pixel(100 + kSide - 1 + s, 110), Shaded(Background(), 7)) << choice;
    EXPECT_EQ(scene.Pixel(100 + kSide + s, 110), Background()) << choice;
  }
  scene.puzzle.sizeChoice = 0;
  Paint(scene.state.playArea);
  EXPECT_EQ(scene.Pixel(100 + kSide + 6, 110), 0u);
}

TEST_P(PlayFieldPaintTest, DraggedGroupOverABoxIsLeftToTheBox) {
  Piece& dragged = scene.AddPiece(0, 0, 100, 100, kBodyRgb);
  scene.puzzle.draggedGroup = &scene.GroupOf(dragged);
  scene.GroupOf(dragged).box = 3;
  Paint(scene.state.playArea);
  EXPECT_EQ(scene.Pixel(108, 108), Background());
  EXPECT_EQ(scene.Pixel(100 + kSide + 2, 110), Background());
}

TEST_P(PlayFieldPaintTest, BackgroundTilesStartAtThePlayAreasCorner) {
  SurfaceDrawingContext tile(*scene.resources.backgroundTile);
  tile.FillRect({0, 0, kTileSide, kTileSide}, 0x00102030);
  tile.FillRect({0, 0, 1, 1}, 0x00FFFFFF);
  Paint(scene.state.client);
  const uint32_t mark = scene.FromRgb(0x00FFFFFF);
  for (const int x : {0, 128, 256}) {
    for (const int y : {32, 160}) {
      EXPECT_EQ(scene.Pixel(x, y), mark) << x << ", " << y;
      EXPECT_EQ(scene.Pixel(x + 1, y), scene.FromRgb(0x00102030)) << x << ", " << y;
    }
  }
}

TEST_P(PlayFieldPaintTest, GhostLiesUnderThePiecesWhileItsFlagIsSet) {
  auto ghost = scene.service.Create(40, 30, SurfaceMemory::System);
  FillRect(*ghost, ghost->Bounds(), scene.FromRgb(0x00808080));
  scene.puzzle.ghost = std::move(ghost);
  scene.puzzle.ghostX = 60;
  scene.puzzle.ghostY = 70;
  scene.puzzle.ghostWidth = 40;
  scene.puzzle.ghostHeight = 30;
  scene.AddPiece(0, 0, 90, 90, kBodyRgb);
  scene.state.flags.ghost = true;
  Paint(scene.state.playArea);
  EXPECT_EQ(scene.Pixel(60, 70), scene.FromRgb(0x00808080));
  EXPECT_EQ(scene.Pixel(99, 99), scene.FromRgb(kBodyRgb));
  EXPECT_EQ(scene.Pixel(90, 95), Blended(scene.FromRgb(0x00808080), 7));
  EXPECT_EQ(scene.Pixel(100, 70), Background());
  scene.state.flags.ghost = false;
  Paint(scene.state.playArea);
  EXPECT_EQ(scene.Pixel(60, 70), Background());
}

TEST_P(PlayFieldPaintTest, MissingImagesAndOverlaysAreSkipped) {
  Piece& piece = scene.AddPiece(0, 0, 50, 60, kBodyRgb);
  piece.image[0].reset();
  Paint(scene.state.playArea);
  EXPECT_EQ(scene.Pixel(55, 65), Background());
  EXPECT_EQ(scene.Pixel(55, 60), Blended(Background(), 7));
  piece.edgeOverlay[0] = {};
  piece.rotation = 2;  // a rotation the piece has no images for
  EXPECT_EQ(Paint(scene.state.playArea), PaintStatus::Done);
  EXPECT_EQ(scene.Pixel(55, 60), Background());
}

TEST_P(PlayFieldPaintTest, OtherDepthsDrawNoOutlines) {
  PixelFormatInfo eight = scene.format;
  eight.bitsPerPixel = 8;
  const EdgeRoutines none = ChooseEdgeRoutines(eight, PaintMethod::Fast);
  EXPECT_EQ(none.edge, nullptr);
  EXPECT_EQ(none.shadowEdge, nullptr);
  scene.resources.routines = none;
  scene.AddPiece(0, 0, 50, 60, kBodyRgb);
  Paint(scene.state.playArea);
  EXPECT_EQ(scene.Pixel(55, 60), Background());
  EXPECT_EQ(scene.Pixel(55, 65), scene.FromRgb(kBodyRgb));
}

INSTANTIATE_TEST_SUITE_P(Formats, PlayFieldPaintTest, ::testing::ValuesIn(kFormatNames),
                         PaintFormatName);

// Outline (240, 120, 40) over the background (40, 80, 120): 7/8 and 1/8 on an edge, halves on a
// corner. In 5-6-5 the same colours are (30, 30, 5) and (5, 20, 15).
TEST(OutlineBlendTest, BlendsByTheWeightInEighths) {
  PaintScene scene32(PixelFormatInfo::Rgb32());
  scene32.AddPiece(0, 0, 50, 60, kBodyRgb);
  PaintPlayField(scene32.resources, scene32.state, &scene32.puzzle, scene32.state.playArea);
  EXPECT_EQ(scene32.Pixel(55, 60), 0xD77332u);
  EXPECT_EQ(scene32.Pixel(50, 60), 0x8C6450u);

  PaintScene scene16(PixelFormatInfo::Rgb565());
  scene16.AddPiece(0, 0, 50, 60, kBodyRgb);
  PaintPlayField(scene16.resources, scene16.state, &scene16.puzzle, scene16.state.playArea);
  EXPECT_EQ(scene16.Pixel(55, 60), 26u << 11 | 28u << 5 | 6);
  EXPECT_EQ(scene16.Pixel(50, 60), 17u << 11 | 25u << 5 | 10);
}

}  // namespace
