// Saving when a game is left and at program end.
#include <gtest/gtest.h>

#include <filesystem>

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

}  // namespace
