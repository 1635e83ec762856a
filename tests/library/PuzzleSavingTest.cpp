// Saving when a game is left and at program end.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "OtherUser.h"
#include "QvxTestFile.h"
#include "TestPictures.h"
#include "library/PuzzleFileParser.h"
#include "library/PuzzleSaving.h"

namespace {

namespace fs = std::filesystem;

class PuzzleSaving : public testing::Test {
 protected:
  PuzzleRecord& Add(PuzzlePack& pack, const std::string& name) {
    auto record = MakeTestPuzzle(service, folder.Path() / (name + ".qvx"));
    EXPECT_TRUE(record);
    pack.puzzles.push_back(std::move(record));
    return *pack.puzzles.back();
  }

  PuzzleFileContents Contents(const PuzzleRecord& record) {
    const std::vector<uint8_t> bytes = ReadBytes(record.filePath);
    MemoryByteSource source(bytes);
    PuzzleFileContents contents;
    EXPECT_TRUE(ParsePuzzleFile(source, contents));
    return contents;
  }

  // A played game saved, then a later game left while the player lacks a right `takeRight`
  // removes: the save fails and names the file, and neither that nor program end changes a
  // byte of it or leaves anything beside it.
  void ExpectRefusedSave(const std::function<void(PuzzleRecord&)>& takeRight) {
    PuzzleLibrary library;
    library.packs.push_back(std::make_unique<PuzzlePack>());
    PuzzleRecord& puzzle = Add(*library.packs[0], "Guarded");
    PlayTestGame(puzzle, 4, 6);
    ASSERT_TRUE(SaveLeftGame(puzzle, [](PuzzleRecord& record) { record.minutes = 5; }));
    const std::vector<uint8_t> before = ReadBytes(puzzle.filePath);
    OtherUser::Hand(folder.Path());
    takeRight(puzzle);
    {
      OtherUser user;
      if (!user.Active()) GTEST_SKIP() << "cannot take on another user's ids as root";
      PlayTestGame(puzzle, 9, 2);
      const FileStatus status = SaveLeftGame(puzzle, [](PuzzleRecord& record) {
        record.minutes = 40;
        record.cellLeft = 7;
      });
      EXPECT_FALSE(status);
      EXPECT_NE(status.Reason().find(puzzle.filePath), std::string::npos) << status.Reason();
      EXPECT_EQ(SaveAllPuzzles(library).size(), 1u);
    }
    chmod(folder.Path().c_str(), 0755);
    EXPECT_EQ(ReadBytes(puzzle.filePath), before);
    EXPECT_EQ(Contents(puzzle).header.minutes, 5);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.Path())) ++entries;
    EXPECT_EQ(entries, 2) << "the picture and the puzzle";
  }

  SurfaceService service{PixelFormatInfo::Rgb24()};
  TempFolder folder;
};

TEST_F(PuzzleSaving, LeavingAGameSavesThePiecesAndThePlayState) {
  PuzzlePack pack;
  PuzzleRecord& puzzle = Add(pack, "Left");
  PlayTestGame(puzzle, 4, 6);
  const FileStatus status = SaveLeftGame(puzzle, [](PuzzleRecord& record) {
    record.boxOpen = {1, 1, 0, 0};
    record.ghostShown = 1;
    record.minutes = 12;
  });
  ASSERT_TRUE(status) << status.Reason();
  const PuzzleFileContents c = Contents(puzzle);
  EXPECT_TRUE(c.hasSavedGame);
  EXPECT_EQ(c.savedGame.groups.size(), 2u);
  EXPECT_EQ(c.header.boxOpen, (std::array<uint8_t, 4>{1, 1, 0, 0}));
  EXPECT_EQ(c.header.ghostShown, 1);
  EXPECT_EQ(c.header.minutes, 12);
}

TEST_F(PuzzleSaving, LeavingStillStoresThePlayStateWhenTheFileIsGone) {
  PuzzlePack pack;
  PuzzleRecord& puzzle = Add(pack, "Gone");
  PlayTestGame(puzzle, 4, 6);
  fs::remove(puzzle.filePath);
  bool stored = false;
  const FileStatus status = SaveLeftGame(puzzle, [&](PuzzleRecord&) { stored = true; });
  EXPECT_FALSE(status);
  EXPECT_TRUE(stored);
}

TEST_F(PuzzleSaving, ProgramEndSavesEveryHeaderAndThePlayedGames) {
  PuzzleLibrary library;
  library.packs.push_back(std::make_unique<PuzzlePack>());
  library.packs.push_back(std::make_unique<PuzzlePack>());
  PuzzleRecord& played = Add(*library.packs[0], "Played");
  PuzzleRecord& seen = Add(*library.packs[1], "Seen");
  PuzzleRecord& lost = Add(*library.packs[1], "Lost");
  PlayTestGame(played, 8, 12);
  played.seconds = 33;
  seen.cellLeft = 412;
  fs::remove(lost.filePath);
  const std::vector<SaveFailure> failures = SaveAllPuzzles(library);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].path, lost.filePath);
  const PuzzleFileContents p = Contents(played);
  EXPECT_TRUE(p.hasSavedGame);
  EXPECT_EQ(p.header.seconds, 33);
  const PuzzleFileContents s = Contents(seen);
  EXPECT_FALSE(s.hasSavedGame);
  EXPECT_EQ(s.header.cellLeft, 412);
}

// The folder would allow the rename, but the file's own mode forbids writing it.
TEST_F(PuzzleSaving, ALeftGameNeverReplacesAReadOnlyFile) {
  ExpectRefusedSave([](PuzzleRecord& puzzle) { chmod(puzzle.filePath.c_str(), 0444); });
}

// The file could be written in place, but the new file cannot be made beside it: the header
// is not written alone either.
TEST_F(PuzzleSaving, ALeftGameInAFolderThatCannotBeWrittenKeepsItsHeader) {
  ExpectRefusedSave([this](PuzzleRecord&) { chmod(folder.Path().c_str(), 0555); });
}

}  // namespace
