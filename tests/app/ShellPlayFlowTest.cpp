// A game through the windows: picking, playing, the clock, pausing, joining pieces with the
// mouse, leaving with Escape and Back, finishing, and the end with and without an open game.
#include <gtest/gtest.h>

#include "ShellBitmaps.h"
#include "ShellHarness.h"
#include "game/GameCommands.h"
#include "play/HitTest.h"
#include "play/Joining.h"

// After the game's headers: the application header declares the X window system's Display.
#include <QApplication>
#include <QTest>

namespace {

bool IsYellow(QRgb pixel) {
  return qRed(pixel) == 255 && qGreen(pixel) == 255 && qBlue(pixel) == 0;
}

// Whether the yellow selection frame shows on the left and the top edge of the cell's frame.
bool FramedOnScreen(const QImage& shown, const PuzzleRecord& puzzle) {
  const int left = puzzle.cellLeft - kSelectionFrameGap, top = puzzle.cellTop - kSelectionFrameGap;
  bool leftEdge = false, topEdge = false;
  for (int d = -1; d <= 1; ++d) {
    leftEdge = leftEdge || IsYellow(shown.pixel(left + d, puzzle.cellTop + 50));
    topEdge = topEdge || IsYellow(shown.pixel(puzzle.cellLeft + 50, top + d));
  }
  return leftEdge && topEdge;
}

// The piece block a save of the record must have written: the pieces in id order, then the
// groups in drawing order.
std::vector<uint8_t> PieceBlockOf(const PuzzleRecord& puzzle) {
  std::vector<TestPiece> pieces;
  for (const auto& piece : puzzle.pieces) pieces.push_back({piece->x, piece->y, piece->rotation});
  std::vector<TestGroup> groups;
  for (const auto& group : puzzle.groups) {
    TestGroup saved{static_cast<uint32_t>(group->box), {}};
    for (const Piece* piece : group->pieces) saved.ids.push_back(static_cast<uint32_t>(piece->id));
    groups.push_back(saved);
  }
  return BuildPieceBlock(pieces, groups);
}

Piece& PieceAt(PuzzleRecord& puzzle, int col) {
  for (const auto& piece : puzzle.pieces)
    if (piece->col == col && piece->row == 0) return *piece;
  throw std::runtime_error("no piece in column " + std::to_string(col));
}

const PieceGroup* GroupOf(const PuzzleRecord& puzzle, const Piece& piece) {
  for (const auto& group : puzzle.groups)
    for (const Piece* member : group->pieces)
      if (member == &piece) return group.get();
  return nullptr;
}

// The row of three laid out on the field: every piece `spread` pixels further right per column
// than where it belongs beside the one before it.
void SpreadRow(Game& game, PuzzleRecord& puzzle, int spread) {
  const Rect& area = game.State().playArea;
  for (const auto& piece : puzzle.pieces) {
    LayAtHome(*piece, area.left + 150, area.top + 120);
    piece->x += spread * piece->col;
  }
  game.RedrawRect(area);
}

// A point on the piece where a press picks it.
QPoint GrabPointOf(PuzzleRecord& puzzle, Piece& piece) {
  const QPoint centre(piece.x + piece.imageWidth / 2, piece.y + piece.imageHeight / 2);
  EXPECT_EQ(HitTest(puzzle, {centre.x(), centre.y()}, 0).piece, &piece);
  return centre;
}

void ExpectGalleryShown(ShellHarness& h) {
  CChildView& view = h.View();
  EXPECT_EQ(h.TheGame().Mode(), ViewMode::Gallery);
  EXPECT_TRUE(view.Panel()->isVisible());
  EXPECT_TRUE(view.Bar(GalleryBar::Packs)->isVisible());
  EXPECT_TRUE(view.Bar(GalleryBar::Puzzles)->isVisible());
  EXPECT_FALSE(view.Toolbar()->isVisible());
  EXPECT_FALSE(h.Frame().Thumbnail().isVisible());
  EXPECT_EQ(QApplication::focusWidget(), &view);
}

void ExpectPlayShown(ShellHarness& h, const PuzzleRecord& puzzle) {
  CChildView& view = h.View();
  EXPECT_EQ(h.TheGame().Mode(), ViewMode::Play);
  EXPECT_EQ(h.TheGame().OpenPuzzle(), &puzzle);
  EXPECT_TRUE(view.Toolbar()->isVisible());
  EXPECT_FALSE(view.Panel()->isVisible());
  EXPECT_FALSE(view.Bar(GalleryBar::Packs)->isVisible());
  EXPECT_FALSE(view.Bar(GalleryBar::Puzzles)->isVisible());
  EXPECT_FALSE(view.MessageWindow()->isVisible()) << "the Loading window stayed open";
  EXPECT_TRUE(view.IdleRunning());
  EXPECT_EQ(QApplication::focusWidget(), &view);
}

TEST(ShellPlayFlowTest, PickPlayJoinLeaveFinishAndExit) {
  ShellHarness h;
  Game& game = h.TheGame();
  PuzzlePack& shapes = h.Pack(kShapesPack);
  PuzzleRecord& strip = h.Puzzle(kShapesPack, "Strip");
  PuzzleRecord& wide = h.Puzzle(kShapesPack, "Wide");
  ASSERT_EQ(game.Library().currentPack, &shapes);
  ASSERT_EQ(shapes.currentPuzzle, &strip);
  ExpectGalleryShown(h);
  EXPECT_FALSE(h.View().IdleRunning());

  // The screen shows the composed gallery with the first puzzle framed.
  QImage shown = h.Shown();
  EXPECT_TRUE(FramedOnScreen(shown, strip));
  EXPECT_FALSE(FramedOnScreen(shown, wide));
  EXPECT_EQ(FrameDifferences(shown, *game.BackSurface(), VisiblePuzzlesArea(game), 5),
            std::vector<std::string>{});
  EXPECT_EQ(FrameDifferences(shown, *game.BackSurface(), game.Layout().packsArea, 5),
            std::vector<std::string>{});

  // A click moves the selection and the frame.
  h.Click(CellCentre(wide));
  EXPECT_EQ(shapes.currentPuzzle, &wide);
  shown = h.Shown();
  EXPECT_TRUE(FramedOnScreen(shown, wide));
  EXPECT_FALSE(FramedOnScreen(shown, strip)) << "the old frame is still shown";
  EXPECT_EQ(FrameDifferences(shown, *game.BackSurface(), VisiblePuzzlesArea(game), 5),
            std::vector<std::string>{});

  // A double click plays the puzzle under it.
  h.DoubleClick(CellCentre(strip));
  ExpectPlayShown(h, strip);
  ASSERT_EQ(strip.pieces.size(), 3u);
  shown = h.Shown();
  const QImage timePanel = BitmapImage(EmbeddedBitmaps(), kTimePanelBitmap);
  EXPECT_EQ(shown.pixel(3, 16), timePanel.pixel(3, 16));
  EXPECT_EQ(shown.pixel(170, 5), timePanel.pixel(170, 5));
  EXPECT_EQ(FrameDifferences(shown, *game.BackSurface(), game.State().playArea, 9),
            std::vector<std::string>{});

  // Dragging the middle piece beside the first joins them.
  SpreadRow(game, strip, 100);
  Piece& first = PieceAt(strip, 0);
  Piece& middle = PieceAt(strip, 1);
  Piece& last = PieceAt(strip, 2);
  EXPECT_EQ(FrameDifferences(h.Shown(), *game.BackSurface(), game.State().playArea, 9),
            std::vector<std::string>{})
      << "the moved pieces are not shown where they lie";
  const QPoint grab = GrabPointOf(strip, middle);
  h.Drag(grab, grab - QPoint(100, 0));
  EXPECT_EQ(strip.groups.size(), 2u);
  EXPECT_EQ(GroupOf(strip, middle), GroupOf(strip, first));
  EXPECT_EQ(middle.x, first.x + first.cellWidth);
  EXPECT_EQ(middle.y, first.y);
  EXPECT_EQ(strip.solvedPercent, 50);
  EXPECT_EQ(FrameDifferences(h.Shown(), *game.BackSurface(), game.State().playArea, 9),
            std::vector<std::string>{})
      << "the drop is not shown";

  // Escape saves the game into the puzzle file and shows the gallery again.
  h.PressKey(Qt::Key_Escape);
  ExpectGalleryShown(h);
  EXPECT_EQ(shapes.currentPuzzle, &strip);
  QvxFields saved = h.ReadPuzzleFile(kShapesPack, "Strip");
  EXPECT_EQ(saved.header.solvedPercent, 50);
  EXPECT_EQ(saved.pieceBlock, PieceBlockOf(strip));
  EXPECT_TRUE(FramedOnScreen(h.Shown(), strip));

  // Playing again resumes; the last piece completes the puzzle.
  h.DoubleClick(CellCentre(strip));
  ExpectPlayShown(h, strip);
  EXPECT_EQ(strip.groups.size(), 2u);
  const QPoint grabLast = GrabPointOf(strip, last);
  h.Drag(grabLast, grabLast - QPoint(200, 0));
  EXPECT_EQ(game.Mode(), ViewMode::Celebration);
  EXPECT_EQ(strip.solvedPercent, 100);
  EXPECT_EQ(strip.groups.size(), 1u);

  // In the celebration Arrange opens no menu and Escape does not leave; Back does.
  PopupWatch watch([](QMenu& menu) { menu.close(); });
  h.ClickButton(h.View().Toolbar()->ArrangeButton());
  QTest::qWait(100);
  EXPECT_EQ(watch.Seen(), nullptr) << "Arrange opened a menu in the celebration";
  h.PressKey(Qt::Key_Escape);
  EXPECT_EQ(game.Mode(), ViewMode::Celebration);
  h.ClickButton(h.View().Toolbar()->Button(kBackCommand));
  ExpectGalleryShown(h);
  saved = h.ReadPuzzleFile(kShapesPack, "Strip");
  EXPECT_EQ(saved.header.solvedPercent, 100);
  EXPECT_EQ(saved.pieceBlock, PieceBlockOf(strip));

  // Exit closes the frame and writes every puzzle back, with the cell it was last shown in.
  const QPoint wideCell(wide.cellLeft, wide.cellTop);
  ASSERT_NE(wideCell, QPoint(h.ReadPuzzleFile(kShapesPack, "Wide").header.cellLeft,
                             h.ReadPuzzleFile(kShapesPack, "Wide").header.cellTop));
  h.ClickButton(h.View().Panel()->Button(kExitCommand));
  EXPECT_TRUE(WaitUntil([&] { return !h.Frame().isVisible(); }));
  EXPECT_FALSE(h.View().IdleRunning());
  const QvxFields wideSaved = h.ReadPuzzleFile(kShapesPack, "Wide");
  EXPECT_EQ(QPoint(wideSaved.header.cellLeft, wideSaved.header.cellTop), wideCell);
  EXPECT_TRUE(wideSaved.pieceBlock.empty());
}

// Whether the screen shows digit `digit` of the digits picture with its top-left at (x, 1).
bool ShowsDigit(const QImage& shown, int x, int digit) {
  const QImage digits = BitmapImage(EmbeddedBitmaps(), kDigitsBitmap);
  constexpr int kWidth = 19, kHeight = 28;
  for (int y = 0; y < kHeight; ++y)
    for (int dx = 0; dx < kWidth; ++dx)
      if (shown.pixel(x + dx, 1 + y) != digits.pixel(kWidth * digit + dx, y)) return false;
  return true;
}

TEST(ShellPlayFlowTest, TheClockRunsAPausedFieldTakesNoPieceAndClosingTheFrameSaves) {
  ShellHarness h;
  Game& game = h.TheGame();
  PuzzleRecord& strip = h.Puzzle(kShapesPack, "Strip");
  h.DoubleClick(CellCentre(strip));
  ExpectPlayShown(h, strip);

  // The idle steps run the clock; paused, the toolbar shows the time it stopped at.
  ASSERT_TRUE(WaitUntil([&] { return game.State().clock.shown.seconds >= 1; }))
      << "the clock does not run";
  h.ClickButton(h.View().Toolbar()->Button(kPauseCommand));
  ASSERT_TRUE(game.State().flags.paused);
  const ClockReading stopped = game.State().clock.shown;
  ASSERT_EQ(stopped.minutes, 0);
  const QImage shown = h.Shown();
  EXPECT_TRUE(ShowsDigit(shown, 128, stopped.seconds / 10));
  EXPECT_TRUE(ShowsDigit(shown, 147, stopped.seconds % 10)) << "the clock is not shown";
  EXPECT_TRUE(ShowsDigit(shown, 71, 0));
  EXPECT_TRUE(ShowsDigit(shown, 33, 0));

  // While paused a press picks nothing: the piece stays.
  SpreadRow(game, strip, 100);
  Piece& middle = PieceAt(strip, 1);
  const QPoint grab = GrabPointOf(strip, middle);
  const int startY = middle.y;
  EXPECT_TRUE(h.View().PauseWindow()->isVisible());
  h.Drag(grab, grab + QPoint(0, 150));
  EXPECT_EQ(middle.y, startY);
  EXPECT_EQ(strip.groups.size(), 3u);

  // Escape leaves a paused game without its pause window; played again it is not paused.
  h.PressKey(Qt::Key_Escape);
  ExpectGalleryShown(h);
  EXPECT_FALSE(h.View().PauseWindow()->isVisible());
  h.DoubleClick(CellCentre(strip));
  ExpectPlayShown(h, strip);
  EXPECT_FALSE(game.State().flags.paused);
  EXPECT_FALSE(h.View().PauseWindow()->isVisible());

  // Now the piece moves; the frame's close (the caption's button) saves the open game.
  h.Drag(grab, grab + QPoint(0, 150));
  EXPECT_EQ(middle.y, startY + 150);
  const std::vector<uint8_t> expected = PieceBlockOf(strip);
  EXPECT_TRUE(h.Frame().close());
  EXPECT_FALSE(h.View().IdleRunning());
  EXPECT_EQ(h.ReadPuzzleFile(kShapesPack, "Strip").pieceBlock, expected);
}

}  // namespace
