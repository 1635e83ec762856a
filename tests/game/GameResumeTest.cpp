// Leaving a game and coming back to it, in the same run and after a restart from the files.
#include <sys/stat.h>

#include "GamePlayer.h"
#include "GameSnapshot.h"
#include "OtherUser.h"
#include "QvxTestFile.h"
#include "game/GameCommands.h"
#include "game/GameTexts.h"

namespace {

std::vector<const Piece*> PieceObjects(const PuzzleRecord& puzzle) {
  std::vector<const Piece*> pieces;
  for (const auto& piece : puzzle.pieces) pieces.push_back(piece.get());
  return pieces;
}

int DisplayCopies(const PuzzleRecord& puzzle) {
  int copies = 0;
  for (const auto& piece : puzzle.pieces) {
    for (int r = 0; r < kRotationCount; ++r) {
      const auto i = static_cast<std::size_t>(r);
      copies += (piece->image[i] != nullptr) + (piece->shadow[i] != nullptr);
    }
  }
  return copies;
}

int Masters(const PuzzleRecord& puzzle) {
  int masters = 0;
  for (const auto& piece : puzzle.pieces) {
    for (int r = 0; r < kRotationCount; ++r) {
      const auto i = static_cast<std::size_t>(r);
      masters += (piece->imageMaster[i] != nullptr) + (piece->shadowMaster[i] != nullptr);
    }
  }
  return masters;
}

TEST_P(GameFormatTest, LeavingReleasesTheDisplayCopiesAndSaves) {
  h.Play();
  PlayAWhile(h);
  ASSERT_FALSE(HasFatalFailure());
  PuzzleRecord& puzzle = h.Puzzle(0);
  ASSERT_GT(DisplayCopies(puzzle), 0);
  const int masters = Masters(puzzle);
  h.host.ClearRecords();
  h.Back();

  EXPECT_EQ(h.game().Mode(), ViewMode::Gallery);
  EXPECT_EQ(h.game().OpenPuzzle(), nullptr);
  EXPECT_EQ(h.host.galleryControls, true);
  EXPECT_FALSE(h.host.thumbnailShown);
  EXPECT_FALSE(h.host.messageWindowOpen);
  EXPECT_EQ(DisplayCopies(puzzle), 0);
  EXPECT_EQ(Masters(puzzle), masters) << "the masters stay for the next visit";
  EXPECT_EQ(puzzle.ghost, nullptr);
  EXPECT_NE(puzzle.ghostMaster, nullptr);
  // The record holds the play state.
  EXPECT_EQ(puzzle.ghostShown, 1);
  EXPECT_EQ(puzzle.thumbnailShown, 1);
  EXPECT_EQ(puzzle.boxOpen, (std::array<uint8_t, 4>{0, 1, 0, 1}));
  EXPECT_EQ(puzzle.minutes, 1);
  EXPECT_EQ(puzzle.seconds, 5);

  // "Saving..." with its bar up to the number of pieces.
  ASSERT_EQ(h.host.OpenedWindows(), (std::vector<std::string>{kSavingText}));
  EXPECT_TRUE(h.host.windowCalls.front().withProgress);
  const auto steps = h.host.WindowCalls(MessageWindowCall::Kind::Progress);
  ASSERT_FALSE(steps.empty());
  EXPECT_EQ(steps.back().lower, 0);
  EXPECT_EQ(steps.back().upper, 12);
  EXPECT_EQ(steps.back().position, 12);
  EXPECT_EQ(steps.size(), 13u) << "every step of 12 moves the bar";
  EXPECT_EQ(h.host.presents.back(), h.game().State().client);
}

TEST_P(GameFormatTest, ResumingKeepsThePiecesAndTheState) {
  h.Play();
  PlayAWhile(h);
  ASSERT_FALSE(HasFatalFailure());
  const GameSnapshot before = TakeSnapshot(h.game());
  const std::vector<const Piece*> objects = PieceObjects(h.Open());
  const int copies = DisplayCopies(h.Open());
  h.Back();
  h.host.ClearRecords();
  h.host.now += 10 * 60 * 1000;  // ten minutes in the gallery do not count
  h.Play();

  ASSERT_EQ(h.game().Mode(), ViewMode::Play);
  PuzzleRecord& puzzle = h.Open();
  EXPECT_TRUE(h.host.OpenedWindows().empty()) << "resuming does not cut again";
  EXPECT_EQ(PieceObjects(puzzle), objects);
  EXPECT_EQ(TakeSnapshot(h.game()), before);
  EXPECT_EQ(DisplayCopies(puzzle), copies);
  EXPECT_NE(puzzle.ghost, nullptr);
  EXPECT_EQ(h.host.galleryControls, false);
  EXPECT_TRUE(h.host.thumbnailShown);
  ASSERT_FALSE(h.host.thumbnailPictures.empty());
  EXPECT_FALSE(h.host.thumbnailPictures.back().placeDefault);
  EXPECT_EQ(h.host.thumbnailPictures.back().picture, puzzle.picture.get());
  ASSERT_FALSE(h.host.thumbnailMoves.empty());
  EXPECT_EQ(h.host.thumbnailMoves.back(), (WindowRect{600, 400, 170, 130}));

  // The clock goes on from the saved time.
  h.IdleAfter(999);
  EXPECT_EQ(h.game().State().clock.shown, (ClockReading{0, 1, 5}));
  h.IdleAfter(1);
  EXPECT_EQ(h.game().State().clock.shown, (ClockReading{0, 1, 6}));

  // The resumed pieces still play: a drag moves its group.
  PieceGroup& top = *puzzle.groups.back();
  const int x = top.pieces.front()->x;
  ASSERT_TRUE(DragGroupBy(h.game(), top, -15, 0));
  EXPECT_EQ(top.pieces.front()->x, x - 15);
}

TEST_P(GameFormatTest, QuittingDuringPlayKeepsTheGameForTheNextRun) {
  h.Play();
  PlayAWhile(h);
  ASSERT_FALSE(HasFatalFailure());
  const GameSnapshot saved = TakeSnapshot(h.game());
  const uint8_t solved = h.Open().solvedPercent;
  h.Restart();
  ASSERT_FALSE(h.Puzzle(0).savedPieces.empty());
  h.host.ClearRecords();
  h.Play();

  ASSERT_EQ(h.game().Mode(), ViewMode::Play);
  EXPECT_EQ(TakeSnapshot(h.game()), saved);
  EXPECT_EQ(h.host.OpenedWindows(), (std::vector<std::string>{kLoadingText}));
  EXPECT_TRUE(h.host.thumbnailShown);
  EXPECT_EQ(h.host.thumbnailMoves.back(), (WindowRect{600, 400, 170, 130}));
  EXPECT_EQ(h.Open().solvedPercent, solved);
  EXPECT_EQ(h.Puzzle(0).minutes, 1);
}

TEST_P(GameFormatTest, ABackThenAQuitKeepsTheGameForTheNextRun) {
  h.Play();
  PlayAWhile(h);
  ASSERT_FALSE(HasFatalFailure());
  const GameSnapshot saved = TakeSnapshot(h.game());
  const uint8_t solved = h.Open().solvedPercent;
  h.Back();
  h.Restart();
  h.Play();

  ASSERT_EQ(h.game().Mode(), ViewMode::Play);
  EXPECT_EQ(TakeSnapshot(h.game()), saved);
  EXPECT_EQ(h.Open().solvedPercent, solved);
  EXPECT_GT(solved, 0);
}

TEST_P(GameFormatTest, TheOtherPuzzleIsUntouchedByTheGame) {
  h.Play();
  PlayAWhile(h);
  ASSERT_FALSE(HasFatalFailure());
  h.Restart(1);
  EXPECT_TRUE(h.Puzzle(1).savedPieces.empty());
  EXPECT_EQ(h.Puzzle(1).minutes, 0);
  h.Play();
  ASSERT_EQ(h.game().OpenPuzzle(), &h.Puzzle(1));
  EXPECT_EQ(h.Open().groups.size(), 12u);
}

// A read-only puzzle file in a folder the player may write: Back says the game could not be
// saved and leaves the file as it was, so the next run resumes the game saved before.
TEST_F(GameTest, BackOnAReadOnlyFileKeepsTheGameSavedBefore) {
  h.Play();
  PlayAWhile(h);
  ASSERT_FALSE(HasFatalFailure());
  const GameSnapshot saved = TakeSnapshot(h.game());
  h.Back();
  const std::filesystem::path path = h.PuzzlePath(0);
  const std::vector<uint8_t> before = ReadBytes(path);
  OtherUser::Hand(h.ProgramDir());
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);
  OtherUser user;
  if (!user.Active()) GTEST_SKIP() << "cannot take on another user's ids as root";
  h.host.ClearRecords();
  h.Play();
  for (int step = 0; step < 5; ++step) h.IdleAfter(1000);
  ASSERT_NE(TakeSnapshot(h.game()), saved);
  h.Back();
  ASSERT_EQ(h.host.messages.size(), 1u);
  EXPECT_EQ(h.host.messages[0].text.rfind(kGameNotSaved, 0), 0u) << h.host.messages[0].text;
  EXPECT_EQ(ReadBytes(path), before);

  EXPECT_EQ(h.game().Shutdown().size(), 1u);
  EXPECT_EQ(ReadBytes(path), before);
  h.OpenGame();
  h.Play();
  ASSERT_EQ(h.game().Mode(), ViewMode::Play);
  EXPECT_EQ(TakeSnapshot(h.game()), saved);
}

INSTANTIATE_TEST_SUITE_P(Formats, GameFormatTest, ::testing::Values("32", "565"));

}  // namespace
