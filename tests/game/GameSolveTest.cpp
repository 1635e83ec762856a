// A new game scattered and solved with the mouse, and what the celebration allows.
#include <set>

#include "GameFixture.h"
#include "GamePlayer.h"
#include "game/GameCommands.h"

namespace {

TEST_F(GameTest, PlayScattersANewGameOverThePlayField) {
  h.Play();
  ASSERT_EQ(h.game().Mode(), ViewMode::Play);
  PuzzleRecord& puzzle = h.Open();
  EXPECT_EQ(&puzzle, &h.Puzzle(0));
  ASSERT_EQ(puzzle.pieces.size(), 12u);
  EXPECT_EQ(puzzle.cols * puzzle.rows, 12);
  ASSERT_EQ(puzzle.groups.size(), 12u);
  std::set<std::pair<int, int>> places;
  for (const auto& piece : puzzle.pieces) places.insert({piece->x, piece->y});
  EXPECT_GT(places.size(), 6u) << "the pieces were not scattered";
  EXPECT_EQ(puzzle.solvedPercent, 0);
  EXPECT_EQ(h.host.galleryControls, false);
  EXPECT_EQ(puzzle.screenWidth, kViewWidth);
  EXPECT_EQ(puzzle.screenHeight, kViewHeight);
  ASSERT_FALSE(h.host.presents.empty());
  EXPECT_EQ(h.host.presents.back(), h.game().State().playArea);
}

TEST_F(GameTest, SolvingWithTheMouseEndsInTheCelebration) {
  h.Play();
  h.host.ClearRecords();
  ASSERT_TRUE(SolveByMouse(h.game()));
  PuzzleRecord& puzzle = h.Open();
  EXPECT_EQ(h.game().Mode(), ViewMode::Celebration);
  EXPECT_EQ(puzzle.solvedPercent, 100);
  EXPECT_EQ(puzzle.groups.size(), 1u);
  EXPECT_GT(h.host.joinSounds, 0);
  EXPECT_FALSE(h.host.mouseCaptured);
  EXPECT_EQ(h.game().State().clock.shown, (ClockReading{0, 0, 0}));

  // The fireworks run on the idle steps and repaint the field.
  h.host.presents.clear();
  for (int step = 0; step < 20; ++step) EXPECT_TRUE(h.IdleAfter(600));
  EXPECT_FALSE(h.host.presents.empty());
  for (const Rect& shown : h.host.presents) EXPECT_TRUE(h.game().State().playArea.Contains(shown));
  // The clock stopped at completion.
  EXPECT_EQ(h.game().State().clock.shown, (ClockReading{0, 0, 0}));
  EXPECT_EQ(h.host.clockRepaints, 0);
}

TEST_F(GameTest, TheCelebrationIgnoresEscapePauseAndTheMenu) {
  h.Play();
  ASSERT_TRUE(SolveByMouse(h.game()));
  h.host.ClearRecords();
  h.game().KeyDown(kEscapeKey);
  EXPECT_EQ(h.game().Mode(), ViewMode::Celebration);
  EXPECT_NE(h.game().OpenPuzzle(), nullptr);
  EXPECT_TRUE(h.host.OpenedWindows().empty());
  h.game().Command(kPauseCommand);
  EXPECT_FALSE(h.game().State().flags.paused);
  EXPECT_EQ(h.host.pauseWindowCalls, 0);
  h.game().RightButtonDown({500, 400});
  h.game().RightButtonDown({5, 700});
  EXPECT_TRUE(h.host.popups.empty());

  // Back leaves it.
  h.Back();
  EXPECT_EQ(h.game().Mode(), ViewMode::Gallery);
  EXPECT_EQ(h.host.galleryControls, true);
}

TEST_F(GameTest, TheRightButtonOpensThePlayMenuOnlyOffThePieces) {
  h.Play();
  const auto empty = EmptyFieldPoint(h.game());
  ASSERT_TRUE(empty.has_value());
  h.game().RightButtonDown(*empty);
  ASSERT_EQ(h.host.popups.size(), 1u);
  EXPECT_EQ(h.host.popups[0].menu, PopupMenu::Play);
  EXPECT_EQ(h.host.popups[0].at, *empty);

  PuzzleRecord& puzzle = h.Open();
  const auto onPiece = GrabPoint(h.game(), *puzzle.groups.back());
  ASSERT_TRUE(onPiece.has_value());
  h.game().RightButtonDown(*onPiece);
  EXPECT_EQ(h.host.popups.size(), 1u);
}

TEST_F(GameTest, TheRightButtonOpensTheGalleryMenuInTheGallery) {
  h.game().RightButtonDown({300, 300});
  ASSERT_EQ(h.host.popups.size(), 1u);
  EXPECT_EQ(h.host.popups[0].menu, PopupMenu::Gallery);
}

}  // namespace
