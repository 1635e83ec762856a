// The message window's bar: the host hears of a step only when the filled width changes.
#include <gtest/gtest.h>

#include "FakeHost.h"
#include "game/MessageProgress.h"

namespace {

std::vector<int> Positions(const FakeHost& host) {
  std::vector<int> positions;
  for (const MessageWindowCall& call : host.WindowCalls(MessageWindowCall::Kind::Progress))
    positions.push_back(call.position);
  return positions;
}

// A bar in an open message window of the recording host.
class MessageProgressTest : public ::testing::Test {
 protected:
  void SetUp() override { host.OpenMessageWindow("Bar", true); }
  FakeHost host;
  MessageProgress progress{host};
};

// 430 / 43 = 10 pixels a step: every step shows.
TEST_F(MessageProgressTest, EveryStepThatWidensTheBarIsShown) {
  progress.SetRange(0, 43);
  progress.SetStep(1);
  for (int i = 0; i < 43; ++i) progress.StepIt();
  const std::vector<int> positions = Positions(host);
  ASSERT_EQ(positions.size(), 44u);
  for (int i = 0; i <= 43; ++i) EXPECT_EQ(positions[static_cast<std::size_t>(i)], i);
  EXPECT_EQ(progress.Position(), 43);
}

// 430 / 860 = half a pixel a step: only every second step shows.
TEST_F(MessageProgressTest, StepsThatLeaveTheWidthAloneAreNotShown) {
  progress.SetRange(0, 860);
  progress.SetStep(1);
  for (int i = 0; i < 860; ++i) progress.StepIt();
  const std::vector<int> positions = Positions(host);
  ASSERT_EQ(positions.size(), 431u);
  for (std::size_t i = 0; i < positions.size(); ++i)
    EXPECT_EQ(positions[i], static_cast<int>(2 * i));
  const MessageWindowCall last = host.WindowCalls(MessageWindowCall::Kind::Progress).back();
  EXPECT_EQ(last.lower, 0);
  EXPECT_EQ(last.upper, 860);
}

TEST_F(MessageProgressTest, ThousandsOfStepsCostAtMostOneRepaintPerPixel) {
  progress.SetRange(0, 20000);
  progress.SetStep(1);
  for (int i = 0; i < 20000; ++i) progress.StepIt();
  const std::vector<int> positions = Positions(host);
  EXPECT_LE(positions.size(), 431u);
  EXPECT_GE(positions.size(), 400u);
  EXPECT_EQ(positions.back(), 20000);
}

TEST_F(MessageProgressTest, ANewRangeShowsTheEmptyBarAgain) {
  progress.SetRange(0, 10);
  progress.SetStep(5);
  progress.StepIt();
  progress.StepIt();
  progress.SetRange(0, 10);
  EXPECT_EQ(Positions(host), (std::vector<int>{0, 5, 10, 0}));
}

// A step past the end wraps to the start, as a progress bar does.
TEST_F(MessageProgressTest, AStepPastTheEndWraps) {
  progress.SetRange(0, 10);
  progress.SetStep(4);
  for (int i = 0; i < 3; ++i) progress.StepIt();
  EXPECT_EQ(progress.Position(), 2);
  EXPECT_EQ(Positions(host), (std::vector<int>{0, 4, 8, 2}));
}

// Whatever the range, its end fills the bar to the last pixel.
TEST(MessageProgressWidth, TheEndOfAnyRangeFillsTheWholeBar) {
  for (int upper = 1; upper <= 30000; ++upper)
    ASSERT_EQ(MessageProgress::FilledWidth(0, upper, upper), 430) << "range 0.." << upper;
}

TEST(MessageProgressWidth, AnEmptyRangeFillsNothing) {
  EXPECT_EQ(MessageProgress::FilledWidth(5, 5, 5), 0);
  EXPECT_EQ(MessageProgress::FilledWidth(0, 10, 10), 430);
  EXPECT_EQ(MessageProgress::FilledWidth(0, 10, 5), 215);
  EXPECT_EQ(MessageProgress::FilledWidth(0, 10, 0), 0);
}

}  // namespace
