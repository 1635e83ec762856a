// The play controls through the game: pause, the clock's repaints, ghost, options, and the
// commands each mode takes.
#include "GameFixture.h"
#include "GamePlayer.h"
#include "game/GameCommands.h"

namespace {

TEST_F(GameTest, PauseStopsTheClockAndThePicking) {
  h.Play();
  h.IdleAfter(400);
  EXPECT_TRUE(h.game().Command(kPauseCommand));
  EXPECT_TRUE(h.game().State().flags.paused);
  EXPECT_TRUE(h.host.pauseShown);
  const int repaints = h.host.clockRepaints;

  // Over five minutes paused add nothing.
  for (int step = 0; step < 7; ++step) h.IdleAfter(50 * 1000);
  EXPECT_EQ(h.game().State().clock.shown, (ClockReading{0, 0, 0}));
  EXPECT_EQ(h.host.clockRepaints, repaints);

  // A press while paused picks nothing.
  PuzzleRecord& puzzle = h.Open();
  PieceGroup& bottom = *puzzle.groups.front();
  const auto grab = GrabPoint(h.game(), bottom);
  ASSERT_TRUE(grab.has_value());
  h.game().LeftButtonDown(*grab);
  EXPECT_EQ(puzzle.draggedGroup, nullptr);
  EXPECT_FALSE(h.host.mouseCaptured);
  EXPECT_EQ(puzzle.groups.front().get(), &bottom) << "the group did not come to the front";
  const int x = bottom.pieces.front()->x;
  h.game().MouseMove({grab->x + 50, grab->y});
  h.game().LeftButtonUp({grab->x + 50, grab->y});
  EXPECT_EQ(bottom.pieces.front()->x, x);

  // Resuming: the first idle step adds only the time since the previous one.
  EXPECT_TRUE(h.game().Command(kPauseCommand));
  EXPECT_FALSE(h.game().State().flags.paused);
  EXPECT_FALSE(h.host.pauseShown);
  h.IdleAfter(700);
  EXPECT_EQ(h.game().State().clock.shown, (ClockReading{0, 0, 1}));
  EXPECT_EQ(h.host.clockRepaints, repaints + 1);

  // And the picking works again.
  ASSERT_TRUE(DragGroupBy(h.game(), bottom, 50, 0));
  EXPECT_EQ(bottom.pieces.front()->x, x + 50);
}

TEST_F(GameTest, LeavingWhilePausedHidesThePauseWindowAndResumesUnpaused) {
  h.Play();
  h.game().Command(kPauseCommand);
  ASSERT_TRUE(h.host.pauseShown);
  h.Back();
  EXPECT_FALSE(h.host.pauseShown);
  h.Play();
  EXPECT_FALSE(h.game().State().flags.paused);
  h.IdleAfter(1000);
  EXPECT_EQ(h.game().State().clock.shown, (ClockReading{0, 0, 1}));
}

TEST_F(GameTest, TheClockAreaIsRepaintedOnlyWhenAShownValueChanges) {
  h.Play();
  h.host.clockRepaints = 0;
  for (int step = 0; step < 31; ++step) h.IdleAfter(100);  // 3.1 seconds
  EXPECT_EQ(h.host.clockRepaints, 3);
  EXPECT_EQ(h.game().State().clock.shown, (ClockReading{0, 0, 3}));
  for (int step = 0; step < 5; ++step) h.IdleAfter(0);
  h.IdleAfter(800);
  EXPECT_EQ(h.host.clockRepaints, 3);
  // A long step changes all three values: one repaint.
  h.IdleAfter(3600 * 1000);
  EXPECT_EQ(h.host.clockRepaints, 4);
  EXPECT_EQ(h.game().State().clock.shown, (ClockReading{1, 0, 3}));
}

TEST_F(GameTest, TheClockDoesNotRunInTheGallery) {
  h.Play();
  h.IdleAfter(2500);
  h.Back();
  h.host.clockRepaints = 0;
  EXPECT_FALSE(h.IdleAfter(60 * 1000)) << "the gallery does not ask for more idle steps";
  EXPECT_EQ(h.host.clockRepaints, 0);
  h.Play();
  EXPECT_TRUE(h.IdleAfter(500));
  EXPECT_EQ(h.game().State().clock.shown, (ClockReading{0, 0, 2}));
}

TEST_F(GameTest, GhostRepaintsTheFieldAndThumbnailShowsItsWindow) {
  h.Play();
  h.host.presents.clear();
  EXPECT_TRUE(h.game().Command(kGhostCommand));
  EXPECT_TRUE(h.game().State().flags.ghost);
  ASSERT_FALSE(h.host.presents.empty());
  EXPECT_EQ(h.host.presents.back(), h.game().State().playArea);
  EXPECT_TRUE(h.game().Command(kThumbnailCommand));
  EXPECT_TRUE(h.host.thumbnailShown);
  EXPECT_TRUE(h.game().Command(kThumbnailCommand));
  EXPECT_FALSE(h.host.thumbnailShown);
  EXPECT_TRUE(h.game().Command(kGhostCommand));
  EXPECT_FALSE(h.game().State().flags.ghost);
}

TEST_F(GameTest, TheFirstVisitPlacesTheThumbnailAtItsDefaultPlace) {
  h.Play();
  ASSERT_EQ(h.host.thumbnailPictures.size(), 1u);
  const ThumbnailPictureCall& call = h.host.thumbnailPictures[0];
  EXPECT_TRUE(call.placeDefault);
  EXPECT_EQ(call.picture, h.Open().picture.get());
  EXPECT_NE(call.picture, nullptr);
  EXPECT_EQ(call.source.Width(), h.Open().ghostWidth);
  EXPECT_TRUE(h.host.thumbnailMoves.empty());
  EXPECT_FALSE(h.host.thumbnailShown);
}

TEST_F(GameTest, EachModeTakesItsOwnCommands) {
  EXPECT_FALSE(h.game().Command(kPauseCommand));
  EXPECT_FALSE(h.game().Command(kBackCommand));
  EXPECT_TRUE(h.game().Command(kOptionsCommand));
  EXPECT_EQ(h.host.backgroundDialogs, 1);
  h.Play();
  EXPECT_FALSE(h.game().Command(kScatterCommand));
  EXPECT_FALSE(h.game().Command(kPlayCommand));
  EXPECT_TRUE(h.host.questions.empty());
  EXPECT_TRUE(h.game().Command(kOptionsCommand));
  EXPECT_EQ(h.host.backgroundDialogs, 2);
  EXPECT_EQ(h.game().Mode(), ViewMode::Play);
}

TEST_F(GameTest, ArrangeInGridMovesEveryGroupAndRepaints) {
  h.Play();
  PuzzleRecord& puzzle = h.Open();
  std::vector<std::pair<int, int>> before;
  for (const auto& piece : puzzle.pieces) before.push_back({piece->x, piece->y});
  h.host.presents.clear();
  EXPECT_TRUE(h.game().Command(kArrangeGridCommand));
  std::vector<std::pair<int, int>> after;
  for (const auto& piece : puzzle.pieces) after.push_back({piece->x, piece->y});
  EXPECT_NE(after, before);
  EXPECT_FALSE(h.host.presents.empty());
  for (const auto& piece : puzzle.pieces) {
    EXPECT_TRUE(h.game().State().playArea.Contains(piece->x, piece->y));
  }
}

}  // namespace
