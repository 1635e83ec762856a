// Saving into puzzle files: the header in place, the piece block by replacement, and failures.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "OtherUser.h"
#include "QvxTestFile.h"
#include "TestPictures.h"
#include "library/PuzzleFileParser.h"
#include "library/PuzzleFileReader.h"
#include "library/PuzzleFileUpdate.h"

namespace {

namespace fs = std::filesystem;

struct stat StatOf(const fs::path& path) {
  struct stat info {};
  EXPECT_EQ(stat(path.c_str(), &info), 0);
  return info;
}

bool SameTime(const timespec& a, const timespec& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

class PuzzleFileUpdate : public testing::Test {
 protected:
  void SetUp() override {
    record = MakeTestPuzzle(service, path);
    ASSERT_TRUE(record);
    // An old modification time, so that a save that kept the current one would show.
    const timespec times[2] = {{1000000000, 5}, {1000000000, 700}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
  }

  PuzzleFileContents Contents() {
    const std::vector<uint8_t> bytes = ReadBytes(path);
    MemoryByteSource source(bytes);
    PuzzleFileContents contents;
    EXPECT_TRUE(ParsePuzzleFile(source, contents));
    return contents;
  }

  SurfaceService service{PixelFormatInfo::Rgb32()};
  TempFolder folder;
  fs::path path = folder.Path() / "Lighthouse.qvx";
  std::unique_ptr<PuzzleRecord> record;
};

TEST_F(PuzzleFileUpdate, HeaderUpdateWritesOnlyTheRecordsFields) {
  const std::vector<uint8_t> before = ReadBytes(path);
  record->cellLeft = 321, record->cellTop = -4, record->solvedPercent = 100;
  record->pictureWidth = 1, record->thumbWidthPx = 7;  // not rewritten by the update
  record->pieceCount = 30, record->cols = 6, record->rows = 5;
  record->hours = 2, record->minutes = 3, record->seconds = 4, record->sizeChoice = 3;
  record->rotationOn = 0, record->blackAndWhite = 1, record->boxOpen = {0, 1, 0, 1};
  record->ghostShown = 1, record->thumbnailShown = 1;
  record->thumbLeft = 5, record->thumbTop = 6, record->thumbWidth = 300, record->thumbHeight = 200;
  record->screenHeight = 768, record->screenWidth = 1024;
  ASSERT_TRUE(UpdatePuzzleHeader(*record));
  const std::vector<uint8_t> after = ReadBytes(path);
  ASSERT_EQ(after.size(), before.size());
  const std::size_t p = static_cast<std::size_t>(record->pictureSize);
  for (std::size_t i = 0; i < after.size(); ++i) {
    const bool updated = (i >= p + 4 && i < p + 12) || (i >= p + 16 && i < p + 65);
    if (!updated) {
      ASSERT_EQ(after[i], before[i]) << "byte " << i << " is outside the header update";
    }
  }
  QvxFields f;
  ASSERT_TRUE(ReadQvx(after, f));
  const PuzzleHeader expected{.magic = {'S', 'D', 'P', 'S'},
                              .cellLeft = 321,
                              .cellTop = -4,
                              .pictureWidth = 160,
                              .pictureHeight = 120,
                              .solvedPercent = 100,
                              .pieceCount = 30,
                              .cols = 6,
                              .rows = 5,
                              .hours = 2,
                              .minutes = 3,
                              .seconds = 4,
                              .sizeChoice = 3,
                              .rotationOn = 0,
                              .blackAndWhite = 1,
                              .boxOpen = {0, 1, 0, 1},
                              .ghostShown = 1,
                              .thumbnailShown = 1,
                              .thumbLeft = 5,
                              .thumbTop = 6,
                              .thumbWidth = 300,
                              .thumbHeight = 200,
                              .screenHeight = 768,
                              .screenWidth = 1024,
                              .displayDepth = 32,
                              .thumbWidthPx = 100,
                              .thumbHeightPx = 75};
  EXPECT_EQ(f.header, expected);
}

TEST_F(PuzzleFileUpdate, UnchangedHeaderIsNotWritten) {
  const struct stat before = StatOf(path);
  ASSERT_TRUE(UpdatePuzzleHeader(*record));
  EXPECT_TRUE(SameTime(StatOf(path).st_ctim, before.st_ctim)) << "the file was written";
  record->seconds = 9;
  ASSERT_TRUE(UpdatePuzzleHeader(*record));
  EXPECT_FALSE(SameTime(StatOf(path).st_ctim, before.st_ctim));
}

TEST_F(PuzzleFileUpdate, SavesKeepTheModificationTime) {
  const struct stat before = StatOf(path);
  record->seconds = 9;
  ASSERT_TRUE(UpdatePuzzleHeader(*record));
  EXPECT_TRUE(SameTime(StatOf(path).st_mtim, before.st_mtim));
  PlayTestGame(*record, 10, 3);
  ASSERT_TRUE(SavePieceBlock(*record));
  EXPECT_TRUE(SameTime(StatOf(path).st_mtim, before.st_mtim));
}

TEST_F(PuzzleFileUpdate, PieceBlockReadsBackAsTheGameThatWasSaved) {
  PlayTestGame(*record, 50, 4);
  ASSERT_TRUE(SavePieceBlock(*record));
  std::unique_ptr<PuzzleRecord> read;
  ASSERT_TRUE(ReadPuzzleFile(service, path.string(), read));
  EXPECT_EQ(read->pieceBlockOffset, record->pieceBlockOffset);
  ASSERT_EQ(read->savedPieces.size(), 12u);
  for (std::size_t i = 0; i < 12; ++i) {
    EXPECT_EQ(read->savedPieces[i]->id, static_cast<int>(i));
    EXPECT_EQ(read->savedPieces[i]->x, record->pieces[i]->x);
    EXPECT_EQ(read->savedPieces[i]->y, record->pieces[i]->y);
    EXPECT_EQ(read->savedPieces[i]->rotation, record->pieces[i]->rotation);
  }
  ASSERT_EQ(read->savedGroups.size(), 3u);
  for (std::size_t g = 0; g < 3; ++g) {
    EXPECT_EQ(read->savedGroups[g]->box, record->groups[g]->box);
    ASSERT_EQ(read->savedGroups[g]->pieces.size(), 4u);
    for (std::size_t m = 0; m < 4; ++m) {
      EXPECT_EQ(read->savedGroups[g]->pieces[m], read->savedPieces[g * 4 + m].get());
    }
  }
}

TEST_F(PuzzleFileUpdate, LaterSaveReplacesTheBlockAtTheSameOffset) {
  const std::vector<uint8_t> newFile = ReadBytes(path);
  PlayTestGame(*record, 1, 1);
  ASSERT_TRUE(SavePieceBlock(*record));
  PlayTestGame(*record, 2, 12);
  ASSERT_TRUE(SavePieceBlock(*record));
  const std::vector<uint8_t> saved = ReadBytes(path);
  const auto b = static_cast<std::size_t>(record->pieceBlockOffset);
  ASSERT_EQ(saved.size(), b + 2 + 12 * 12 + 2 + 6 + 4 * 12 + 8);
  EXPECT_TRUE(
      std::equal(newFile.begin(), newFile.begin() + static_cast<std::ptrdiff_t>(b), saved.begin()));
  QvxFields f;
  ASSERT_TRUE(ReadQvx(saved, f));
  EXPECT_EQ(static_cast<std::size_t>(f.trailerB), b);
  EXPECT_EQ(f.trailerP, record->pictureSize);
  const PuzzleFileContents c = Contents();
  ASSERT_TRUE(c.hasSavedGame);
  EXPECT_EQ(c.savedGame.groups.size(), 1u);
  EXPECT_EQ(c.savedGame.pieces[5], (SavedPiece{7, -1, 3}));
}

TEST_F(PuzzleFileUpdate, DiscardedGameLeavesTheNewPuzzleFile) {
  const std::vector<uint8_t> newFile = ReadBytes(path);
  ASSERT_TRUE(DiscardPieceBlock(*record)) << "a file without a saved game stays as it is";
  EXPECT_EQ(ReadBytes(path), newFile);
  PlayTestGame(*record, 3, 2);
  ASSERT_TRUE(SavePieceBlock(*record));
  ASSERT_TRUE(Contents().hasSavedGame);
  ASSERT_TRUE(DiscardPieceBlock(*record));
  EXPECT_EQ(ReadBytes(path), newFile);
  EXPECT_FALSE(Contents().hasSavedGame);
  std::unique_ptr<PuzzleRecord> read;
  ASSERT_TRUE(ReadPuzzleFile(service, path.string(), read));
  EXPECT_TRUE(read->savedPieces.empty());
  EXPECT_TRUE(read->savedGroups.empty());
}

TEST_F(PuzzleFileUpdate, SaveKeepsThePermissions) {
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  PlayTestGame(*record, 3, 2);
  ASSERT_TRUE(SavePieceBlock(*record));
  EXPECT_EQ(StatOf(path).st_mode & 07777, 0640u);
}

TEST_F(PuzzleFileUpdate, RefusesAFileThatNoLongerMatchesItsRecord) {
  PlayTestGame(*record, 3, 2);
  PuzzleRecord other;
  other.filePath = path.string();
  other.pictureSize = record->pictureSize + 1;
  other.pieceBlockOffset = record->pieceBlockOffset;
  other.cellLeft = 5;
  const std::vector<uint8_t> before = ReadBytes(path);
  EXPECT_FALSE(UpdatePuzzleHeader(other));
  record->pieceBlockOffset -= 1;
  EXPECT_FALSE(SavePieceBlock(*record));
  EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(PuzzleFileUpdate, ReportsWhatCannotBeSaved) {
  EXPECT_FALSE(SavePieceBlock(*record)) << "an unplayed puzzle has no game to save";
  PlayTestGame(*record, 3, 2);
  fs::remove(path);
  const FileStatus header = UpdatePuzzleHeader(*record);
  const FileStatus block = SavePieceBlock(*record);
  EXPECT_FALSE(header);
  EXPECT_FALSE(block);
  EXPECT_NE(block.Reason().find(path.string()), std::string::npos) << block.Reason();
  EXPECT_FALSE(fs::exists(path));
}

// A full disk, made by limiting the size of files this process may write: the save fails, says
// so, and the old file stays as it was with nothing left beside it.
TEST_F(PuzzleFileUpdate, FullDiskKeepsTheOldFileWhole) {
  PlayTestGame(*record, 3, 2);
  ASSERT_TRUE(SavePieceBlock(*record));
  const std::vector<uint8_t> before = ReadBytes(path);
  PlayTestGame(*record, 9, 5);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{static_cast<rlim_t>(record->pieceBlockOffset / 2),
                       static_cast<rlim_t>(record->pieceBlockOffset / 2)};
    setrlimit(RLIMIT_FSIZE, &limit);
    const FileStatus status = SavePieceBlock(*record);
    _exit(status.Ok() ? 1 : 0);
  }
  int childStatus = 0;
  ASSERT_EQ(waitpid(child, &childStatus, 0), child);
  ASSERT_TRUE(WIFEXITED(childStatus));
  EXPECT_EQ(WEXITSTATUS(childStatus), 0) << "the failed save was reported as done";
  EXPECT_EQ(ReadBytes(path), before);
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.Path())) ++entries;
  EXPECT_EQ(entries, 2) << "the picture and the puzzle";
}

// A game discarded in memory while its folder cannot be written: neither the discard nor a
// later header update changes the file, whose header stays with its game; once the folder can
// be written the header update takes the game out with it.
TEST_F(PuzzleFileUpdate, AHeaderNeverGoesWithoutTheGameItDescribes) {
  PlayTestGame(*record, 3, 2);
  record->minutes = 9;
  ASSERT_TRUE(SavePieceBlock(*record));
  const std::vector<uint8_t> before = ReadBytes(path);
  record->pieces.clear();
  record->groups.clear();
  record->minutes = 0;
  OtherUser::Hand(folder.Path());
  ASSERT_EQ(chmod(folder.Path().c_str(), 0555), 0);
  {
    OtherUser user;
    if (!user.Active()) GTEST_SKIP() << "cannot take on another user's ids as root";
    EXPECT_FALSE(DiscardPieceBlock(*record));
    EXPECT_FALSE(UpdatePuzzleHeader(*record));
  }
  ASSERT_EQ(chmod(folder.Path().c_str(), 0755), 0);
  EXPECT_EQ(ReadBytes(path), before);
  ASSERT_TRUE(UpdatePuzzleHeader(*record));
  const PuzzleFileContents c = Contents();
  EXPECT_FALSE(c.hasSavedGame);
  EXPECT_EQ(c.header.minutes, 0);
}

}  // namespace
