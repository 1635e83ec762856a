// Play and Scatter from the gallery: completed puzzles, discarded games, another display mode,
// pictures that cannot be loaded, and the "Loading..." window.
#include <sys/stat.h>

#include <fstream>

#include "GamePlayer.h"
#include "GameSnapshot.h"
#include "OtherUser.h"
#include "QvxTestFile.h"
#include "diag/MemoryExhaustion.h"
#include "game/GameCommands.h"
#include "game/GameTexts.h"

namespace {

// Plays the first puzzle to the end (with three seconds on the clock) and goes back.
void CompleteFirstPuzzle(GameHarness& h) {
  h.Play();
  h.IdleAfter(3000);
  ASSERT_TRUE(SolveByMouse(h.game()));
  h.Back();
  ASSERT_EQ(h.Puzzle(0).solvedPercent, 100);
  ASSERT_EQ(h.Puzzle(0).seconds, 3);
  h.host.ClearRecords();
}

// Piece memory the system refuses takes the game's memory-exhaustion path, as any failed
// allocation does (the program then ends), rather than starting a game of blank pieces.
TEST_F(GameTest, APlayWithoutMemoryForThePiecesRaisesMemoryExhaustion) {
  const std::new_handler previous = std::get_new_handler();
  InstallMemoryExhaustionHandler();
  h.service.SetBlocksRefused(true);
  EXPECT_THROW(h.Play(), MemoryExhaustedExeption);
  std::set_new_handler(previous);
  EXPECT_EQ(h.game().Mode(), ViewMode::Gallery);
  EXPECT_TRUE(h.Puzzle(0).pieces.empty());
  h.service.SetBlocksRefused(false);
}

TEST_F(GameTest, ACompletedPuzzleAnsweredNoOpensFinished) {
  CompleteFirstPuzzle(h);
  ASSERT_FALSE(HasFatalFailure());
  const Piece* first = h.Puzzle(0).pieces[0].get();
  h.host.answers = {false};
  h.Play();
  EXPECT_EQ(h.host.questions, (std::vector<std::string>{kCompletedQuestion}));
  ASSERT_EQ(h.game().Mode(), ViewMode::Play);
  PuzzleRecord& puzzle = h.Open();
  EXPECT_EQ(puzzle.solvedPercent, 100);
  EXPECT_EQ(puzzle.groups.size(), 1u);
  EXPECT_EQ(puzzle.pieces[0].get(), first);
  EXPECT_TRUE(h.host.OpenedWindows().empty());
  // The clock stays at the solving time.
  for (int step = 0; step < 5; ++step) h.IdleAfter(1000);
  EXPECT_EQ(h.game().State().clock.shown, (ClockReading{0, 0, 3}));
  EXPECT_EQ(h.host.clockRepaints, 0);
}

TEST_F(GameTest, ACompletedPuzzleAnsweredYesStartsAgain) {
  CompleteFirstPuzzle(h);
  ASSERT_FALSE(HasFatalFailure());
  h.host.answers = {true};
  h.Play();
  EXPECT_EQ(h.host.questions, (std::vector<std::string>{kCompletedQuestion}));
  ASSERT_EQ(h.game().Mode(), ViewMode::Play);
  PuzzleRecord& puzzle = h.Open();
  EXPECT_EQ(puzzle.solvedPercent, 0);
  EXPECT_EQ(puzzle.groups.size(), 12u);
  EXPECT_EQ(h.game().State().clock.shown, (ClockReading{0, 0, 0}));
  EXPECT_EQ(h.host.OpenedWindows(), (std::vector<std::string>{kLoadingText}));
  h.IdleAfter(1000);
  EXPECT_EQ(h.game().State().clock.shown, (ClockReading{0, 0, 1}));
}

TEST_F(GameTest, ScatterAnsweredNoChangesNothing) {
  h.Play();
  PlayAWhile(h);
  ASSERT_FALSE(HasFatalFailure());
  const GameSnapshot before = TakeSnapshot(h.game());
  h.Back();
  h.host.ClearRecords();
  h.host.answers = {false};
  EXPECT_TRUE(h.game().Command(kScatterCommand));
  EXPECT_EQ(h.host.questions, (std::vector<std::string>{kScatterQuestion}));
  EXPECT_EQ(h.game().Mode(), ViewMode::Gallery);
  EXPECT_EQ(h.Puzzle(0).pieces.size(), 12u);
  EXPECT_EQ(h.Puzzle(0).minutes, 1);
  h.Play();
  EXPECT_TRUE(h.host.OpenedWindows().empty());
  EXPECT_EQ(TakeSnapshot(h.game()), before);
}

TEST_F(GameTest, ScatterAnsweredYesDiscardsTheGame) {
  h.Play();
  PlayAWhile(h);
  ASSERT_FALSE(HasFatalFailure());
  h.Back();
  h.host.ClearRecords();
  h.host.answers = {true};
  h.game().Command(kScatterCommand);
  PuzzleRecord& puzzle = h.Puzzle(0);
  EXPECT_EQ(h.game().Mode(), ViewMode::Gallery);
  EXPECT_TRUE(puzzle.pieces.empty());
  EXPECT_TRUE(puzzle.groups.empty());
  EXPECT_EQ(puzzle.solvedPercent, 0);
  EXPECT_EQ((std::array<int, 3>{puzzle.hours, puzzle.minutes, puzzle.seconds}),
            (std::array<int, 3>{0, 0, 0}));
  EXPECT_FALSE(puzzle.name.empty()) << "the gallery data stays";
  EXPECT_NE(puzzle.thumbMaster, nullptr);
  EXPECT_TRUE(h.host.OpenedWindows().empty()) << "Scatter does not start the game";

  h.Play();
  ASSERT_EQ(h.game().Mode(), ViewMode::Play);
  EXPECT_EQ(h.host.OpenedWindows(), (std::vector<std::string>{kLoadingText}));
  EXPECT_EQ(h.Open().groups.size(), 12u);
  EXPECT_EQ(h.game().State().clock.shown, (ClockReading{0, 0, 0}));
}

TEST_F(GameTest, AScatteredGameStaysDiscardedAfterAQuit) {
  h.Play();
  PlayAWhile(h);
  ASSERT_FALSE(HasFatalFailure());
  h.Back();
  h.host.answers = {true};
  h.game().Command(kScatterCommand);
  h.Restart();
  h.Play();
  ASSERT_EQ(h.game().Mode(), ViewMode::Play);
  EXPECT_EQ(h.Open().groups.size(), 12u);
  EXPECT_EQ(h.Open().solvedPercent, 0);
  EXPECT_EQ(h.game().State().clock.shown, (ClockReading{0, 0, 0}));
}

// A completed puzzle whose file is read-only: Scatter, and Play answered Yes after the next
// start, discard the game in memory, tell the player the file kept the old one, and leave the file
// byte for byte as it was, its header at 100 % beside its finished game.
TEST_F(GameTest, ScatteringAReadOnlyCompletedPuzzleKeepsItsFileAndSaysSo) {
  CompleteFirstPuzzle(h);
  ASSERT_FALSE(HasFatalFailure());
  const std::filesystem::path path = h.PuzzlePath(0);
  const std::vector<uint8_t> before = ReadBytes(path);
  OtherUser::Hand(h.ProgramDir());
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);
  OtherUser user;
  if (!user.Active()) GTEST_SKIP() << "cannot take on another user's ids as root";
  h.host.answers = {true};
  h.game().Command(kScatterCommand);
  EXPECT_EQ(h.Puzzle(0).solvedPercent, 0);
  ASSERT_EQ(h.host.messages.size(), 1u);
  EXPECT_EQ(h.host.messages[0].text.rfind(kGameNotSaved, 0), 0u) << h.host.messages[0].text;
  EXPECT_NE(h.host.messages[0].text.find(path.string()), std::string::npos);
  EXPECT_EQ(h.host.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(ReadBytes(path), before);

  EXPECT_EQ(h.game().Shutdown().size(), 1u) << "the reset header cannot be written either";
  EXPECT_EQ(ReadBytes(path), before);
  h.OpenGame();
  ASSERT_EQ(h.Puzzle(0).solvedPercent, 100) << "the file still holds the finished game";
  h.host.ClearRecords();
  h.host.answers = {true};
  h.Play();
  EXPECT_EQ(h.host.messages.size(), 1u);
  ASSERT_EQ(h.game().Mode(), ViewMode::Play);
  EXPECT_EQ(h.Open().groups.size(), 12u);
  EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(GameTest, ASavedGameFromAnotherDisplayModeIsRefused) {
  h.Play();
  PlayAWhile(h);
  ASSERT_FALSE(HasFatalFailure());
  h.Back();
  h.host.display.width = 800;
  h.host.display.height = 600;
  h.Restart();
  h.host.ClearRecords();
  h.Play();
  ASSERT_EQ(h.host.messages.size(), 1u);
  EXPECT_EQ(h.host.messages[0].text, kOtherResolutionText);
  EXPECT_EQ(h.host.messages[0].icon, MessageIcon::Error);
  EXPECT_EQ(h.game().Mode(), ViewMode::Gallery);
  EXPECT_EQ(h.game().OpenPuzzle(), nullptr);
  EXPECT_TRUE(h.Puzzle(0).pieces.empty());
  EXPECT_FALSE(h.Puzzle(0).savedPieces.empty());
  EXPECT_EQ(h.Puzzle(0).minutes, 1);
  EXPECT_TRUE(h.host.windowCalls.empty());
  EXPECT_FALSE(h.host.galleryControls.has_value());

  // After Scatter it starts as a new game made for this display.
  h.host.answers = {true};
  h.game().Command(kScatterCommand);
  h.Play();
  ASSERT_EQ(h.game().Mode(), ViewMode::Play);
  EXPECT_EQ(h.Open().groups.size(), 12u);
  EXPECT_EQ(h.Open().screenWidth, 800);
  EXPECT_EQ(h.Open().screenHeight, 600);
}

void ExpectRefusedPicture(GameHarness& h) {
  h.host.ClearRecords();
  h.Play();
  ASSERT_EQ(h.host.messages.size(), 1u);
  EXPECT_EQ(h.host.messages[0].text, kPictureLoadError);
  EXPECT_EQ(h.host.messages[0].icon, MessageIcon::Error);
  EXPECT_EQ(h.game().Mode(), ViewMode::Gallery);
  EXPECT_EQ(h.game().OpenPuzzle(), nullptr);
  EXPECT_TRUE(h.Puzzle(0).pieces.empty());
  EXPECT_TRUE(h.host.windowCalls.empty());
  EXPECT_FALSE(h.host.galleryControls.has_value());
  // The other puzzle still plays.
  h.game().SelectPuzzle(&h.Pack(), &h.Puzzle(1));
  h.Play();
  EXPECT_EQ(h.game().Mode(), ViewMode::Play);
  EXPECT_EQ(h.game().OpenPuzzle(), &h.Puzzle(1));
}

TEST_F(GameTest, APuzzleWhosePictureBytesAreDamagedStaysInTheGallery) {
  {
    std::fstream file(h.PuzzlePath(0), std::ios::in | std::ios::out | std::ios::binary);
    ASSERT_TRUE(file.is_open());
    const std::string zeros(64, '\0');
    file.write(zeros.data(), static_cast<std::streamsize>(zeros.size()));
  }
  h.OpenGame();
  ExpectRefusedPicture(h);
}

TEST_F(GameTest, APuzzleWithAnUnreadablePictureTypeStaysInTheGallery) {
  h.Puzzle(0).pictureExt = {'z', 'z', 'z', '\0', '\0'};
  ExpectRefusedPicture(h);
}

// The bar's filled pixels, in exact integer arithmetic.
int FilledWidth(const MessageWindowCall& call) {
  return static_cast<int>(430LL * call.position / (call.upper - call.lower));
}

TEST_F(GameTest, TheLoadingBarFillsAndMovesOnlyWhenItsWidthChanges) {
  h.Play();
  ASSERT_GE(h.host.windowCalls.size(), 3u);
  const MessageWindowCall& open = h.host.windowCalls.front();
  EXPECT_EQ(open.text, kLoadingText);
  EXPECT_TRUE(open.withProgress);
  EXPECT_EQ(h.host.windowCalls.back().kind, MessageWindowCall::Kind::Close);
  const auto steps = h.host.WindowCalls(MessageWindowCall::Kind::Progress);
  ASSERT_GE(steps.size(), 2u);
  EXPECT_EQ(steps.front().position, steps.front().lower);
  EXPECT_EQ(steps.back().position, steps.back().upper) << "the bar reaches its full range";
  EXPECT_EQ(FilledWidth(steps.back()), 430);
  EXPECT_LE(steps.size(), 431u);
  for (std::size_t i = 1; i < steps.size(); ++i) {
    EXPECT_EQ(steps[i].lower, steps[0].lower);
    EXPECT_EQ(steps[i].upper, steps[0].upper);
    EXPECT_GT(steps[i].position, steps[i - 1].position);
    EXPECT_NE(FilledWidth(steps[i]), FilledWidth(steps[i - 1])) << "step " << i;
  }
}

TEST_F(GameTest, EscapeInPlayLeavesAndSaves) {
  h.Play();
  PlayAWhile(h);
  ASSERT_FALSE(HasFatalFailure());
  const GameSnapshot saved = TakeSnapshot(h.game());
  h.host.ClearRecords();
  h.game().KeyDown(kEscapeKey);
  EXPECT_EQ(h.game().Mode(), ViewMode::Gallery);
  EXPECT_EQ(h.host.OpenedWindows(), (std::vector<std::string>{kSavingText}));
  EXPECT_TRUE(h.host.messages.empty());
  // A new run without a program-end save finds the game in the file.
  h.OpenGame();
  h.Play();
  ASSERT_EQ(h.game().Mode(), ViewMode::Play);
  EXPECT_EQ(TakeSnapshot(h.game()), saved);
}

TEST_F(GameTest, OtherKeysAndEscapeInTheGalleryDoNothing) {
  h.game().KeyDown(kEscapeKey);
  EXPECT_EQ(h.game().Mode(), ViewMode::Gallery);
  EXPECT_TRUE(h.host.windowCalls.empty());
  h.Play();
  h.game().KeyDown(13);
  h.game().KeyDown(32);
  EXPECT_EQ(h.game().Mode(), ViewMode::Play);
}

}  // namespace
