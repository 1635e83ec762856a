// A process killed at random moments while it saves games leaves the last or the next game whole.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "QvxTestFile.h"
#include "TestPictures.h"
#include "library/FileByteSource.h"
#include "library/PuzzleFileParser.h"
#include "library/PuzzleFileUpdate.h"

namespace {

constexpr int kRounds = 40;

// Game n: the test game with base n and groups of 1 + n % 7 pieces.
void PlayGame(PuzzleRecord& record, int n) {
  PlayTestGame(record, n, 1 + n % 7);
}

// Saves games 1, 2, 3, ... until killed, telling the parent each number once its save is done.
[[noreturn]] void SaveForever(PuzzleRecord& record, int reportFd) {
  for (int n = 1;; ++n) {
    PlayGame(record, n);
    if (!SavePieceBlock(record)) _exit(2);
    if (write(reportFd, &n, sizeof n) != sizeof n) _exit(3);
  }
}

// The number of the last save the child reported; 0 when it reported none.
int LastReported(int readFd) {
  int last = 0, n = 0;
  while (read(readFd, &n, sizeof n) == sizeof n) last = n;
  return last;
}

// The game the file holds, checked whole against the game of that number; -1 when it is not
// one of the games saved.
int GameInFile(const std::string& path, const PuzzleRecord& record) {
  FileByteSource source;
  PuzzleFileContents contents;
  if (!source.Open(path) || !ParsePuzzleFile(source, contents) || !contents.hasSavedGame) return -1;
  const int n = contents.savedGame.pieces.at(0).x;
  PuzzleRecord expected;
  expected.cols = record.cols, expected.rows = record.rows, expected.rotationOn = 1;
  PlayGame(expected, n);
  SavedGame game;
  for (const auto& piece : expected.pieces)
    game.pieces.push_back({piece->x, piece->y, piece->rotation});
  for (const auto& group : expected.groups) {
    SavedGroup saved{static_cast<uint32_t>(group->box), {}};
    for (const Piece* piece : group->pieces) saved.ids.push_back(static_cast<uint32_t>(piece->id));
    game.groups.push_back(saved);
  }
  return contents.savedGame == game ? n : -1;
}

TEST(CrashSafety, KilledSaverLeavesTheLastOrTheNextGameWhole) {
  SurfaceService service(PixelFormatInfo::Rgb32());
  TempFolder folder;
  const std::string path = (folder.Path() / "Kept.qvx").string();
  // A large picture makes each save copy long enough for kills to land inside it.
  auto record = MakeTestPuzzle(service, path, 8, 6, 600, 400);
  ASSERT_TRUE(record);
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> delayUs(1000, 40000);
  for (int round = 0; round < kRounds; ++round) {
    PlayGame(*record, 0);
    ASSERT_TRUE(SavePieceBlock(*record));
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(fds[0]);
      SaveForever(*record, fds[1]);
    }
    close(fds[1]);
    std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saver stopped by itself in round " << round;
    const int last = LastReported(fds[0]);
    close(fds[0]);
    const int inFile = GameInFile(path, *record);
    EXPECT_TRUE(inFile == last || inFile == last + 1)
        << "round " << round << ": the file holds game " << inFile << ", the last saved was "
        << last;
  }
}

}  // namespace
