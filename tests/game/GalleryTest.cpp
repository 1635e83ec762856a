// The gallery through the game: what is painted where, the clicks, the scroll bars, the
// double-click into play, and the repaint after the display lost its surfaces.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "FakeHost.h"
#include "QvxTestFile.h"
#include "TestPictures.h"
#include "assets/EmbeddedBitmaps.h"
#include "game/Game.h"
#include "game/GameCommands.h"

namespace {

// One call on the text painter, with the clip it was made under.
struct TextCall {
  enum class Kind { At, Centred, Frame };
  Kind kind;
  Rect box;  // At: the point as an empty rectangle
  std::string text;
  uint32_t rgb;
  Rect clip;
};

class RecordingText final : public TextPainter {
 public:
  bool Begin(Surface& surface, const Rect& clip) override {
    clip_ = clip;
    return static_cast<bool>(surface.Lock());
  }
  void SetClip(const Rect& clip) override { clip_ = clip; }
  void DrawTextAt(int x, int y, std::string_view text, FontId, uint32_t rgb) override {
    calls.push_back({TextCall::Kind::At, {x, y, x, y}, std::string(text), rgb, clip_});
  }
  void DrawTextCentred(const Rect& box, std::string_view text, FontId, uint32_t rgb) override {
    calls.push_back({TextCall::Kind::Centred, box, std::string(text), rgb, clip_});
  }
  void FrameRect(const Rect& rect, uint32_t rgb) override {
    calls.push_back({TextCall::Kind::Frame, rect, "", rgb, clip_});
  }
  void End() override {}
  int TextWidth(std::string_view text, FontId) override { return static_cast<int>(text.size()); }

  // The calls of a kind whose text starts with `text`.
  std::vector<TextCall> Find(TextCall::Kind kind, const std::string& text = "") const {
    std::vector<TextCall> found;
    for (const TextCall& call : calls) {
      if (call.kind == kind && call.text.rfind(text, 0) == 0) found.push_back(call);
    }
    return found;
  }
  std::vector<TextCall> calls;

 private:
  Rect clip_;
};

// Three packs: "Big" with seven puzzles and a 160 x 140 cover, "Empty", and "Small" with two.
// The view is 724 x 768, so the puzzle grid is 600 x 548: two columns, four rows of Big.
class Gallery : public testing::Test {
 protected:
  Gallery() : service(PixelFormatInfo::Rgb32()) {
    const auto puzzles = folder.Path() / "Puzzles";
    WriteTestPack(service, puzzles, "Big", {"A", "B", "C", "D", "E", "F", "G"});
    WriteTestJpeg(puzzles / "Big" / "Thumb.jpg", 160, 140);
    WriteTestPack(service, puzzles, "Empty", {});
    WriteTestPack(service, puzzles, "Small", {"X", "Y"});
    game.Start();
    game.SelectPuzzle(&Pack("Big"), Pack("Big").puzzles[2].get());
  }

  PuzzlePack& Pack(const std::string& name) {
    for (const auto& pack : game.Library().packs) {
      if (pack->name == name) return *pack;
    }
    ADD_FAILURE() << "no pack " << name;
    return *game.Library().packs.front();
  }
  PuzzleRecord& Big(int index) { return *Pack("Big").puzzles.at(static_cast<std::size_t>(index)); }
  const GalleryLayout& Layout() { return game.Layout(); }
  void Repaint() {
    text.calls.clear();
    game.RedrawRect(Layout().client);
  }
  uint32_t BackPixel(int x, int y) {
    uint32_t pixel = 0;
    std::memcpy(&pixel, std::as_const(*game.BackSurface()).Lock().Row(y) + 4 * x, 4);
    return pixel;
  }
  template <typename Item>
  Rect CellOf(const Item& item) {
    return Rect::FromSize(item.cellLeft, item.cellTop, 100, 100);
  }

  TempFolder folder;
  SurfaceService service;
  EmbeddedBitmaps bitmaps;
  FakeHost host;
  RecordingText text;
  Game game{host, service, bitmaps,
            GameSetup{folder.Path().string(), 724, 768, TileSettings{}, &text, 16}};
};

TEST_F(Gallery, PicturesTextsAndFramesLandOnTheCells) {
  PuzzleRecord& c = Big(2);
  c.blackAndWhite = 1;
  c.hours = 1, c.minutes = 2, c.seconds = 3;
  Repaint();
  const Rect cell = CellOf(c);
  ASSERT_EQ(cell, PuzzleCell(Layout(), 2, 0));
  const int tx = cell.left + (100 - c.thumbWidthPx) / 2,
            ty = cell.top + (100 - c.thumbHeightPx) / 2;
  uint32_t master = 0;
  std::memcpy(&master, std::as_const(*c.thumbMaster).Lock().Row(0), 4);
  EXPECT_EQ(BackPixel(tx, ty), master);
  EXPECT_EQ(BackPixel(tx + c.thumbWidthPx + 2, ty + c.thumbHeightPx + 2) & 0xFFFFFF, 0u);

  const auto frames = text.Find(TextCall::Kind::Frame);
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0].box,
            (Rect{cell.left - 10, cell.top - 10, cell.right + 10, cell.bottom + 10}));
  EXPECT_EQ(frames[0].rgb, 0xFFFF00u);
  EXPECT_EQ(frames[0].clip, Layout().puzzlesArea);
  EXPECT_EQ(frames[1].box.left, CellOf(Pack("Big")).left - 10);
  EXPECT_EQ(frames[1].clip, Layout().packsArea);

  const auto names = text.Find(TextCall::Kind::Centred, "C");
  ASSERT_EQ(names.size(), 2u);  // black below, then white on the box
  EXPECT_EQ(names[1].box, Rect::FromSize(cell.left, cell.top + 110, 100, 10));
  EXPECT_EQ(names[1].rgb, 0xFFFFFFu);
  const auto counts = text.Find(TextCall::Kind::At, "12");
  ASSERT_EQ(counts.size(), 12u);  // every puzzle has 12; the fourth row is out of sight
  EXPECT_EQ(counts[5].box, (Rect{tx - 8, ty - 13, tx - 8, ty - 13}));
  const auto infos = text.Find(TextCall::Kind::Centred, "12 pieces. Solved 0%.\nRotation: YES\n");
  ASSERT_EQ(infos.size(), 12u);
  EXPECT_EQ(infos[5].text,
            "12 pieces. Solved 0%.\nRotation: YES\nBlack'n'White: YES\nTime 1h 2m 3s\n"
            "Picture size 160x120");
  EXPECT_EQ(infos[5].box.top, cell.top + 130);
  EXPECT_EQ(text.Find(TextCall::Kind::Centred, "7 puzzles").size(), 2u);

  // A completed puzzle says so; a pack without puzzles shows none and frames none.
  c.solvedPercent = 100;
  Repaint();
  EXPECT_EQ(text.Find(TextCall::Kind::Centred, "12 pieces. Solved 100%.").size(), 2u);
  game.LeftButtonDown({CellOf(Pack("Empty")).left + 50, 100});
  Repaint();
  EXPECT_EQ(text.Find(TextCall::Kind::Centred, "0 puzzles").size(), 2u);
  EXPECT_TRUE(text.Find(TextCall::Kind::Centred, "12 pieces").empty());
  ASSERT_EQ(text.Find(TextCall::Kind::Frame).size(), 1u);
  EXPECT_EQ(text.Find(TextCall::Kind::Frame)[0].clip, Layout().packsArea);
  EXPECT_FALSE(host.puzzlesBar.enabled);
}

TEST_F(Gallery, ClicksHitTheCellsOnly) {
  Repaint();
  PuzzlePack& small = Pack("Small");
  const Rect bigCover = CellOf(Pack("Big"));
  host.ClearRecords();
  // The band inside the frame, and the cover where it reaches beyond its cell, select nothing.
  for (const ClientPoint p : {ClientPoint{bigCover.left - 15, 60},
                              {bigCover.right, 60},
                              {CellOf(Big(0)).left - 5, CellOf(Big(0)).top + 50},
                              {CellOf(Big(0)).right, CellOf(Big(0)).top + 50}}) {
    game.LeftButtonDown(p);
  }
  EXPECT_EQ(Pack("Big").currentPuzzle, &Big(2));
  EXPECT_TRUE(host.presents.empty());
  game.LeftButtonDown({CellOf(Big(3)).right - 1, CellOf(Big(3)).bottom - 1});
  EXPECT_EQ(Pack("Big").currentPuzzle, &Big(3));
  EXPECT_EQ(host.presents, (std::vector<Rect>{Layout().puzzlesArea}));

  // A pack click scrolls the new pack's grid back to the top.
  game.Scroll(GalleryBar::Puzzles, ScrollCode::PageDown);
  host.ClearRecords();
  game.LeftButtonDown({CellOf(small).left, CellOf(small).top});
  EXPECT_EQ(game.Library().currentPack, &small);
  EXPECT_EQ(host.puzzlesBar, (ScrollBarState{false, 0, 0}));
  EXPECT_EQ(host.presents, (std::vector<Rect>{Layout().packsArea, Layout().puzzlesArea}));
  // Each pack keeps its own selection.
  game.LeftButtonDown({CellOf(Pack("Big")).left + 1, 51});
  EXPECT_EQ(Pack("Big").currentPuzzle, &Big(3));
}

TEST_F(Gallery, ScrollBarsStepRedrawAndFollowTheWheel) {
  const ScrollBarState packsOff{false, 0, 0};
  EXPECT_EQ(host.packsBar, packsOff);  // three packs fit the strip
  EXPECT_EQ(host.puzzlesBar, (ScrollBarState{true, 422, 0}));
  struct Step {
    ScrollCode code;
    int track;
    int position;
    bool redrawn;
  };
  const Step steps[] = {
      {ScrollCode::LineDown, 0, 23, true},       {ScrollCode::PageDown, 0, 253, true},
      {ScrollCode::PageDown, 0, 422, true},      {ScrollCode::LineDown, 0, 422, true},
      {ScrollCode::ThumbTrack, 422, 422, false}, {ScrollCode::ThumbTrack, 100, 100, true},
      {ScrollCode::Other, 0, 100, false},        {ScrollCode::LineUp, 0, 77, true},
  };
  for (const Step& step : steps) {
    host.ClearRecords();
    game.Scroll(GalleryBar::Puzzles, step.code, step.track);
    EXPECT_EQ(game.ScrollBar(GalleryBar::Puzzles).position, step.position);
    EXPECT_EQ(host.puzzlesBar.position, step.position);
    EXPECT_EQ(!host.presents.empty(), step.redrawn) << static_cast<int>(step.code);
  }
  EXPECT_EQ(Big(0).cellTop, 220 + 50 - 77);
  game.Wheel({400, 400}, 2);
  EXPECT_EQ(host.puzzlesBar.position, 31);
  game.Wheel({50, 400}, -5);   // over the side panel
  game.Wheel({400, 100}, -5);  // over the strip, which cannot scroll
  game.Scroll(GalleryBar::Packs, ScrollCode::PageDown);
  EXPECT_EQ(host.puzzlesBar.position, 31);
  EXPECT_EQ(host.packsBar, packsOff);
}

// A scroll moves the composed grid and paints only what came in and the title: the frame must
// then be exactly what a whole repaint at the new position gives.
TEST_F(Gallery, AScrolledGridEqualsAWholeRepaint) {
  Repaint();
  const Rect area = Layout().puzzlesArea;
  const auto areaPixels = [&] {
    std::vector<uint32_t> pixels;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) pixels.push_back(BackPixel(x, y));
    return pixels;
  };
  for (const ScrollCode code : {ScrollCode::LineDown, ScrollCode::PageDown, ScrollCode::LineUp,
                                ScrollCode::PageUp, ScrollCode::ThumbTrack}) {
    host.ClearRecords();
    const int before = game.ScrollBar(GalleryBar::Puzzles).position;
    game.Scroll(GalleryBar::Puzzles, code, 100);
    const int dy = before - game.ScrollBar(GalleryBar::Puzzles).position;
    ASSERT_NE(dy, 0);
    ASSERT_EQ(host.scrolls.size(), 1u);
    EXPECT_EQ(host.scrolls[0], std::make_pair(area, dy));
    for (const Rect& painted : host.presents) {
      EXPECT_TRUE(area.Contains(painted));
      EXPECT_LE(painted.Height(), 40 + std::abs(dy));
    }
    const std::vector<uint32_t> scrolled = areaPixels();
    game.RedrawRect(area);
    EXPECT_EQ(scrolled, areaPixels()) << "after scrolling by " << dy;
  }
}

TEST_F(Gallery, ADoubleClickPlaysAndLeavingGivesTheBarsBack) {
  Repaint();
  game.Scroll(GalleryBar::Puzzles, ScrollCode::LineDown);
  const Rect cell = CellOf(Big(1));
  game.LeftDoubleClick({cell.left + 50, cell.top + 50});
  ASSERT_EQ(game.Mode(), ViewMode::Play);
  EXPECT_EQ(game.OpenPuzzle(), &Big(1));
  host.puzzlesBar = host.packsBar = {};
  game.Command(kBackCommand);
  EXPECT_EQ(game.Mode(), ViewMode::Gallery);
  EXPECT_EQ(host.puzzlesBar, (ScrollBarState{true, 422, 23}));
  EXPECT_FALSE(host.packsBar.enabled);
  // In the strip a double-click only picks the pack.
  game.LeftDoubleClick({CellOf(Pack("Small")).left + 50, 100});
  EXPECT_EQ(game.Mode(), ViewMode::Gallery);
  EXPECT_EQ(game.Library().currentPack, &Pack("Small"));
}

TEST_F(Gallery, ALostDisplayIsRestoredAndRepaintedWhole) {
  service.LoseDisplaySurfaces();
  host.ClearRecords();
  text.calls.clear();
  game.RedrawRect({200, 300, 210, 310});
  EXPECT_EQ(host.presents, (std::vector<Rect>{Layout().client}));
  for (const PuzzlePack* pack : {&Pack("Big"), &Pack("Small")}) {
    ASSERT_NE(pack->thumb, nullptr);
    EXPECT_FALSE(pack->thumb->IsLost());
  }
  EXPECT_FALSE(Big(2).thumb->IsLost());
  EXPECT_FALSE(game.BackSurface()->IsLost());
  EXPECT_EQ(text.Find(TextCall::Kind::Frame).size(), 2u);
  PuzzleRecord& g = Big(2);
  uint32_t master = 0;
  std::memcpy(&master, std::as_const(*g.thumbMaster).Lock().Row(0), 4);
  EXPECT_EQ(
      BackPixel(g.cellLeft + (100 - g.thumbWidthPx) / 2, g.cellTop + (100 - g.thumbHeightPx) / 2),
      master);
}

}  // namespace
