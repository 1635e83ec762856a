// The play clock, the Pause, Ghost and Thumbnail toggles, the idle step and the saved play state.
#include "play/PlayControls.h"

#include <gtest/gtest.h>

#include "play/TestPuzzles.h"

namespace {

TEST(PlayClock, SplitsSecondsIntoHoursMinutesAndSeconds) {
  EXPECT_EQ(ReadClock(3599 * 1000), (ClockReading{0, 59, 59}));
  EXPECT_EQ(ReadClock(3600 * 1000), (ClockReading{1, 0, 0}));
  EXPECT_EQ(ReadClock(3600 * 1000 - 1), (ClockReading{0, 59, 59}));
}

// Past 65535 seconds and past 60 hours the clock keeps counting, up to what the file holds.
TEST(PlayClock, LongGamesKeepTheirTime) {
  EXPECT_EQ(ReadClock(65536ull * 1000), (ClockReading{18, 12, 16}));
  EXPECT_EQ(ReadClock(61ull * 3600 * 1000), (ClockReading{61, 0, 0}));
  EXPECT_EQ(ReadClock(65535ull * 3600 * 1000 + 3599999), (ClockReading{65535, 59, 59}));
  EXPECT_EQ(ReadClock(70000ull * 3600 * 1000), (ClockReading{65535, 59, 59}));
}

// A saved time beyond 32-bit milliseconds (about 1193 hours) starts the clock where it was.
TEST(PlayClock, StartsFromALongSavedTime) {
  PlayClock clock;
  StartClock(clock, {2000, 30, 15}, 77);
  EXPECT_EQ(clock.elapsedMs, (2000ull * 3600 + 30 * 60 + 15) * 1000);
  EXPECT_EQ(clock.lastTick, 77u);
  EXPECT_FALSE(AdvanceClock(clock, 999, true));
  EXPECT_TRUE(AdvanceClock(clock, 1, true));
  EXPECT_EQ(clock.shown, (ClockReading{2000, 30, 16}));
}

TEST(PlayClock, TheTickIsRightAcrossTheMillisecondClocksWrap) {
  PlayClock clock;
  clock.lastTick = 0xFFFFFF00u;
  EXPECT_EQ(TakeTick(clock, 0x10u), 0x110u);
  EXPECT_EQ(clock.lastTick, 0x10u);
}

class IdleStep : public ::testing::Test {
 protected:
  std::unique_ptr<PuzzleRecord> puzzle = MakeTestPuzzle(nullptr, 2, 2);
  PlayState state = MakePlayState();
  PlayEffects effects;
};

// Steps of 16 ms over three seconds: the clock area is repainted once per second of play.
TEST_F(IdleStep, TheClockRepaintsOncePerSecond) {
  StartClock(state.clock, {0, 0, 0}, 1000);
  int repaints = 0;
  for (uint32_t now = 1016; now <= 4000; now += 16) {
    effects = {};
    EXPECT_TRUE(PlayIdleStep(state, puzzle.get(), now, effects));
    repaints += effects.clockChanged;
  }
  EXPECT_EQ(repaints, 2);
  EXPECT_EQ(state.clock.shown, (ClockReading{0, 0, 2}));
}

TEST_F(IdleStep, PausingAddsNothingAndResumingAddsOnlyTheLastStep) {
  StartClock(state.clock, {0, 0, 0}, 0);
  PlayIdleStep(state, puzzle.get(), 500, effects);
  EXPECT_TRUE(TogglePause(state));
  PlayIdleStep(state, puzzle.get(), 300500, effects);  // five minutes later
  EXPECT_EQ(state.clock.elapsedMs, 500u);
  EXPECT_TRUE(TogglePause(state));
  PlayIdleStep(state, puzzle.get(), 300520, effects);
  EXPECT_EQ(state.clock.elapsedMs, 520u);
}

TEST_F(IdleStep, TheClockStopsForGoodWhenSolved) {
  StartClock(state.clock, {0, 5, 0}, 0);
  puzzle->solvedPercent = 100;
  PlayIdleStep(state, puzzle.get(), 10000, effects);
  EXPECT_EQ(state.clock.elapsedMs, 300000u);
}

TEST_F(IdleStep, TheSparkleRunsTwentyFramesASecondUntilItRests) {
  state.sparkle = {0.0f, 40, 50};
  StartClock(state.clock, {0, 0, 0}, 0);
  PlayIdleStep(state, puzzle.get(), 100, effects);
  EXPECT_FLOAT_EQ(state.sparkle.frame, 2.0f);
  EXPECT_EQ(effects.RepaintRects(), (std::vector<Rect>{{40, 50, 64, 73}}));
  PlayIdleStep(state, puzzle.get(), 1000, effects);  // frame 20: still repainted to clear
  EXPECT_EQ(effects.RepaintRects().size(), 2u);
  PlayIdleStep(state, puzzle.get(), 1100, effects);  // resting: nothing more
  EXPECT_EQ(effects.RepaintRects().size(), 2u);
}

TEST_F(IdleStep, TheCelebrationStepsTheFireworksAndTheGalleryAsksNothing) {
  state.mode = ViewMode::Celebration;
  EXPECT_TRUE(PlayIdleStep(state, puzzle.get(), 16, effects));
  EXPECT_EQ(effects.RepaintRects(), (std::vector<Rect>{state.playArea}));
  state.mode = ViewMode::Gallery;
  effects = {};
  EXPECT_FALSE(PlayIdleStep(state, nullptr, 32, effects));
  EXPECT_TRUE(effects.steps.empty());
  EXPECT_EQ(state.clock.lastTick, 32u);
}

TEST(PlayToggles, GhostAndPauseAreIgnoredInTheCelebrationThumbnailIsNot) {
  PlayState state = MakePlayState();
  PlayEffects effects;
  ToggleGhost(state, effects);
  EXPECT_TRUE(state.flags.ghost);
  EXPECT_EQ(effects.RepaintRects(), (std::vector<Rect>{state.playArea}));
  ToggleGhost(state, effects);
  EXPECT_FALSE(state.flags.ghost);
  state.mode = ViewMode::Celebration;
  ToggleGhost(state, effects);
  EXPECT_FALSE(state.flags.ghost);
  EXPECT_FALSE(TogglePause(state));
  EXPECT_FALSE(state.flags.paused);
  ToggleThumbnail(state);
  EXPECT_TRUE(state.flags.thumbnail);
}

TEST(SavedPlayState, SurvivesLeavingAndComingBack) {
  auto puzzle = MakeTestPuzzle(nullptr, 2, 2);
  puzzle->boxOpen = {0, 1, 0, 1};
  puzzle->ghostShown = 1;
  puzzle->hours = 70;
  puzzle->minutes = 1;
  puzzle->seconds = 2;
  PlayState state = MakePlayState();
  LoadPlayState(state, *puzzle, 5000);
  EXPECT_TRUE(state.boxes[1].open);
  EXPECT_FALSE(state.boxes[2].open);
  EXPECT_TRUE(state.flags.ghost);
  EXPECT_FALSE(state.flags.thumbnail);
  PlayEffects effects;
  PlayIdleStep(state, puzzle.get(), 6000, effects);
  ToggleThumbnail(state);
  state.boxes[0].open = true;
  StorePlayState(state, *puzzle);
  EXPECT_EQ(puzzle->boxOpen, (std::array<uint8_t, 4>{1, 1, 0, 1}));
  EXPECT_EQ(puzzle->thumbnailShown, 1);
  EXPECT_EQ(puzzle->hours, 70);
  EXPECT_EQ(puzzle->seconds, 3);
}

}  // namespace
