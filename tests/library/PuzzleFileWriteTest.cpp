// Writing new puzzle files: the picture byte for byte, the new header, the thumbnail, refusals.
#include <gtest/gtest.h>

#include <filesystem>

#include "QvxTestFile.h"
#include "TestPictures.h"
#include "library/PuzzleCreation.h"
#include "library/PuzzleFileReader.h"
#include "puzzle/PictureLoad.h"
#include "support/SurfacePixels.h"

namespace {

namespace fs = std::filesystem;

class PuzzleFileWrite : public testing::TestWithParam<const char*> {
 protected:
  PuzzleFileWrite() : format(FormatNamed(GetParam())), service(format) {}

  // Loads the picture at `picturePath` and writes `name`.qvx from it with a 4 x 3 grid.
  FileStatus Write(const fs::path& picturePath, const std::string& name,
                   std::unique_ptr<PuzzleRecord>& record, int cols = 4, int rows = 3) {
    picture = LoadPictureSurface(service, picturePath.string(), true);
    EXPECT_TRUE(picture) << picturePath;
    NewPuzzle puzzle;
    puzzle.picturePath = picturePath.string();
    puzzle.picture = picture.get();
    puzzle.sizeChoice = 6;
    puzzle.blackAndWhite = true;
    puzzle.cols = cols;
    puzzle.rows = rows;
    return WriteNewPuzzleFile(service, (folder.Path() / (name + ".qvx")).string(), puzzle, record);
  }

  uint8_t Narrowed(uint32_t v, int bits) const {
    return static_cast<uint8_t>((v & 0xFF) >> (8 - bits) << (8 - bits));
  }

  PixelFormatInfo format;
  SurfaceService service;
  TempFolder folder;
  std::unique_ptr<Surface> picture;
};

TEST_P(PuzzleFileWrite, PictureFirstThenTheNewHeaderThumbnailAndTrailer) {
  const fs::path bmp = folder.Path() / "picture.bmp";
  WriteTestBmp(bmp, 100, 75);
  std::unique_ptr<PuzzleRecord> record;
  ASSERT_TRUE(Write(bmp, "Harbour", record));
  const std::vector<uint8_t> pictureBytes = ReadBytes(bmp);
  const std::vector<uint8_t> file = ReadBytes(folder.Path() / "Harbour.qvx");
  QvxFields f;
  ASSERT_TRUE(ReadQvx(file, f));
  EXPECT_EQ(f.picture, pictureBytes);
  const PuzzleHeader expected{.magic = {'S', 'D', 'P', 'S'},
                              .cellLeft = 100,
                              .cellTop = 100,
                              .pictureWidth = 100,
                              .pictureHeight = 75,
                              .solvedPercent = 0,
                              .pieceCount = 12,
                              .cols = 4,
                              .rows = 3,
                              .hours = 0,
                              .minutes = 0,
                              .seconds = 0,
                              .sizeChoice = 6,
                              .rotationOn = 0,
                              .blackAndWhite = 1,
                              .boxOpen = {0, 0, 0, 0},
                              .ghostShown = 0,
                              .thumbnailShown = 0,
                              .thumbLeft = -1,
                              .thumbTop = -1,
                              .thumbWidth = -1,
                              .thumbHeight = -1,
                              .screenHeight = 0,
                              .screenWidth = 0,
                              .displayDepth = static_cast<uint32_t>(format.bitsPerPixel),
                              .thumbWidthPx = 100,
                              .thumbHeightPx = 75};
  EXPECT_EQ(f.header, expected);
  EXPECT_EQ(f.extension, (std::array<uint8_t, 5>{'b', 'm', 'p', 0, 0}));
  EXPECT_TRUE(f.pieceBlock.empty());
  EXPECT_EQ(static_cast<std::size_t>(f.trailerB), file.size() - 8);
  EXPECT_EQ(static_cast<std::size_t>(f.trailerB), pictureBytes.size() + 82 + 3 * 100 * 75);
  // A picture of thumbnail size is copied: each byte is the picture's channel in this format.
  for (int y = 0; y < 75; ++y) {
    for (int x = 0; x < 100; ++x) {
      const uint32_t c = TestPatternColour(x, y);
      const uint8_t* t = &f.thumbnail[3 * (y * 100 + x)];
      ASSERT_EQ(t[0], Narrowed(c >> 16, format.redBits)) << x << "," << y;
      ASSERT_EQ(t[1], Narrowed(c >> 8, format.greenBits)) << x << "," << y;
      ASSERT_EQ(t[2], Narrowed(c, format.blueBits)) << x << "," << y;
    }
  }
}

TEST_P(PuzzleFileWrite, RecordIsWhatReadingTheFileGives) {
  const fs::path bmp = folder.Path() / "p.bmp";
  WriteTestBmp(bmp, 160, 90);
  std::unique_ptr<PuzzleRecord> written, read;
  ASSERT_TRUE(Write(bmp, "Pier", written));
  ASSERT_TRUE(ReadPuzzleFile(service, (folder.Path() / "Pier.qvx").string(), read));
  EXPECT_EQ(written->filePath, read->filePath);
  EXPECT_EQ(written->name, "Pier");
  EXPECT_EQ(read->name, "Pier");
  EXPECT_EQ(written->pictureExt, read->pictureExt);
  EXPECT_EQ(written->pictureSize, read->pictureSize);
  EXPECT_EQ(written->pieceBlockOffset, read->pieceBlockOffset);
  EXPECT_EQ(written->thumbWidthPx, 100);
  EXPECT_EQ(written->thumbHeightPx, 56);
  EXPECT_EQ(written->pieceCount, read->pieceCount);
  EXPECT_EQ(written->blackAndWhite, 1);
  EXPECT_EQ(written->createdLow, read->createdLow);
  EXPECT_EQ(written->createdHigh, read->createdHigh);
  ASSERT_TRUE(written->thumbMaster && read->thumbMaster);
  for (int y = 0; y < 56; ++y) {
    for (int x = 0; x < 100; ++x)
      ASSERT_EQ(ReadPixel(*written->thumbMaster, x, y), ReadPixel(*read->thumbMaster, x, y));
  }
  ASSERT_TRUE(read->dropShadowMaster);
  EXPECT_EQ(ReadPixel(*read->dropShadowMaster, 50, 20) & format.colourMask, 0u);
}

TEST_P(PuzzleFileWrite, KeepsTheExtensionAsTyped) {
  const fs::path jpeg = folder.Path() / "photo.JPEG";
  WriteTestJpeg(jpeg, 64, 48);
  std::unique_ptr<PuzzleRecord> record;
  ASSERT_TRUE(Write(jpeg, "Photo", record));
  QvxFields f;
  ASSERT_TRUE(ReadQvx(ReadBytes(folder.Path() / "Photo.qvx"), f));
  EXPECT_EQ(f.extension, (std::array<uint8_t, 5>{'J', 'P', 'E', 'G', 0}));
  EXPECT_STREQ(record->pictureExt.data(), "JPEG");
}

TEST_P(PuzzleFileWrite, ReplacesAnOlderFileWholeAndLeavesNothingBeside) {
  const fs::path bmp = folder.Path() / "p.bmp";
  WriteTestBmp(bmp, 120, 80);
  WriteBytes(folder.Path() / "Same.qvx", std::vector<uint8_t>(100000, 7));
  std::unique_ptr<PuzzleRecord> record;
  ASSERT_TRUE(Write(bmp, "Same", record));
  EXPECT_EQ(fs::file_size(folder.Path() / "Same.qvx"),
            static_cast<uintmax_t>(record->pieceBlockOffset) + 8);
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.Path())) ++entries;
  EXPECT_EQ(entries, 2) << "the picture and the puzzle";
}

TEST_P(PuzzleFileWrite, RefusesWhatTheFileCannotHold) {
  const fs::path bmp = folder.Path() / "p.bmp";
  WriteTestBmp(bmp, 50, 40);
  std::unique_ptr<PuzzleRecord> record;
  EXPECT_FALSE(Write(bmp, "TooManyPieces", record, 256, 256));
  const fs::path longExtension = folder.Path() / "p.bitmap";
  fs::copy_file(bmp, longExtension);
  NewPuzzle puzzle;
  puzzle.picturePath = longExtension.string();
  puzzle.picture = picture.get();
  puzzle.cols = puzzle.rows = 2;
  const std::string path = (folder.Path() / "LongExtension.qvx").string();
  EXPECT_FALSE(WriteNewPuzzleFile(service, path, puzzle, record));
  EXPECT_FALSE(fs::exists(path));
  EXPECT_FALSE(fs::exists(folder.Path() / "TooManyPieces.qvx"));
  EXPECT_FALSE(record);
}

TEST_P(PuzzleFileWrite, ReportsAMissingPictureFile) {
  const fs::path bmp = folder.Path() / "p.bmp";
  WriteTestBmp(bmp, 50, 40);
  std::unique_ptr<Surface> loaded = LoadPictureSurface(service, bmp.string(), true);
  NewPuzzle puzzle;
  puzzle.picturePath = (folder.Path() / "gone.bmp").string();
  puzzle.picture = loaded.get();
  puzzle.cols = puzzle.rows = 2;
  std::unique_ptr<PuzzleRecord> record;
  const FileStatus status =
      WriteNewPuzzleFile(service, (folder.Path() / "Gone.qvx").string(), puzzle, record);
  EXPECT_FALSE(status);
  EXPECT_NE(status.Reason().find("gone.bmp"), std::string::npos) << status.Reason();
  EXPECT_FALSE(fs::exists(folder.Path() / "Gone.qvx"));
}

TEST_P(PuzzleFileWrite, JoinsThePackAsItsCurrentPuzzleWithDisplayCopies) {
  const fs::path bmp = folder.Path() / "p.bmp";
  WriteTestBmp(bmp, 80, 60);
  const auto loaded = LoadPictureSurface(service, bmp.string(), true);
  PuzzlePack pack;
  pack.dirPath = folder.Path().string();
  NewPuzzle puzzle;
  puzzle.picturePath = bmp.string();
  puzzle.picture = loaded.get();
  puzzle.cols = puzzle.rows = 2;
  ASSERT_TRUE(WritePuzzleFile(service, pack, puzzle, "First"));
  ASSERT_TRUE(WritePuzzleFile(service, pack, puzzle, "Second"));
  ASSERT_EQ(pack.puzzles.size(), 2u);
  EXPECT_EQ(pack.currentPuzzle, pack.puzzles[1].get());
  EXPECT_EQ(pack.currentPuzzle->filePath, (folder.Path() / "Second.qvx").string());
  EXPECT_TRUE(pack.currentPuzzle->thumb && pack.currentPuzzle->dropShadow);
  for (const char* bad : {"", ".", "..", "a/b"})
    EXPECT_FALSE(WritePuzzleFile(service, pack, puzzle, bad)) << bad;
  EXPECT_EQ(pack.puzzles.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Formats, PuzzleFileWrite, testing::ValuesIn(kFormatNames),
                         [](const auto& param) { return std::string("Rgb") + param.param; });

}  // namespace
