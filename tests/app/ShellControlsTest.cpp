// The shell's controls: the play toolbar's buttons, the popup menus and their states, the
// start-up window, and the composed frame on the screen in every pixel format.
#include <gtest/gtest.h>

#include <set>

#include "ShellBitmaps.h"
#include "ShellHarness.h"
#include "TestPictures.h"
#include "game/GameCommands.h"
#include "play/CornerBox.h"
#include "play/HitTest.h"

// After the game's headers: the application header declares the X window system's Display.
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace {

// A point of the play field off the pieces and the corner boxes.
QPoint EmptyFieldPoint(Game& game) {
  const Rect& area = game.State().playArea;
  for (int y = area.top + 60; y < area.bottom - 60; y += 16) {
    for (int x = area.left + 60; x < area.right - 60; x += 16) {
      if (BoxNumberAt(game.State().boxes, {x, y}) == 0 && !HitTest(*game.OpenPuzzle(), {x, y}, 0))
        return {x, y};
    }
  }
  ADD_FAILURE() << "the field has no free point";
  return {};
}

// Every piece at one place on the field.
void StackPieces(Game& game, QPoint at) {
  for (const auto& piece : game.OpenPuzzle()->pieces) {
    piece->x = at.x();
    piece->y = at.y();
  }
  game.RedrawRect(game.State().playArea);
}

// Opens a popup menu with the right button at `at` and answers it; fails when none opens.
QMenu* RightClickMenu(ShellHarness& h, QPoint at) {
  h.Click(at, Qt::RightButton);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  EXPECT_NE(menu, nullptr) << "the right button opened no menu";
  if (menu != nullptr) {
    EXPECT_EQ(menu->pos(), h.View().mapToGlobal(at));
  }
  return menu;
}

QAction* ItemFor(QMenu& menu, int command) {
  for (QAction* action : menu.actions())
    if (action->menu() == nullptr && action->data().toInt() == command) return action;
  throw std::runtime_error("no menu item for " + std::to_string(command));
}

// Every item of the menu is enabled and ticked as the game answers for its command.
void ExpectItemsFollowTheGame(QMenu& menu, const Game& game) {
  for (QAction* action : menu.actions()) {
    if (action->isSeparator() || action->menu() != nullptr) continue;
    const int command = action->data().toInt();
    const CommandState state = game.QueryCommand(command);
    EXPECT_EQ(action->isEnabled(), state.enabled) << action->text().toStdString();
    if (action->isCheckable()) {
      EXPECT_EQ(action->isChecked(), state.checked) << action->text().toStdString();
    }
  }
}

TEST(ShellControlsTest, ToolbarPausesShowsTheGhostAndTheThumbnailAndArranges) {
  ShellHarness h;
  Game& game = h.TheGame();
  PuzzleRecord& wide = h.Puzzle(kShapesPack, "Wide");
  h.DoubleClick(CellCentre(wide));
  ASSERT_EQ(game.Mode(), ViewMode::Play);
  PlayToolbar& toolbar = *h.View().Toolbar();
  const Rect& area = game.State().playArea;

  // Pause shows the pause window over the middle of the view, and takes it away again.
  CMessageWnd& pause = *h.View().PauseWindow();
  h.ClickButton(toolbar.Button(kPauseCommand));
  EXPECT_TRUE(game.State().flags.paused);
  EXPECT_TRUE(pause.isVisible());
  EXPECT_EQ(pause.Text(), "Pause");
  EXPECT_LE((pause.geometry().center() - h.View().rect().center()).manhattanLength(), 2);
  h.ClickButton(toolbar.Button(kPauseCommand));
  EXPECT_FALSE(game.State().flags.paused);
  EXPECT_FALSE(pause.isVisible());

  // Ghost lays the faded picture where the puzzle will lie, and the play menu ticks it.
  StackPieces(game, {area.left + 40, area.top + 40});
  const QPoint middle(wide.ghostX + wide.ghostWidth / 2, wide.ghostY + wide.ghostHeight / 2);
  const Rect ghostArea =
      Rect::FromSize(wide.ghostX, wide.ghostY, wide.ghostWidth, wide.ghostHeight);
  const QRgb bare = h.Shown().pixel(middle);
  h.ClickButton(toolbar.Button(kGhostCommand));
  EXPECT_TRUE(game.State().flags.ghost);
  QImage shown = h.Shown();
  EXPECT_NE(shown.pixel(middle), bare) << "the ghost is not shown";
  EXPECT_EQ(FrameDifferences(shown, *game.BackSurface(), ghostArea, 3), std::vector<std::string>{});
  if (QMenu* menu = RightClickMenu(h, middle)) {
    EXPECT_EQ(menu, &h.Frame().Menus().Play());
    EXPECT_TRUE(ItemFor(*menu, kGhostCommand)->isChecked());
    EXPECT_FALSE(ItemFor(*menu, kPauseCommand)->isChecked());
    ExpectItemsFollowTheGame(*menu, game);
    menu->close();
  }
  h.ClickButton(toolbar.Button(kGhostCommand));
  EXPECT_FALSE(game.State().flags.ghost);
  EXPECT_EQ(h.Shown().pixel(middle), bare) << "Ghost twice does not give the field back";

  // Thumbnail shows the whole picture in its window at the frame's bottom right.
  CThumbnailWnd& thumbnail = h.Frame().Thumbnail();
  h.ClickButton(toolbar.Button(kThumbnailCommand));
  EXPECT_TRUE(game.State().flags.thumbnail);
  EXPECT_TRUE(thumbnail.isVisible());
  ASSERT_EQ(thumbnail.Picture().size(), QSize(160, 120));
  for (const QPoint p : {QPoint(3, 4), QPoint(80, 60), QPoint(151, 117)})
    EXPECT_EQ(thumbnail.Picture().pixel(p) & 0xFFFFFFu, TestPatternColour(p.x(), p.y()));
  const QRect frame = h.Frame().geometry();
  EXPECT_EQ(thumbnail.geometry().right(), frame.right() - 10);
  EXPECT_EQ(thumbnail.geometry().bottom(), frame.bottom());
  h.ClickButton(toolbar.Button(kThumbnailCommand));
  EXPECT_FALSE(game.State().flags.thumbnail);
  EXPECT_FALSE(thumbnail.isVisible());

  // Arrange opens its menu under the button; "Arrange in grid" spreads the stacked pieces.
  StackPieces(game, {area.left + 300, area.top + 300});
  PopupWatch watch([](QMenu& menu) { ChooseMenuItem(menu, kArrangeGridCommand); });
  QAbstractButton* arrange = toolbar.ArrangeButton();
  h.ClickButton(arrange);
  const auto places = [&] {
    std::set<std::pair<int, int>> found;
    for (const auto& piece : wide.pieces) found.insert({piece->x, piece->y});
    return found;
  };
  EXPECT_TRUE(WaitUntil([&] { return places().size() == wide.pieces.size(); }))
      << "Arrange in grid did not reach the game";
  EXPECT_EQ(watch.Seen(), &h.Frame().Menus().Arrange());
  EXPECT_EQ(watch.Commands(), (std::vector<int>{kArrangeGridCommand, kArrangeEdgeCommand,
                                                kArrangeRandomCommand, kEdgesApartCommand}));
  EXPECT_EQ(watch.SeenAt(), arrange->mapToGlobal(QPoint(0, arrange->height())));
  for (const auto& piece : wide.pieces) EXPECT_TRUE(area.Contains(piece->x, piece->y));
  EXPECT_EQ(FrameDifferences(h.Shown(), *game.BackSurface(), area, 9), std::vector<std::string>{});
}

TEST(ShellControlsTest, MenusCarryTheirCommandsAndFollowTheGame) {
  ShellHarness h;
  Game& game = h.TheGame();
  GameMenus& menus = h.Frame().Menus();
  EXPECT_EQ(MenuCommands(menus.Gallery()),
            (std::vector<int>{kPlayCommand, kScatterCommand, kModifyCommand, kRenameCommand,
                              kCreateCommand, 0, kRemoveCommand, 0, kOptionsCommand, 0,
                              kAboutCommand, kExitCommand}));
  EXPECT_EQ(MenuCommands(menus.Play()),
            (std::vector<int>{kPauseCommand, kGhostCommand, kThumbnailCommand, 0, kOptionsCommand,
                              kBackCommand, kUndoCommand, kRedoCommand}));
  EXPECT_EQ(menus.Play().actions().at(3)->menu(), &menus.Arrange());
  EXPECT_EQ(menus.Play().actions().at(3)->text(), "Arrange");
  EXPECT_EQ(ItemFor(menus.Gallery(), kExitCommand)->text(), "Exit");
  EXPECT_EQ(ItemFor(menus.Arrange(), kArrangeEdgeCommand)->text(), "Random at edge");
  EXPECT_EQ(ItemFor(menus.Arrange(), kEdgesApartCommand)->text(), "Edge pieces apart");
  EXPECT_EQ(ItemFor(menus.Play(), kUndoCommand)->text(), "Undo");

  // Outside the User pack Rename and Remove are grey.
  const QPoint free(game.Layout().puzzlesArea.left + 40, game.Layout().puzzlesArea.top + 40);
  if (QMenu* menu = RightClickMenu(h, free)) {
    EXPECT_EQ(menu, &menus.Gallery());
    EXPECT_FALSE(ItemFor(*menu, kRenameCommand)->isEnabled());
    EXPECT_FALSE(ItemFor(*menu, kRemoveCommand)->isEnabled());
    EXPECT_TRUE(ItemFor(*menu, kPlayCommand)->isEnabled());
    ExpectItemsFollowTheGame(*menu, game);
    menu->close();
  }

  // In the User pack they can be chosen; Play chosen from the menu starts its puzzle.
  PuzzlePack& user = h.Pack(kUserPack);
  h.Click(CellCentre(user));
  ASSERT_EQ(game.Library().currentPack, &user);
  PuzzleRecord& mine = h.Puzzle(kUserPack, "Mine");
  if (QMenu* menu = RightClickMenu(h, free)) {
    EXPECT_TRUE(ItemFor(*menu, kRenameCommand)->isEnabled());
    EXPECT_TRUE(ItemFor(*menu, kRemoveCommand)->isEnabled());
    ExpectItemsFollowTheGame(*menu, game);
    ChooseMenuItem(*menu, kPlayCommand);
  }
  ASSERT_TRUE(WaitUntil([&] { return game.Mode() == ViewMode::Play; }));
  EXPECT_EQ(game.OpenPuzzle(), &mine);
  EXPECT_TRUE(h.View().Toolbar()->isVisible());

  // The play menu: Ghost chosen from it is ticked the next time it opens.
  const QPoint field = EmptyFieldPoint(game);
  if (QMenu* menu = RightClickMenu(h, field)) {
    EXPECT_EQ(menu, &menus.Play());
    EXPECT_FALSE(ItemFor(*menu, kGhostCommand)->isChecked());
    ExpectItemsFollowTheGame(*menu, game);
    ChooseMenuItem(*menu, kGhostCommand);
  }
  EXPECT_TRUE(WaitUntil([&] { return game.State().flags.ghost; }));
  if (QMenu* menu = RightClickMenu(h, field)) {
    EXPECT_TRUE(ItemFor(*menu, kGhostCommand)->isChecked());
    EXPECT_TRUE(menu->actions().at(3)->isEnabled()) << "the Arrange submenu is grey in play";
    ExpectItemsFollowTheGame(*menu, game);
    ChooseMenuItem(*menu, kBackCommand);
  }
  EXPECT_TRUE(WaitUntil([&] { return game.Mode() == ViewMode::Gallery; }));
  EXPECT_TRUE(h.View().Panel()->isVisible());
}

TEST(ShellControlsTest, StartUpWindowClosesAtTheFirstClickAndSwallowsIt) {
  ShellHarness h(PixelFormatInfo::Rgb32(), true);
  Game& game = h.TheGame();
  QPointer<SplashWnd> splash = h.View().Splash();
  ASSERT_FALSE(splash.isNull());
  EXPECT_TRUE(splash->isVisible());
  EXPECT_EQ(splash->Text(), "Loaded.\nPress any key.");
  EXPECT_EQ(splash->size(), BitmapImage(EmbeddedBitmaps(), kSplashBitmap).size());
  EXPECT_LE(
      (splash->geometry().center() - h.Frame().screen()->geometry().center()).manhattanLength(), 2);

  // The click that closes it selects nothing; the next one does.
  PuzzlePack& shapes = h.Pack(kShapesPack);
  PuzzleRecord& wide = h.Puzzle(kShapesPack, "Wide");
  PuzzleRecord* const before = shapes.currentPuzzle;
  h.Click(CellCentre(wide));
  EXPECT_TRUE(WaitUntil([&] { return splash.isNull(); })) << "the start-up window stayed";
  EXPECT_EQ(shapes.currentPuzzle, before);
  h.Click(CellCentre(wide));
  EXPECT_EQ(shapes.currentPuzzle, &wide);
  EXPECT_EQ(game.Mode(), ViewMode::Gallery);

  // On its own: a key closes it and goes nowhere else.
  QLineEdit edit;
  edit.show();
  QPointer<SplashWnd> alone = new SplashWnd(QImage());
  alone->show();
  QTest::keyClick(&edit, Qt::Key_A);
  EXPECT_TRUE(WaitUntil([&] { return alone.isNull(); }));
  EXPECT_TRUE(edit.text().isEmpty());
  QTest::keyClick(&edit, Qt::Key_B);
  EXPECT_EQ(edit.text(), "b");
}

TEST(ShellControlsTest, TheThumbnailWindowKeepsThePlaceThePlayerMovedItTo) {
  ShellHarness h;
  Game& game = h.TheGame();
  PuzzleRecord& wide = h.Puzzle(kShapesPack, "Wide");
  h.DoubleClick(CellCentre(wide));
  ASSERT_EQ(game.Mode(), ViewMode::Play);
  h.ClickButton(h.View().Toolbar()->Button(kThumbnailCommand));
  CThumbnailWnd& thumbnail = h.Frame().Thumbnail();
  ASSERT_TRUE(thumbnail.isVisible());

  // Dragging its picture moves it; the puzzle keeps the new place.
  const QRect before = thumbnail.geometry();
  const QPoint grab = thumbnail.rect().center();
  QTest::mousePress(&thumbnail, Qt::LeftButton, {}, grab);
  QTest::mouseMove(&thumbnail, grab - QPoint(100, 80));
  QTest::mouseRelease(&thumbnail, Qt::LeftButton, {}, grab - QPoint(100, 80));
  const QRect moved = thumbnail.geometry();
  EXPECT_EQ(moved, before.translated(-100, -80));
  EXPECT_EQ(QRect(wide.thumbLeft, wide.thumbTop, wide.thumbWidth, wide.thumbHeight), moved);

  // Leaving saves it with the window shown; playing again opens it there.
  h.ClickButton(h.View().Toolbar()->Button(kBackCommand));
  EXPECT_FALSE(thumbnail.isVisible());
  const PuzzleHeader saved = h.ReadPuzzleFile(kShapesPack, "Wide").header;
  EXPECT_EQ(QRect(saved.thumbLeft, saved.thumbTop, saved.thumbWidth, saved.thumbHeight), moved);
  EXPECT_EQ(saved.thumbnailShown, 1);
  h.DoubleClick(CellCentre(wide));
  ASSERT_EQ(game.Mode(), ViewMode::Play);
  EXPECT_TRUE(thumbnail.isVisible());
  EXPECT_EQ(thumbnail.geometry(), moved);
  EXPECT_EQ(thumbnail.Picture().size(), QSize(160, 120));
}

TEST(ShellControlsTest, ScatterAsksFirstAndForgetsTheSavedGame) {
  ShellHarness h;
  Game& game = h.TheGame();
  PuzzleRecord& strip = h.Puzzle(kShapesPack, "Strip");
  h.DoubleClick(CellCentre(strip));
  ASSERT_EQ(game.Mode(), ViewMode::Play);
  h.PressKey(Qt::Key_Escape);
  ASSERT_EQ(game.Mode(), ViewMode::Gallery);
  ASSERT_FALSE(h.ReadPuzzleFile(kShapesPack, "Strip").pieceBlock.empty());

  // "No" keeps the saved game.
  {
    MessageBoxWatch watch(QMessageBox::No);
    h.ClickButton(h.View().Panel()->Button(kScatterCommand));
    ASSERT_TRUE(watch.Seen()) << "Scatter asked nothing";
    EXPECT_EQ(watch.Title(), "Pavlemir");
    EXPECT_EQ(watch.Text(), "Scatter this Puzzle?");
    EXPECT_EQ(watch.Icon(), QMessageBox::Question);
  }
  EXPECT_FALSE(h.ReadPuzzleFile(kShapesPack, "Strip").pieceBlock.empty());

  // "Yes" takes it out of the file at once; the keyboard is the view's again.
  {
    MessageBoxWatch watch(QMessageBox::Yes);
    h.ClickButton(h.View().Panel()->Button(kScatterCommand));
    ASSERT_TRUE(watch.Seen());
  }
  EXPECT_TRUE(h.ReadPuzzleFile(kShapesPack, "Strip").pieceBlock.empty());
  h.Reactivate();
  EXPECT_EQ(QApplication::focusWidget(), &h.View());
  h.DoubleClick(CellCentre(strip));
  ASSERT_EQ(game.Mode(), ViewMode::Play);
  EXPECT_EQ(strip.groups.size(), 3u);
  h.PressKey(Qt::Key_Escape);
  EXPECT_EQ(game.Mode(), ViewMode::Gallery);
}

// A turn of the mouse wheel by `lines` lines (positive away from the player) over the point.
void TurnWheel(QWidget& view, QPoint at, int lines) {
  QWheelEvent event(at, view.mapToGlobal(at), QPoint(), QPoint(0, 120 * lines), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&view, &event);
}

TEST(ShellControlsTest, ScrollBarAndWheelMoveTheShownGrid) {
  ShellHarness h;
  Game& game = h.TheGame();
  h.Click(CellCentre(h.Pack(kZooPack)));
  ASSERT_EQ(game.Library().currentPack, &h.Pack(kZooPack));
  QScrollBar& bar = *h.View().Bar(GalleryBar::Puzzles);
  const ScrollBarState& state = game.ScrollBar(GalleryBar::Puzzles);
  ASSERT_TRUE(state.enabled);
  EXPECT_TRUE(bar.isEnabled());
  EXPECT_EQ(bar.maximum(), state.max);
  ASSERT_GT(state.max, 100);
  const Rect grid = VisiblePuzzlesArea(game);
  const std::vector<std::string> none;

  // The arrow at the bottom scrolls a line; the groove under the handle a page, up to the end.
  QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(bar.width() / 2, bar.height() - 4));
  EXPECT_EQ(state.position, 23);
  EXPECT_EQ(bar.value(), 23);
  EXPECT_EQ(FrameDifferences(h.Shown(), *game.BackSurface(), grid, 3), none);
  QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(bar.width() / 2, bar.height() - 30));
  EXPECT_EQ(state.position, std::min(23 + 230, state.max));
  EXPECT_EQ(bar.value(), state.position);
  EXPECT_EQ(FrameDifferences(h.Shown(), *game.BackSurface(), grid, 3), none);

  // Three lines of the wheel in one turn, back towards the top.
  const int before = state.position;
  TurnWheel(h.View(), {grid.left + 100, grid.top + 100}, 3);
  EXPECT_EQ(state.position, std::max(0, before - 3 * 23));
  EXPECT_EQ(bar.value(), state.position);
  EXPECT_EQ(FrameDifferences(h.Shown(), *game.BackSurface(), grid, 3), none);

  // A click selects the puzzle under the pointer in the scrolled grid.
  PuzzleRecord& last = *h.Pack(kZooPack).puzzles.back();
  ASSERT_TRUE(grid.Contains(CellCentre(last).x(), CellCentre(last).y()));
  h.Click(CellCentre(last));
  EXPECT_EQ(h.Pack(kZooPack).currentPuzzle, &last);
  EXPECT_EQ(FrameDifferences(h.Shown(), *game.BackSurface(), grid, 3), none);
}

// The view shows the composed frame's pixels, in the gallery and in play, in each format the
// player can choose.
class ShellFormatTest : public testing::TestWithParam<const char*> {
 protected:
  void SetUp() override { qputenv("PAVLEMIR_PIXEL_FORMAT", GetParam()); }
  void TearDown() override { qunsetenv("PAVLEMIR_PIXEL_FORMAT"); }
};

TEST_P(ShellFormatTest, TheViewShowsTheComposedFrame) {
  const PixelFormatInfo format = PixelFormatInfo::FromName(GetParam()).value();
  ShellHarness h(format);
  Game& game = h.TheGame();
  ASSERT_EQ(game.BackSurface()->Format(), format);
  EXPECT_EQ(h.View().CurrentDisplayMode().bitsPerPixel, format.bitsPerPixel);
  const Rect strip = game.Layout().packsArea;
  const Rect grid = VisiblePuzzlesArea(game);
  const std::vector<std::string> none;
  EXPECT_EQ(FrameDifferences(h.Shown(), *game.BackSurface(), strip, 4), none);
  EXPECT_EQ(FrameDifferences(h.Shown(), *game.BackSurface(), grid, 4), none);
  const QImage grabbed = h.View().grab().toImage();
  EXPECT_EQ(FrameDifferences(grabbed, *game.BackSurface(), grid, 4), none);

  h.DoubleClick(CellCentre(h.Puzzle(kShapesPack, "Wide")));
  ASSERT_EQ(game.Mode(), ViewMode::Play);
  const Rect& area = game.State().playArea;
  EXPECT_EQ(FrameDifferences(h.Shown(), *game.BackSurface(), area, 4), none);
  EXPECT_EQ(FrameDifferences(h.View().grab().toImage(), *game.BackSurface(), area, 4), none);
}

INSTANTIATE_TEST_SUITE_P(Formats, ShellFormatTest, testing::Values("32", "24", "565", "555"));

}  // namespace
