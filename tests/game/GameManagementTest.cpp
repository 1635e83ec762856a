// Create, Modify, Rename and Remove driven through the game with the dialogs answered in
// advance, and the files they leave.
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "GameFixture.h"
#include "GamePlayer.h"
#include "OtherUser.h"
#include "QvxTestFile.h"
#include "TestPictures.h"
#include "game/GameTexts.h"

namespace {

namespace fs = std::filesystem;

// The game's folder with a user pack holding "Mine" as well as the test pack.
class ManagementTest : public GameTest {
 protected:
  void SetUp() override {
    WriteTestPack(h.service, h.ProgramDir() / "Puzzles", "User", {"Mine"});
    h.OpenGame();
    fs::create_directory(Pictures());
  }
  fs::path Pictures() const { return h.ProgramDir() / "pictures"; }
  fs::path UserFile(const std::string& name) const {
    return h.ProgramDir() / "Puzzles" / "User" / (name + ".qvx");
  }
  PuzzlePack& User() {
    for (const auto& pack : h.game().Library().packs)
      if (pack->isUserPack) return *pack;
    throw std::runtime_error("no user pack");
  }
  void SelectUser(const std::string& name) {
    for (const auto& puzzle : User().puzzles)
      if (puzzle->name == name) h.game().SelectPuzzle(&User(), puzzle.get());
  }
  // The header of a puzzle file on disk, and whether it holds a saved game.
  QvxFields FileFields(const fs::path& path) {
    QvxFields fields;
    EXPECT_TRUE(ReadQvx(ReadBytes(path), fields)) << path;
    return fields;
  }
  void Create(const fs::path& picture, PuzzleOptions options, const std::string& name) {
    h.host.dialogs.pictures = {picture.string()};
    h.host.dialogs.options = {options};
    h.host.dialogs.names = {name};
    h.game().Command(kCreateCommand);
  }
};

TEST_F(ManagementTest, CreateMakesPuzzlesFromBmpAndJpegFiles) {
  WriteTestBmp(Pictures() / "sunset.beach.bmp", 160, 120);
  WriteTestJpeg(Pictures() / "photo.jpg", 300, 200);
  WriteTestJpeg(Pictures() / "CAMERA.JPEG", 200, 300);

  Create(Pictures() / "sunset.beach.bmp", {5, true, false}, "sunset.beach");
  // The options dialog counts the pieces of each choice; the name dialog starts from the file.
  const std::vector<std::string> shown = h.host.dialogs.TakeRecord();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[1],
            "options 160 x 120: [] [] [] [] [4 pieces] [12 pieces] [20 pieces] "
            "[48 pieces]");
  EXPECT_EQ(shown[2], "name \"sunset.beach\"");
  const QvxFields bmp = FileFields(UserFile("sunsetbeach"));
  EXPECT_EQ(bmp.header.sizeChoice, 5);
  EXPECT_EQ(bmp.header.cols * 100 + bmp.header.rows, 403);
  EXPECT_EQ(bmp.header.rotationOn, 1);
  EXPECT_EQ(bmp.picture, ReadBytes(Pictures() / "sunset.beach.bmp"));
  EXPECT_TRUE(bmp.pieceBlock.empty());
  // The new puzzle is selected in the user pack, which is current, and listed first.
  EXPECT_EQ(h.game().Library().currentPack, &User());
  ASSERT_NE(User().currentPuzzle, nullptr);
  EXPECT_EQ(User().currentPuzzle->name, "sunsetbeach");
  EXPECT_EQ(User().puzzles.front().get(), User().currentPuzzle);
  EXPECT_EQ(h.game().LastPath(), Pictures().string());

  Create(Pictures() / "photo.jpg", {AnsweredDialogs::kPresetChoice}, "photo");
  Create(Pictures() / "CAMERA.JPEG", {7, false, true}, "CAMERA");
  EXPECT_EQ(FileFields(UserFile("photo")).header.sizeChoice, 1);  // 300 x 200: 3 x 2 pieces
  const QvxFields jpeg = FileFields(UserFile("CAMERA"));
  EXPECT_EQ(jpeg.header.cols * 100 + jpeg.header.rows, 1015);
  EXPECT_EQ(jpeg.extension, (std::array<uint8_t, 5>{'J', 'P', 'E', 'G', 0}));
  EXPECT_EQ(User().puzzles.size(), 4u);
  EXPECT_TRUE(h.host.messages.empty());
  EXPECT_TRUE(h.host.dialogs.TakeErrors().empty());

  // The new puzzle plays: the picture is cut for the chosen grid.
  h.Play();
  EXPECT_EQ(h.Open().pieces.size(), 150u);
  h.Back();
}

TEST_F(ManagementTest, CreateWithoutAUserPackMakesItsFolder) {
  fs::remove_all(h.ProgramDir() / "Puzzles" / "User");
  h.OpenGame();
  const std::size_t packs = h.game().Library().packs.size();
  WriteTestBmp(Pictures() / "first.bmp", 160, 120);
  Create(Pictures() / "first.bmp", {4}, "first");
  ASSERT_EQ(h.game().Library().packs.size(), packs + 1);
  EXPECT_TRUE(h.game().Library().packs.front()->isUserPack);
  EXPECT_TRUE(fs::exists(h.ProgramDir() / "Puzzles" / "User" / "Thumb.jpg"));
  EXPECT_TRUE(fs::exists(UserFile("first")));
  // The next start finds the pack with its puzzle.
  h.Restart();
  EXPECT_EQ(User().puzzles.size(), 1u);
}

TEST_F(ManagementTest, CreateGoesBackOnBadPicturesAndStopsWhereCancelled) {
  WriteTestBmp(Pictures() / "good.bmp", 160, 120);
  WriteTestBmp(Pictures() / "tiny.bmp", 39, 300);
  WriteBytes(Pictures() / "damaged.jpg", {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F'});
  WriteBytes(Pictures() / "notes.txt", {'h', 'i'});
  // A BMP whose header promises more rows than the file holds.
  WriteTestBmp(Pictures() / "lying.bmp", 160, 120);
  fs::resize_file(Pictures() / "lying.bmp", fs::file_size(Pictures() / "lying.bmp") / 2);
  const auto filesInUser = [&] {
    return std::distance(fs::directory_iterator(UserFile("x").parent_path()), {});
  };
  const auto before = filesInUser();

  // A picture that does not load is reported and the chooser opens again at it.
  h.host.dialogs.pictures = {(Pictures() / "damaged.jpg").string(),
                             (Pictures() / "lying.bmp").string(), std::nullopt};
  h.game().Command(kCreateCommand);
  ASSERT_EQ(h.host.messages.size(), 2u);
  EXPECT_EQ(h.host.messages[0].text, kPictureLoadError);
  EXPECT_EQ(h.host.messages[1].text, kPictureLoadError);
  const auto shown = h.host.dialogs.TakeRecord();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_NE(shown[1].find("at \"" + (Pictures() / "damaged.jpg").string()), std::string::npos);
  EXPECT_NE(shown[2].find("at \"" + (Pictures() / "lying.bmp").string()), std::string::npos);

  // Too small for every choice: the message, and no options dialog.
  h.host.messages.clear();
  h.host.dialogs.pictures = {(Pictures() / "tiny.bmp").string()};
  h.game().Command(kCreateCommand);
  ASSERT_EQ(h.host.messages.size(), 1u);
  EXPECT_EQ(h.host.messages[0].text, kPictureTooSmallText);
  EXPECT_EQ(h.host.dialogs.TakeRecord().size(), 1u);

  // Cancelling the options or the name dialog writes nothing; the puzzles scroll back to 0.
  h.host.dialogs.pictures = {(Pictures() / "good.bmp").string(),
                             (Pictures() / "good.bmp").string()};
  h.host.dialogs.options = {std::nullopt, PuzzleOptions{4}};
  h.host.dialogs.names = {std::nullopt};
  h.game().Command(kCreateCommand);
  h.game().Command(kCreateCommand);
  EXPECT_EQ(filesInUser(), before);
  EXPECT_EQ(User().puzzles.size(), 1u);
  EXPECT_EQ(h.game().ScrollBar(GalleryBar::Puzzles).position, 0);

  // A dropped file that is no picture is refused at once; a dropped picture goes on to the
  // options and the name, as a chosen one does.
  h.host.messages.clear();
  h.host.dialogs.TakeRecord();
  EXPECT_TRUE(h.game().DropPicture((Pictures() / "notes.txt").string()));
  ASSERT_EQ(h.host.messages.size(), 1u);
  EXPECT_EQ(h.host.messages[0].text, kPictureLoadError);
  EXPECT_TRUE(h.host.dialogs.TakeRecord().empty());
  h.host.dialogs.options = {PuzzleOptions{4}};
  h.host.dialogs.names = {"dropped"};
  EXPECT_TRUE(h.game().DropPicture((Pictures() / "good.bmp").string()));
  EXPECT_TRUE(fs::exists(UserFile("dropped")));
}

TEST_F(ManagementTest, ModifyStartsACompletedPuzzleAfreshAndDropsItsSavedGame) {
  h.Play();
  h.IdleAfter(3000);
  ASSERT_TRUE(SolveByMouse(h.game()));
  h.Back();
  ASSERT_FALSE(FileFields(h.PuzzlePath(0)).pieceBlock.empty());
  // Preset: the puzzle's own options.
  h.host.dialogs.options = {PuzzleOptions{7, true, true}};
  h.game().Command(kModifyCommand);
  EXPECT_NE(h.host.dialogs.TakeRecord().at(0).find("[48 pieces]"), std::string::npos);
  PuzzleRecord& puzzle = h.Puzzle(0);
  EXPECT_EQ(puzzle.solvedPercent, 0);
  EXPECT_EQ(puzzle.hours + puzzle.minutes + puzzle.seconds, 0);
  EXPECT_EQ(puzzle.cols * 100 + puzzle.rows, 806);
  EXPECT_TRUE(puzzle.pieces.empty());
  // The file follows at once: no saved game, the new options in its header.
  const QvxFields fields = FileFields(h.PuzzlePath(0));
  EXPECT_TRUE(fields.pieceBlock.empty());
  EXPECT_EQ(fields.header.sizeChoice, 7);
  EXPECT_EQ(fields.header.solvedPercent, 0);
  EXPECT_EQ(fields.header.blackAndWhite, 1);
  h.Restart();
  h.Play();
  EXPECT_EQ(h.Open().pieces.size(), 48u);
  EXPECT_EQ(h.Open().solvedPercent, 0);
}

TEST_F(ManagementTest, RenameAndRemoveWorkInTheUserPackOnly) {
  // Elsewhere: the messages, nothing asked, nothing changed.
  h.game().Command(kRenameCommand);
  h.game().Command(kRemoveCommand);
  ASSERT_EQ(h.host.messages.size(), 2u);
  EXPECT_EQ(h.host.messages[0].text, kRenameElsewhereText);
  EXPECT_EQ(h.host.messages[1].text, kRemoveElsewhereText);
  EXPECT_TRUE(h.host.questions.empty());

  SelectUser("Mine");
  h.host.dialogs.names = {"Mine", "Yours"};  // its own name is taken
  h.game().Command(kRenameCommand);
  EXPECT_FALSE(fs::exists(UserFile("Mine")));
  EXPECT_TRUE(fs::exists(UserFile("Yours")));
  PuzzleRecord& puzzle = *User().currentPuzzle;
  EXPECT_EQ(puzzle.name, "Yours");
  EXPECT_EQ(puzzle.filePath, UserFile("Yours").string());

  h.host.answers = {false};
  h.game().Command(kRemoveCommand);
  EXPECT_EQ(h.host.questions.back(), "Remove \"Yours\" puzzle?");
  EXPECT_TRUE(fs::exists(UserFile("Yours")));
  h.host.answers = {true};
  h.game().Command(kRemoveCommand);
  EXPECT_FALSE(fs::exists(UserFile("Yours")));
  EXPECT_TRUE(User().puzzles.empty());
  EXPECT_EQ(User().currentPuzzle, nullptr);
  // With no puzzle selected the commands do nothing.
  h.game().Command(kRemoveCommand);
  h.game().Command(kRenameCommand);
  EXPECT_EQ(h.host.questions.size(), 2u);
}

TEST_F(ManagementTest, FailedRenameRemoveAndCreateLeaveTheGalleryAsTheFilesAre) {
  WriteTestBmp(Pictures() / "good.bmp", 160, 120);
  SelectUser("Mine");
  const fs::path folder = UserFile("Mine").parent_path();
  OtherUser::Hand(h.ProgramDir());
  ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
  {
    OtherUser user;
    if (!user.Active()) GTEST_SKIP() << "cannot take on another user's ids as root";
    h.host.dialogs.names = {"Other"};
    h.game().Command(kRenameCommand);
    h.host.answers = {true};
    h.game().Command(kRemoveCommand);
    Create(Pictures() / "good.bmp", {4}, "made");
  }
  chmod(folder.c_str(), 0755);
  ASSERT_EQ(h.host.messages.size(), 3u);
  EXPECT_EQ(h.host.messages[0].text.rfind(kPuzzleNotRenamedText, 0), 0u);
  EXPECT_EQ(h.host.messages[1].text.rfind(kPuzzleNotRemovedText, 0), 0u);
  EXPECT_EQ(h.host.messages[2].text.rfind(kPuzzleNotMadeText, 0), 0u);
  ASSERT_EQ(User().puzzles.size(), 1u);
  EXPECT_EQ(User().puzzles[0]->filePath, UserFile("Mine").string());
  EXPECT_TRUE(fs::exists(UserFile("Mine")));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 2);  // Thumb.jpg and Mine.qvx
}

TEST_F(ManagementTest, AFullDiskWhileWritingLeavesNoPuzzleFile) {
  WriteTestBmp(Pictures() / "good.bmp", 160, 120);
  // Writes beyond the limit fail as on a full disk.
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 20000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  Create(Pictures() / "good.bmp", {4}, "full");
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  ASSERT_EQ(h.host.messages.size(), 1u);
  EXPECT_EQ(h.host.messages[0].text.rfind(kPuzzleNotMadeText, 0), 0u);
  EXPECT_EQ(User().puzzles.size(), 1u);
  EXPECT_EQ(std::distance(fs::directory_iterator(UserFile("x").parent_path()), {}), 2);
}

}  // namespace
