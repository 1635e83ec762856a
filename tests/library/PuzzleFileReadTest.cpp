// Reading puzzle files: every field of a file written by offsets, rejected and dropped files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "QvxTestFile.h"
#include "library/ByteSource.h"
#include "library/PuzzleFileParser.h"

namespace {

FileStatus Parse(const std::vector<uint8_t>& bytes, PuzzleFileContents& contents) {
  MemoryByteSource source(bytes);
  return ParsePuzzleFile(source, contents);
}

// Twelve pieces in three groups of four, groups in boxes 0, 2 and 4.
QvxFields PlayedFile() {
  QvxFields f;
  f.header.rotationOn = 1;
  std::vector<TestPiece> pieces;
  for (int i = 0; i < 12; ++i) pieces.push_back({i * 10 - 40, 1000 + i, i % 4});
  f.pieceBlock =
      BuildPieceBlock(pieces, {{0, {3, 2, 1, 0}}, {2, {4, 5, 6, 7}}, {4, {11, 8, 10, 9}}});
  return f;
}

TEST(PuzzleFileRead, TakesEveryHeaderFieldFromItsOffset) {
  QvxFields f;
  PuzzleHeader& h = f.header;
  h.magic = {'x', 'y', 'z', 'w'};  // not checked
  h.cellLeft = -5, h.cellTop = 70000, h.pictureWidth = 65000, h.pictureHeight = 2;
  h.solvedPercent = 57, h.pieceCount = 60000, h.cols = 300, h.rows = 200;
  h.hours = 1000, h.minutes = 59, h.seconds = 58, h.sizeChoice = 7;
  h.rotationOn = 1, h.blackAndWhite = 1, h.boxOpen = {1, 0, 1, 1};
  h.ghostShown = 1, h.thumbnailShown = 1;
  h.thumbLeft = 11, h.thumbTop = -12, h.thumbWidth = 13, h.thumbHeight = 14;
  h.screenHeight = 1080, h.screenWidth = 1920, h.displayDepth = 16;
  f.extension = {'j', 'p', 'e', 'g', 0};
  for (std::size_t i = 0; i < f.thumbnail.size(); ++i)
    f.thumbnail[i] = static_cast<uint8_t>(i * 13);
  PuzzleFileContents c;
  ASSERT_TRUE(Parse(BuildQvx(f), c)) << c.droppedGame;
  EXPECT_EQ(c.header, f.header);
  EXPECT_EQ(c.thumbnailRgb, f.thumbnail);
  EXPECT_STREQ(c.pictureExt.data(), "jpeg");
  EXPECT_EQ(c.pictureSize, f.picture.size());
  EXPECT_EQ(c.pieceBlockOffset, c.fileLength - 8);
  EXPECT_FALSE(c.hasSavedGame);
  EXPECT_TRUE(c.droppedGame.empty());
}

TEST(PuzzleFileRead, GivesTwelveSavedPiecesInThreeGroups) {
  PuzzleFileContents c;
  ASSERT_TRUE(Parse(BuildQvx(PlayedFile()), c));
  ASSERT_TRUE(c.hasSavedGame) << c.droppedGame;
  ASSERT_EQ(c.savedGame.pieces.size(), 12u);
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(c.savedGame.pieces[i], (SavedPiece{i * 10 - 40, 1000 + i, i % 4}));
  }
  ASSERT_EQ(c.savedGame.groups.size(), 3u);
  EXPECT_EQ(c.savedGame.groups[0], (SavedGroup{0, {3, 2, 1, 0}}));
  EXPECT_EQ(c.savedGame.groups[1], (SavedGroup{2, {4, 5, 6, 7}}));
  EXPECT_EQ(c.savedGame.groups[2], (SavedGroup{4, {11, 8, 10, 9}}));
}

// A file whose trailer, sizes or piece block do not hold together is rejected with a reason.
struct Damage {
  const char* name;
  void (*apply)(QvxFields&);
};

const Damage kDamages[] = {
    {"PictureSizeZero", [](QvxFields& f) { f.trailerP = 0; }},
    {"PictureBeyondFile", [](QvxFields& f) { f.trailerP = 0x7FFFFFF0; }},
    {"BlockOffsetOneShort", [](QvxFields& f) { f.trailerB = 10 + 77 + 18 + 5 - 1; }},
    {"BlockOffsetBeyondFile", [](QvxFields& f) { f.trailerB = 0x7FFFFFFF; }},
    {"ThumbnailWidthZero", [](QvxFields& f) { f.header.thumbWidthPx = 0, f.thumbnail.clear(); }},
    {"ThumbnailHeight101",
     [](QvxFields& f) { f.header.thumbHeightPx = 101, f.thumbnail.assign(3 * 3 * 101, 0); }},
    {"ThumbnailLargerThanFile",
     [](QvxFields& f) { f.header.thumbWidthPx = 100, f.header.thumbHeightPx = 100; }},
    {"ExtensionUnterminated",
     [](QvxFields& f) {
       f.extension = {'a', 'b', 'c', 'd', 'e'};
     }},
    {"ExtensionWithSlash",
     [](QvxFields& f) {
       f.extension = {'.', '/', 'x', 0, 0};
     }},
    {"ExtensionWithControl",
     [](QvxFields& f) {
       f.extension = {'j', '\n', 0, 0, 0};
     }},
    {"SizeChoiceEight", [](QvxFields& f) { f.header.sizeChoice = 8; }},
    {"SizeChoiceNegative", [](QvxFields& f) { f.header.sizeChoice = -1; }},
    {"PieceBlockCountsMorePieces",
     [](QvxFields& f) {
       f.pieceBlock = BuildPieceBlock({{0, 0, 0}, {0, 0, 0}}, {});
       f.pieceBlock[0] = 3;
     }},
    {"GroupRunsPastTrailer",
     [](QvxFields& f) {
       f.pieceBlock = BuildPieceBlock({{0, 0, 0}}, {{0, {0}}});
       f.pieceBlock.pop_back();
     }},
    {"GroupCountWithoutGroups",
     [](QvxFields& f) {
       f.pieceBlock = BuildPieceBlock({{0, 0, 0}}, {});
       f.pieceBlock.back() = 1;
     }},
};

class PuzzleFileRejects : public testing::TestWithParam<Damage> {};

TEST_P(PuzzleFileRejects, WithAReason) {
  QvxFields f = PlayedFile();
  GetParam().apply(f);
  PuzzleFileContents c;
  const FileStatus status = Parse(BuildQvx(f), c);
  EXPECT_FALSE(status);
  EXPECT_FALSE(status.Reason().empty());
}

INSTANTIATE_TEST_SUITE_P(Damages, PuzzleFileRejects, testing::ValuesIn(kDamages),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(PuzzleFileRead, RejectsEveryCutOfAPlayedFile) {
  const std::vector<uint8_t> whole = BuildQvx(PlayedFile());
  for (std::size_t length = 0; length < whole.size(); ++length) {
    const std::vector<uint8_t> cut(whole.begin(),
                                   whole.begin() + static_cast<std::ptrdiff_t>(length));
    PuzzleFileContents c;
    EXPECT_FALSE(Parse(cut, c)) << "cut to " << length << " bytes";
  }
}

// A well-formed piece block that does not fit the puzzle is dropped: the puzzle loads new.
struct Mismatch {
  const char* name;
  std::vector<TestPiece> pieces;
  std::vector<TestGroup> groups;
  uint8_t rotationOn;
};

const Mismatch kMismatches[] = {
    {"FewerPiecesThanHeader", {{0, 0, 0}, {0, 0, 0}}, {{0, {0, 1}}}, 1},
    {"IdNotBelowCount", {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, {{0, {0, 1, 2, 4}}}, 1},
    {"PieceInTwoGroups",
     {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
     {{0, {0, 1}}, {0, {1, 2, 3}}},
     1},
    {"PieceInNoGroup", {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, {{0, {0, 1, 3}}}, 1},
    {"EmptyGroup", {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, {{0, {0, 1, 2, 3}}, {1, {}}}, 1},
    {"BoxFive", {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, {{5, {0, 1, 2, 3}}}, 1},
    {"RotationFour", {{0, 0, 4}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, {{0, {0, 1, 2, 3}}}, 1},
    {"RotationNegative", {{0, 0, -1}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, {{0, {0, 1, 2, 3}}}, 1},
    {"TurnedWithRotationOff", {{0, 0, 1}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, {{0, {0, 1, 2, 3}}}, 0},
};

class SavedGameDropped : public testing::TestWithParam<Mismatch> {};

TEST_P(SavedGameDropped, AndThePuzzleReadsAsNew) {
  QvxFields f;
  f.header.pieceCount = 4, f.header.cols = 2, f.header.rows = 2,
  f.header.rotationOn = GetParam().rotationOn;
  f.pieceBlock = BuildPieceBlock(GetParam().pieces, GetParam().groups);
  PuzzleFileContents c;
  ASSERT_TRUE(Parse(BuildQvx(f), c));
  EXPECT_FALSE(c.hasSavedGame);
  EXPECT_TRUE(c.savedGame.pieces.empty());
  EXPECT_FALSE(c.droppedGame.empty());
}

INSTANTIATE_TEST_SUITE_P(Mismatches, SavedGameDropped, testing::ValuesIn(kMismatches),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(PuzzleFileRead, DropsABlockWithBytesAfterItsLastGroup) {
  QvxFields f = PlayedFile();
  f.pieceBlock.push_back(0);
  PuzzleFileContents c;
  ASSERT_TRUE(Parse(BuildQvx(f), c));
  EXPECT_FALSE(c.hasSavedGame);
  EXPECT_FALSE(c.droppedGame.empty());
}

TEST(PuzzleFileRead, IgnoresABlockWhenThePuzzleHasNoPieces) {
  QvxFields f = PlayedFile();
  f.header.pieceCount = 0;
  PuzzleFileContents c;
  ASSERT_TRUE(Parse(BuildQvx(f), c));
  EXPECT_FALSE(c.hasSavedGame);
}

// Records every range read, so that a test can see the picture is never touched.
class RecordingSource : public MemoryByteSource {
 public:
  using MemoryByteSource::MemoryByteSource;
  bool ReadAt(uint64_t offset, std::span<uint8_t> out) override {
    lowest = std::min(lowest, offset);
    return MemoryByteSource::ReadAt(offset, out);
  }
  uint64_t lowest = UINT64_MAX;
};

TEST(PuzzleFileRead, NeverReadsThePicture) {
  QvxFields f = PlayedFile();
  f.picture.assign(5000, 0xAB);
  const std::vector<uint8_t> bytes = BuildQvx(f);
  RecordingSource source(bytes);
  PuzzleFileContents c;
  ASSERT_TRUE(ParsePuzzleFile(source, c));
  EXPECT_TRUE(c.hasSavedGame);
  EXPECT_EQ(source.lowest, 5000u);
}

}  // namespace
