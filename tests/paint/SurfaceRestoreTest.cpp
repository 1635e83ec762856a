// Recovering from a display change: surfaces restored, redrawn, and the whole play area shown.
#include <gtest/gtest.h>

#include <vector>

#include "PaintScene.h"
#include "paint/PaintBitmaps.h"
#include "surface/Blit.h"

namespace {

class SurfaceRestoreTest : public PaintFormatTest {
 protected:
  SurfaceRestoreTest() : scene(Format()) {}

  // Pieces on the field, a joined pair, a dragged piece, a group in open box 2, the ghost and
  // the sparkle.
  void Populate() {
    Piece& a = scene.AddPiece(0, 0, 40, 50, 0x00C0A0E0);
    Piece& b = scene.AddPiece(1, 0, 54, 50, 0x00A0E0C0);
    scene.Join(a, b);
    Piece& dragged = scene.AddPiece(4, 4, 120, 90, 0x00E0C0A0);
    scene.puzzle.draggedGroup = &scene.GroupOf(dragged);
    Piece& stored = scene.AddPiece(6, 1, 250, 60, 0x00406080);
    scene.GroupOf(stored).box = 2;
    scene.state.boxes[1].open = true;
    auto ghost = scene.service.Create(60, 40, SurfaceMemory::System);
    FillRect(*ghost, ghost->Bounds(), scene.FromRgb(0x00909090));
    scene.puzzle.ghostMaster = std::move(ghost);
    scene.puzzle.ghost = CreateDisplayCopy(scene.service, *scene.puzzle.ghostMaster);
    scene.puzzle.ghostX = 100;
    scene.puzzle.ghostY = 150;
    scene.puzzle.ghostWidth = 60;
    scene.puzzle.ghostHeight = 40;
    scene.state.flags.ghost = true;
    scene.state.sparkle = {5.0f, 150, 120};
  }

  std::vector<uint32_t> PixelsOf(const Surface& surface, const Rect& rect) const {
    std::vector<uint32_t> pixels;
    for (int y = rect.top; y < rect.bottom; ++y) {
      for (int x = rect.left; x < rect.right; ++x) pixels.push_back(ReadPixel(surface, x, y));
    }
    return pixels;
  }
  std::vector<uint32_t> PlayAreaPixels() const {
    return PixelsOf(*scene.resources.backSurface, scene.state.playArea);
  }

  PaintScene scene;
};

TEST_P(SurfaceRestoreTest, LostSurfacesAreRestoredAndTheWholePlayAreaIsShown) {
  Populate();
  ASSERT_EQ(scene.Compose(scene.state.playArea).present, scene.state.playArea);
  const std::vector<uint32_t> before = PlayAreaPixels();

  scene.service.LoseDisplaySurfaces();
  const FrameResult result = scene.Compose({100, 100, 110, 110});
  EXPECT_FALSE(result.quit);
  EXPECT_EQ(result.present, scene.state.playArea);
  EXPECT_EQ(PlayAreaPixels(), before);
  EXPECT_FALSE(scene.resources.backgroundTile->IsLost());
  EXPECT_FALSE(scene.puzzle.pieces[0]->image[0]->IsLost());
  EXPECT_FALSE(scene.puzzle.ghost->IsLost());

  // Restored: the next repaint shows only its own rectangle.
  EXPECT_EQ(scene.Compose({100, 100, 110, 110}).present, (Rect{100, 100, 110, 110}));
  EXPECT_EQ(PlayAreaPixels(), before);
}

TEST_P(SurfaceRestoreTest, TexturedTilesAreFilledAgain) {
  Bitmap texture = SolidBitmap(128, 128, 0);
  for (std::size_t i = 0; i < texture.pixels.size(); ++i) {
    const auto g = static_cast<uint32_t>(i * 7 % 256);
    texture.pixels[i] = g << 16 | g << 8 | g;
  }
  scene.bitmaps.Set(kTextureFirstBitmap + 4, texture);
  scene.tiles = {kSceneColourRef, true, 4};
  scene.resources = MakePaintResources(scene.service, scene.bitmaps, scene.tiles);
  ASSERT_TRUE(CreateBackSurface(scene.resources, scene.service, 320, 240));
  scene.state.boxes[2].open = true;
  scene.Compose(scene.state.playArea);
  const std::vector<uint32_t> before = PlayAreaPixels();
  const Rect tile{0, 0, kTileSide, kTileSide};
  const std::vector<uint32_t> lighter = PixelsOf(*scene.resources.boxBackgroundTile, tile);

  scene.service.LoseDisplaySurfaces();
  EXPECT_EQ(scene.Compose({0, 40, 5, 45}).present, scene.state.playArea);
  EXPECT_EQ(PlayAreaPixels(), before);
  EXPECT_EQ(PixelsOf(*scene.resources.boxBackgroundTile, tile), lighter);
}

TEST_P(SurfaceRestoreTest, AChangedDepthEndsTheProgram) {
  Populate();
  scene.Compose(scene.state.playArea);
  scene.service.LoseDisplaySurfaces();
  PaintContext context = scene.Context();
  context.displayBitsPerPixel = scene.format.bitsPerPixel == 16 ? 32 : 16;
  const FrameResult result =
      ComposeFrame(scene.resources, context, scene.state, &scene.puzzle, {0, 40, 10, 50});
  EXPECT_TRUE(result.quit);
  EXPECT_TRUE(result.present.IsEmpty());
  EXPECT_TRUE(scene.resources.backgroundTile->IsLost());
}

TEST_P(SurfaceRestoreTest, ACopyWithoutMasterIsDroppedRatherThanDrawnUndefined) {
  Piece& piece = scene.AddPiece(0, 0, 40, 50, 0x00C0A0E0);
  piece.imageMaster[0].reset();
  scene.Compose(scene.state.playArea);
  EXPECT_EQ(scene.Pixel(45, 55), scene.FromRgb(0x00C0A0E0));
  scene.service.LoseDisplaySurfaces();
  scene.Compose({0, 40, 5, 45});
  EXPECT_EQ(piece.image[0], nullptr);
  EXPECT_EQ(scene.Pixel(45, 55), scene.FromRgb(kSceneRgb));
}

TEST_P(SurfaceRestoreTest, TheCelebrationsSnapshotIsPaintedAgain) {
  Populate();
  scene.puzzle.draggedGroup = nullptr;
  scene.state.sparkle.frame = 18;
  scene.Compose(scene.state.playArea);
  ASSERT_TRUE(TakeSnapshot(scene.resources, scene.service));
  scene.state.mode = ViewMode::Celebration;
  for (Firework& f : scene.state.fireworks) f.startDelay = 1000;
  scene.Compose(scene.state.playArea);
  const std::vector<uint32_t> before = PlayAreaPixels();

  scene.service.LoseDisplaySurfaces();
  EXPECT_EQ(scene.Compose({10, 40, 20, 50}).present, scene.state.playArea);
  EXPECT_EQ(PlayAreaPixels(), before);
  EXPECT_EQ(PixelsOf(*scene.resources.snapshotSurface, scene.state.playArea), before);
}

INSTANTIATE_TEST_SUITE_P(Formats, SurfaceRestoreTest, ::testing::ValuesIn(kFormatNames),
                         PaintFormatName);

}  // namespace
