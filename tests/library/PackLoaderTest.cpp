// Loading the pack folders: which folders and files count, their order, the current pack.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "QvxTestFile.h"
#include "TestPictures.h"
#include "library/FileReplacement.h"
#include "library/PackLoader.h"
#include "library/PuzzleFileReader.h"
#include "library/PuzzleFileUpdate.h"
#include "library/PuzzlePaths.h"

namespace {

namespace fs = std::filesystem;

class RecordedProgress : public LoadingProgress {
 public:
  void SetLoadingText(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

void SetModifiedTime(const fs::path& path, time_t seconds) {
  const timespec times[2] = {{seconds, 0}, {seconds, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

std::vector<std::string> PackNames(const PuzzleLibrary& library) {
  std::vector<std::string> names;
  for (const auto& pack : library.packs) names.push_back(pack->name);
  return names;
}

std::vector<std::string> PuzzleNames(const PuzzlePack& pack) {
  std::vector<std::string> names;
  for (const auto& puzzle : pack.puzzles) names.push_back(puzzle->name);
  return names;
}

bool Skipped(const std::vector<PackLoadNote>& notes, const fs::path& path) {
  for (const PackLoadNote& note : notes) {
    if (note.skipped && note.path == path.string()) return true;
  }
  return false;
}

// The folder's entries other than `path` itself: what a killed save left beside `path`.
std::vector<std::string> NamesBeside(const fs::path& path) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(path.parent_path()))
    if (entry.path() != path) names.push_back(entry.path().filename().string());
  return names;
}

// A save of `path` whose process is killed between writing its new file and the rename.
void KilledSave(const fs::path& path) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    FileReplacement file(path.string());
    const uint8_t bytes[] = {1, 2, 3};
    _exit(file.Begin() && file.Write(bytes) ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

class PackLoader : public testing::Test {
 protected:
  std::vector<PackLoadNote> Load() {
    return LoadPuzzlePacks(service, folder.Path().string(), library, progress);
  }

  SurfaceService service{PixelFormatInfo::Rgb565()};
  TempFolder folder;
  fs::path puzzles = folder.Path() / "Puzzles";
  PuzzleLibrary library;
  RecordedProgress progress;
};

TEST_F(PackLoader, ListsTheUserPackFirstThenTheOthersByName) {
  for (const char* pack : {"Animals", "birds", "User", "Cars"})
    WriteTestPack(service, puzzles, pack, {});
  Load();
  EXPECT_EQ(PackNames(library), (std::vector<std::string>{"User", "Animals", "birds", "Cars"}));
  EXPECT_TRUE(library.packs[0]->isUserPack);
  ASSERT_TRUE(library.currentPack);
  EXPECT_EQ(library.currentPack->name, "Animals");
  EXPECT_EQ(library.currentPack->dirPath, (puzzles / "Animals").string());
  EXPECT_EQ(library.packs[1]->thumbWidthPx, 40);
  EXPECT_EQ(library.packs[1]->thumbHeightPx, 30);
  EXPECT_TRUE(library.packs[1]->thumb && library.packs[1]->dropShadow);
}

TEST_F(PackLoader, LowerCaseUserIsAnOrdinaryPack) {
  for (const char* pack : {"Zoo", "user", "Boats"}) WriteTestPack(service, puzzles, pack, {});
  Load();
  EXPECT_EQ(PackNames(library), (std::vector<std::string>{"Boats", "user", "Zoo"}));
  for (const auto& pack : library.packs) EXPECT_FALSE(pack->isUserPack) << pack->name;
  EXPECT_EQ(library.currentPack->name, "user");
}

TEST_F(PackLoader, OrdersPuzzlesByNameAndUserPuzzlesNewestFirst) {
  WriteTestPack(service, puzzles, "Animals", {"b", "c", "A"});
  WriteTestPack(service, puzzles, "User", {"Alpha", "Zed", "Mid"});
  SetModifiedTime(puzzles / "User" / "Alpha.qvx", 1700000300);
  SetModifiedTime(puzzles / "User" / "Zed.qvx", 1700000100);
  SetModifiedTime(puzzles / "User" / "Mid.qvx", 1700000200);
  Load();
  ASSERT_EQ(library.packs.size(), 2u);
  EXPECT_EQ(PuzzleNames(*library.packs[0]), (std::vector<std::string>{"Alpha", "Mid", "Zed"}));
  EXPECT_EQ(PuzzleNames(*library.packs[1]), (std::vector<std::string>{"A", "b", "c"}));
  EXPECT_EQ(library.packs[1]->currentPuzzle, library.packs[1]->puzzles[0].get());
  EXPECT_EQ(library.packs[0]->currentPuzzle, library.packs[0]->puzzles[0].get());
}

TEST_F(PackLoader, SkipsFoldersWithoutCoverAndFilesThatAreNotPuzzles) {
  WriteTestPack(service, puzzles, "Animals", {"Cat", "Dog"});
  fs::create_directories(puzzles / "NoCover");
  WriteBytes(puzzles / "readme.txt", {'x'});
  WriteBytes(puzzles / "Animals" / "broken.qvx", std::vector<uint8_t>(300, 1));
  WriteBytes(puzzles / "Animals" / "notes.txt", {'y'});
  const auto notes = Load();
  EXPECT_EQ(PackNames(library), (std::vector<std::string>{"Animals"}));
  EXPECT_EQ(PuzzleNames(*library.packs[0]), (std::vector<std::string>{"Cat", "Dog"}));
  EXPECT_EQ(library.currentPack, library.packs[0].get()) << "the only pack is current";
  EXPECT_TRUE(Skipped(notes, puzzles / "NoCover"));
  EXPECT_TRUE(Skipped(notes, puzzles / "readme.txt"));
  EXPECT_TRUE(Skipped(notes, puzzles / "Animals" / "broken.qvx"));
  EXPECT_TRUE(Skipped(notes, puzzles / "Animals" / "notes.txt"));
}

TEST_F(PackLoader, ReportsEachPuzzleThenLoaded) {
  WriteTestPack(service, puzzles, "Animals", {"Cat"});
  WriteTestPack(service, puzzles, "Birds", {"Owl"});
  Load();
  ASSERT_EQ(progress.texts.size(), 3u);
  EXPECT_NE(std::find(progress.texts.begin(), progress.texts.end(),
                      "Loading puzzle pack: Animals\nLoading puzzle: Cat"),
            progress.texts.end());
  EXPECT_NE(std::find(progress.texts.begin(), progress.texts.end(),
                      "Loading puzzle pack: Birds\nLoading puzzle: Owl"),
            progress.texts.end());
  EXPECT_EQ(progress.texts.back(), "Loaded.\nPress any key.");
}

TEST_F(PackLoader, GivesDisplayCopiesOnlyToTheCurrentPacksPuzzles) {
  WriteTestPack(service, puzzles, "Animals", {"Cat"});
  WriteTestPack(service, puzzles, "User", {"Mine"});
  Load();
  const PuzzleRecord& cat = *library.packs[1]->puzzles[0];
  const PuzzleRecord& mine = *library.packs[0]->puzzles[0];
  EXPECT_TRUE(cat.thumb && cat.dropShadow);
  EXPECT_FALSE(mine.thumb || mine.dropShadow);
  EXPECT_TRUE(mine.thumbMaster && mine.dropShadowMaster);
}

TEST_F(PackLoader, ReadsSavedGamesAndDropsOnesThatDoNotFit) {
  WriteTestPack(service, puzzles, "Animals", {"Played", "Stale"});
  for (const char* name : {"Played", "Stale"}) {
    std::unique_ptr<PuzzleRecord> record;
    ASSERT_TRUE(ReadPuzzleFile(
        service, (puzzles / "Animals" / (std::string(name) + ".qvx")).string(), record));
    PlayTestGame(*record, 5, 5);
    ASSERT_TRUE(SavePieceBlock(*record));
    if (std::string(name) == "Stale") {
      record->pieceCount = 20, record->cols = 5, record->rows = 4;  // as Modify leaves it
      ASSERT_TRUE(UpdatePuzzleHeader(*record));
    }
  }
  const auto notes = Load();
  const auto& pack = *library.currentPack;
  ASSERT_EQ(PuzzleNames(pack), (std::vector<std::string>{"Played", "Stale"}));
  EXPECT_EQ(pack.puzzles[0]->savedPieces.size(), 12u);
  EXPECT_EQ(pack.puzzles[0]->savedGroups.size(), 3u);
  EXPECT_TRUE(pack.puzzles[1]->savedPieces.empty());
  EXPECT_TRUE(pack.puzzles[1]->savedGroups.empty());
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_FALSE(notes[0].skipped);
  EXPECT_EQ(notes[0].path, (puzzles / "Animals" / "Stale.qvx").string());
}

TEST_F(PackLoader, WithoutPuzzlesFolderThereAreNoPacks) {
  const auto notes = Load();
  EXPECT_TRUE(library.packs.empty());
  EXPECT_EQ(library.currentPack, nullptr);
  EXPECT_TRUE(Skipped(notes, puzzles));
  EXPECT_EQ(progress.texts.back(), "Loaded.\nPress any key.");
}

// A killed save's new file goes at the next load; one a running process may still rename, and
// files that only look like them, stay.
TEST_F(PackLoader, RemovesTheNewFilesOfKilledSavesOnly) {
  WriteTestPack(service, puzzles, "Animals", {"Cat"});
  const fs::path cat = puzzles / "Animals" / "Cat.qvx";
  KilledSave(cat);
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_EQ(NamesBeside(cat).size(), 2u) << "the cover and the killed save's file";
  const std::string live =
      "." + cat.filename().string() + ".save-" + std::to_string(getpid()) + "-7";
  const std::vector<std::string> foreign = {".Cat.qvx.save-12", ".Cat.qvx.save-12-x", ".save-12-0",
                                            "Cat.qvx.save-99999999-0"};
  for (const std::string& name : foreign) WriteBytes(puzzles / "Animals" / name, {7});
  WriteBytes(puzzles / "Animals" / live, {7});
  KilledSave(cat);
  ASSERT_FALSE(HasFatalFailure());
  const std::vector<uint8_t> before = ReadBytes(cat);
  const std::vector<PackLoadNote> notes = Load();
  EXPECT_EQ(PuzzleNames(*library.packs[0]), (std::vector<std::string>{"Cat"}));
  EXPECT_EQ(ReadBytes(cat), before);
  std::vector<std::string> left = NamesBeside(cat);
  std::sort(left.begin(), left.end());
  std::vector<std::string> expected = foreign;
  expected.push_back(live);
  expected.emplace_back(kPackCoverName);
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(left, expected);
  EXPECT_FALSE(Skipped(notes, puzzles / "Animals" / live)) << "a save in progress is no news";
  for (const std::string& name : foreign)
    EXPECT_TRUE(Skipped(notes, puzzles / "Animals" / name)) << name;
}

}  // namespace
