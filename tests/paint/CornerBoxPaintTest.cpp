// Painting the corner boxes: handles, open boxes with their tiles, frame, icon and groups.
#include <gtest/gtest.h>

#include "PaintScene.h"
#include "paint/CornerBoxPainter.h"
#include "paint/PaintBitmaps.h"
#include "paint/TileFill.h"
#include "surface/Blit.h"
#include "surface/SurfaceDrawingContext.h"

namespace {

constexpr uint32_t kBodyRgb = 0x00C0A0E0;

class CornerBoxPaintTest : public PaintFormatTest {
 protected:
  CornerBoxPaintTest() : scene(Format()) {}

  uint32_t Background() const { return scene.FromRgb(kSceneRgb); }
  uint32_t LighterBackground() const {
    Channels c = scene.format.Unpack(Background());
    return scene.format.Pack({Lighten(c.red, scene.format.RedMax()),
                              Lighten(c.green, scene.format.GreenMax()),
                              Lighten(c.blue, scene.format.BlueMax())});
  }
  CornerBox& Box(int number) { return scene.state.boxes[static_cast<std::size_t>(number - 1)]; }
  bool AllPixels(const Rect& rect, uint32_t value) const {
    for (int y = rect.top; y < rect.bottom; ++y) {
      for (int x = rect.left; x < rect.right; ++x) {
        if (scene.Pixel(x, y) != value) return false;
      }
    }
    return true;
  }

  PaintScene scene;
};

TEST_P(CornerBoxPaintTest, ClosedBoxShowsOnlyItsHandle) {
  // Box 1 (top-left, handle at (0, 32)) holds a piece that lies partly under the handle.
  Piece& stored = scene.AddPiece(0, 0, 20, 40, kBodyRgb);
  scene.GroupOf(stored).box = 1;
  ASSERT_EQ(scene.Compose(scene.state.playArea).present, scene.state.playArea);
  EXPECT_TRUE(AllPixels(Box(1).closedRect, scene.FromRgb(kHandleFullColour)));
  EXPECT_TRUE(AllPixels({32, 32, 60, 70}, Background()));
  EXPECT_TRUE(AllPixels({0, 64, 40, 70}, Background()));
  // Boxes that hold nothing show the empty handle.
  for (const int n : {2, 3, 4})
    EXPECT_TRUE(AllPixels(Box(n).closedRect, scene.FromRgb(kHandleEmptyColour))) << n;
}

TEST_P(CornerBoxPaintTest, HighlightedBoxShowsTheFullHandle) {
  Box(2).highlighted = true;
  scene.Compose(scene.state.playArea);
  EXPECT_TRUE(AllPixels(Box(2).closedRect, scene.FromRgb(kHandleFullColour)));
}

TEST_P(CornerBoxPaintTest, OpenBoxHasTheLighterTilesAFrameItsIconsAndItsGroups) {
  CornerBox& box = Box(3);  // bottom-right quarter: (160, 136) to (320, 240)
  box.open = true;
  Piece& stored = scene.AddPiece(0, 0, 200, 180, kBodyRgb);
  scene.GroupOf(stored).box = 3;
  Piece& field = scene.AddPiece(1, 0, 230, 180, kBodyRgb);
  scene.Compose(scene.state.playArea);
  const Rect& o = box.openRect;
  ASSERT_EQ(o, (Rect{160, 136, 320, 240}));
  const uint32_t dark = scene.FromRgb(kBoxFrameDark), light = scene.FromRgb(kBoxFrameLight);
  const uint32_t rings[] = {dark, light, light, dark};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(scene.Pixel(o.left + i, 180), rings[i]) << i;
    EXPECT_EQ(scene.Pixel(250, o.top + i), rings[i]) << i;
    EXPECT_EQ(scene.Pixel(o.right - 1 - i, 150), rings[i]) << i;
    EXPECT_EQ(scene.Pixel(250, o.bottom - 1 - i), rings[i]) << i;
  }
  EXPECT_EQ(scene.Pixel(o.left + 4, 180), LighterBackground());
  EXPECT_TRUE(AllPixels(box.InnerHandle(), scene.FromRgb(BoxIconColour(3))));
  EXPECT_TRUE(AllPixels(box.closedRect, scene.FromRgb(kHandleFullColour)));
  EXPECT_EQ(scene.Pixel(205, 185), scene.FromRgb(kBodyRgb));
  // The field's piece is under the open box.
  EXPECT_EQ(scene.Pixel(field.x + 5, field.y + 5), LighterBackground());
}

TEST_P(CornerBoxPaintTest, LighterTilesAreAnchoredAtTheClientsCorner) {
  SurfaceDrawingContext tile(*scene.resources.boxBackgroundTile);
  tile.FillRect({0, 0, kTileSide, kTileSide}, 0x00102030);
  tile.FillRect({0, 0, 1, 1}, 0x00FFFFFF);
  Box(2).open = true;  // (160, 32) to (320, 136) holds the tile corner (256, 128)
  scene.Compose(scene.state.playArea);
  const uint32_t mark = scene.FromRgb(0x00FFFFFF), plain = scene.FromRgb(0x00102030);
  EXPECT_EQ(scene.Pixel(256, 128), mark);
  EXPECT_EQ(scene.Pixel(257, 128), plain);
  EXPECT_EQ(scene.Pixel(256, 127), plain);
}

TEST_P(CornerBoxPaintTest, HoveringDraggedGroupIsDrawnInTheBoxWithItsShadow) {
  CornerBox& box = Box(2);
  box.open = true;
  box.highlighted = true;
  Piece& dragged = scene.AddPiece(0, 0, 250, 60, kBodyRgb);
  scene.GroupOf(dragged).box = 2;
  scene.puzzle.draggedGroup = &scene.GroupOf(dragged);
  scene.Compose(scene.state.playArea);
  EXPECT_EQ(scene.Pixel(255, 65), scene.FromRgb(kBodyRgb));
  EXPECT_EQ(scene.Pixel(250 + kSide + 2, 70), 0u);  // shadow offset 5
}

TEST_P(CornerBoxPaintTest, GroupsAreClippedToTheOpenBox) {
  Box(1).open = true;  // (0, 32) to (160, 136)
  Piece& stored = scene.AddPiece(0, 0, 150, 60, kBodyRgb);
  scene.GroupOf(stored).box = 1;
  scene.Compose(scene.state.playArea);
  EXPECT_EQ(scene.Pixel(152, 65), scene.FromRgb(kBodyRgb));
  EXPECT_EQ(scene.Pixel(161, 65), Background());
}

TEST_P(CornerBoxPaintTest, RectangleOutsideTheBoxDrawsNothingOfIt) {
  Box(1).open = true;
  FillRect(*scene.resources.backSurface, scene.resources.backSurface->Bounds(), 0);
  PaintCornerBox(scene.resources, scene.state, &scene.puzzle, Box(1), {200, 150, 220, 170});
  EXPECT_TRUE(AllPixels(Box(1).openRect, 0));
  PaintCornerBox(scene.resources, scene.state, &scene.puzzle, Box(1), {100, 100, 101, 101});
  // Frame and icons are drawn whole; the tiles only inside the rectangle.
  EXPECT_EQ(scene.Pixel(0, 100), scene.FromRgb(kBoxFrameDark));
  EXPECT_TRUE(AllPixels(Box(1).InnerHandle(), scene.FromRgb(BoxIconColour(1))));
  EXPECT_EQ(scene.Pixel(100, 100), LighterBackground());
  EXPECT_EQ(scene.Pixel(100, 99), 0u);
}

INSTANTIATE_TEST_SUITE_P(Formats, CornerBoxPaintTest, ::testing::ValuesIn(kFormatNames),
                         PaintFormatName);

}  // namespace
