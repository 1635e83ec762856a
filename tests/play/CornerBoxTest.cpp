// Corner boxes: layout, handle clicks and the hover rule while dragging.
#include "play/CornerBox.h"

#include <gtest/gtest.h>

namespace {

// A 1024 x 768 client: midX = 512, midY = (768 - 32) / 2 + 32 = 400.
CornerBoxes Boxes() {
  return MakeCornerBoxes({0, 0, 1024, 768});
}

TEST(CornerBoxLayout, HandlesSitInTheCornersBelowTheToolbar) {
  const CornerBoxes boxes = Boxes();
  EXPECT_EQ(boxes[0].closedRect, (Rect{0, 32, 32, 64}));
  EXPECT_EQ(boxes[1].closedRect, (Rect{992, 32, 1024, 64}));
  EXPECT_EQ(boxes[2].closedRect, (Rect{992, 736, 1024, 768}));
  EXPECT_EQ(boxes[3].closedRect, (Rect{0, 736, 32, 768}));
  EXPECT_EQ(boxes[0].openRect, (Rect{0, 32, 512, 400}));
  EXPECT_EQ(boxes[2].openRect, (Rect{512, 400, 1024, 768}));
  for (int i = 0; i < kCornerBoxCount; ++i) {
    EXPECT_EQ(boxes[static_cast<std::size_t>(i)].number, i + 1);
    EXPECT_FALSE(boxes[static_cast<std::size_t>(i)].open);
  }
}

// The open boxes tile the play field below the toolbar: every point lies in exactly one.
TEST(CornerBoxLayout, OpenBoxesTileThePlayField) {
  for (const Rect client : {Rect{0, 0, 1024, 768}, Rect{0, 0, 801, 599}, Rect{10, 20, 333, 457}}) {
    const CornerBoxes boxes = MakeCornerBoxes(client);
    for (int y = client.top - 1; y <= client.bottom; y += 3) {
      for (int x = client.left - 1; x <= client.right; x += 3) {
        int holders = 0;
        for (const CornerBox& box : boxes) holders += box.openRect.Contains(x, y);
        const bool inField =
            x >= client.left && x < client.right && y >= client.top + 32 && y < client.bottom;
        ASSERT_EQ(holders, inField ? 1 : 0) << x << "," << y;
      }
    }
  }
}

TEST(CornerBoxLayout, InnerHandlesFaceTheFieldsCentre) {
  const CornerBoxes boxes = Boxes();
  EXPECT_EQ(boxes[0].InnerHandle(), (Rect{480, 368, 512, 400}));
  EXPECT_EQ(boxes[1].InnerHandle(), (Rect{512, 368, 544, 400}));
  EXPECT_EQ(boxes[2].InnerHandle(), (Rect{512, 400, 544, 432}));
  EXPECT_EQ(boxes[3].InnerHandle(), (Rect{480, 400, 512, 432}));
}

TEST(CornerBoxClicks, ACornerHandleOpensAndClosesItsBox) {
  CornerBoxes boxes = Boxes();
  PlayEffects effects;
  EXPECT_TRUE(OfferClickToBoxes(boxes, {1000, 40}, effects));
  EXPECT_TRUE(boxes[1].open);
  EXPECT_EQ(effects.RepaintRects(), (std::vector<Rect>{{512, 32, 1024, 400}}));
  EXPECT_EQ(BoxNumberAt(boxes, {600, 300}), 2);
  EXPECT_TRUE(OfferClickToBoxes(boxes, {1000, 40}, effects));
  EXPECT_FALSE(boxes[1].open);
  EXPECT_EQ(BoxNumberAt(boxes, {600, 300}), 0);
}

TEST(CornerBoxClicks, TheInnerHandleClosesAnOpenBoxOnly) {
  CornerBoxes boxes = Boxes();
  PlayEffects effects;
  EXPECT_FALSE(OfferClickToBoxes(boxes, {520, 410}, effects));  // box 3 closed: just field
  boxes[2].open = true;
  EXPECT_FALSE(OfferClickToBoxes(boxes, {600, 500}, effects));  // inside the box, off handles
  EXPECT_TRUE(OfferClickToBoxes(boxes, {520, 410}, effects));
  EXPECT_FALSE(boxes[2].open);
  EXPECT_EQ(effects.RepaintRects(), (std::vector<Rect>{{512, 400, 1024, 768}}));
}

TEST(CornerBoxHover, CrossingAHandleOpensTheBoxAndTheQuarterKeepsTheGroup) {
  CornerBoxes boxes = Boxes();
  PieceGroup group;
  PlayEffects effects;
  HoverBoxes(boxes, {10, 40}, group, effects);
  EXPECT_TRUE(boxes[0].open);
  EXPECT_TRUE(boxes[0].highlighted);
  EXPECT_EQ(group.box, 1);
  EXPECT_EQ(effects.RepaintRects(), (std::vector<Rect>{{0, 32, 512, 400}}));

  // Anywhere in the quarter the group stays in box 1; an open box is repainted only while not
  // hovered, and at every move.
  effects = {};
  HoverBoxes(boxes, {300, 300}, group, effects);
  EXPECT_EQ(group.box, 1);
  EXPECT_TRUE(effects.steps.empty());

  effects = {};
  HoverBoxes(boxes, {700, 300}, group, effects);
  EXPECT_EQ(group.box, 0);
  EXPECT_TRUE(boxes[0].open);
  EXPECT_FALSE(boxes[0].highlighted);
  EXPECT_EQ(effects.RepaintRects(), (std::vector<Rect>{{0, 32, 512, 400}}));
  effects = {};
  HoverBoxes(boxes, {701, 300}, group, effects);
  EXPECT_EQ(effects.RepaintRects(), (std::vector<Rect>{{0, 32, 512, 400}}));
}

TEST(CornerBoxHover, CloseAllClearsOpenAndHighlight) {
  CornerBoxes boxes = Boxes();
  PieceGroup group;
  PlayEffects effects;
  HoverBoxes(boxes, {1000, 760}, group, effects);
  boxes[0].open = true;
  CloseAllBoxes(boxes);
  for (const CornerBox& box : boxes) {
    EXPECT_FALSE(box.open);
    EXPECT_FALSE(box.highlighted);
  }
}

}  // namespace
