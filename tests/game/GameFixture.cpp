// The game harness: folder, pack and game.
#include "GameFixture.h"

#include <stdlib.h>

#include "TestPictures.h"
#include "library/PuzzleFileWriter.h"
#include "puzzle/PictureLoad.h"
#include "puzzle/RandomSequence.h"

namespace {

PixelFormatInfo FormatNamed(const std::string& name) {
  const auto format = PixelFormatInfo::FromName(name);
  EXPECT_TRUE(format.has_value()) << name;
  return format.value_or(PixelFormatInfo::Rgb32());
}

std::filesystem::path MakeTemporaryDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "pavlemir-game-XXXXXX").string();
  const char* made = mkdtemp(pattern.data());
  EXPECT_NE(made, nullptr);
  return made != nullptr ? std::filesystem::path(made) : std::filesystem::path();
}

}  // namespace

GameHarness::GameHarness(const std::string& formatName)
    : service(FormatNamed(formatName)), dir_(MakeTemporaryDir()) {
  host.display = {kViewWidth, kViewHeight, service.Format().bitsPerPixel};
  WriteTestPack(service, dir_ / "Puzzles", kPackName, {"First", "Second"});
  OpenGame();
}

GameHarness::~GameHarness() {
  game_.reset();
  std::error_code ignored;
  if (!dir_.empty()) std::filesystem::remove_all(dir_, ignored);
}

void GameHarness::OpenGame(int puzzleIndex) {
  game_.reset();
  SeedRandom(4242);
  game_ = std::make_unique<Game>(host, service, bitmaps,
                                 GameSetup{dir_.string(), kViewWidth, kViewHeight, TileSettings{}});
  game_->Start();
  game_->SelectPuzzle(&Pack(), &Puzzle(puzzleIndex));
}

void GameHarness::Restart(int puzzleIndex) {
  EXPECT_TRUE(game_->Shutdown().empty());
  OpenGame(puzzleIndex);
}

PuzzlePack& GameHarness::Pack() {
  for (const auto& pack : game_->Library().packs) {
    if (pack->name == kPackName) return *pack;
  }
  ADD_FAILURE() << "the test pack was not loaded";
  return *game_->Library().packs.at(0);
}

PuzzleRecord& GameHarness::Puzzle(int index) {
  return *Pack().puzzles.at(static_cast<std::size_t>(index));
}

PuzzleRecord& GameHarness::Open() {
  PuzzleRecord* open = game_->OpenPuzzle();
  EXPECT_NE(open, nullptr) << "no puzzle is open";
  return open != nullptr ? *open : Puzzle(0);
}

std::filesystem::path GameHarness::PuzzlePath(int index) const {
  static const char* const names[] = {"First.qvx", "Second.qvx"};
  return dir_ / "Puzzles" / kPackName / names[index];
}

bool GameHarness::IdleAfter(uint32_t milliseconds) {
  host.now += milliseconds;
  return game_->Idle();
}

void AddWidePuzzle(GameHarness& h, const std::string& name, bool rotationOn) {
  const std::filesystem::path work = h.ProgramDir() / "work";
  std::filesystem::create_directories(work);
  const std::filesystem::path picturePath = work / "Wide.bmp";
  WriteTestBmp(picturePath, 320, 240);
  const auto picture = LoadPictureSurface(h.service, picturePath.string(), true);
  ASSERT_NE(picture, nullptr);
  NewPuzzle puzzle;
  puzzle.picturePath = picturePath.string();
  puzzle.picture = picture.get();
  puzzle.sizeChoice = 5;
  puzzle.rotationOn = rotationOn;
  puzzle.cols = 8;
  puzzle.rows = 6;
  std::unique_ptr<PuzzleRecord> record;
  const std::filesystem::path path = h.ProgramDir() / "Puzzles" / kPackName / (name + ".qvx");
  ASSERT_TRUE(WriteNewPuzzleFile(h.service, path.string(), puzzle, record));
  std::filesystem::remove_all(work);
}
