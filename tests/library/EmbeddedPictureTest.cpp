// Opening the picture at the start of a puzzle file without touching the puzzle file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "QvxTestFile.h"
#include "TestPictures.h"
#include "library/EmbeddedPicture.h"
#include "library/PuzzleFileReader.h"
#include "library/PuzzleFileWriter.h"
#include "puzzle/PictureLoad.h"
#include "support/SurfacePixels.h"

namespace {

namespace fs = std::filesystem;

class EmbeddedPicture : public testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    // Temporary copies go to a folder of this test, so that what is left behind shows.
    fs::create_directories(temporary);
    previousTmp = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
    setenv("TMPDIR", temporary.c_str(), 1);
  }
  void TearDown() override {
    if (previousTmp.empty())
      unsetenv("TMPDIR");
    else
      setenv("TMPDIR", previousTmp.c_str(), 1);
  }

  // A puzzle file made from `picturePath`.
  std::unique_ptr<PuzzleRecord> Puzzle(const fs::path& picturePath) {
    original = LoadPictureSurface(service, picturePath.string(), true);
    EXPECT_TRUE(original);
    NewPuzzle puzzle;
    puzzle.picturePath = picturePath.string();
    puzzle.picture = original.get();
    puzzle.cols = puzzle.rows = 2;
    std::unique_ptr<PuzzleRecord> record;
    EXPECT_TRUE(WriteNewPuzzleFile(service, (folder.Path() / "P.qvx").string(), puzzle, record));
    return record;
  }

  bool TemporaryFolderEmpty() const { return fs::is_empty(temporary); }

  SurfaceService service{FormatNamed(GetParam())};
  TempFolder folder;
  fs::path temporary = folder.Path() / "tmp";
  std::string previousTmp;
  std::unique_ptr<Surface> original;
};

TEST_P(EmbeddedPicture, GivesThePicturesOwnPixels) {
  for (const char* name : {"a.jpg", "b.JPEG", "c.bmp"}) {
    const fs::path picturePath = folder.Path() / name;
    if (std::string(name).ends_with("bmp"))
      WriteTestBmp(picturePath, 61, 47);
    else
      WriteTestJpeg(picturePath, 61, 47);
    const auto record = Puzzle(picturePath);
    ASSERT_TRUE(record);
    const std::vector<uint8_t> before = ReadBytes(record->filePath);
    std::unique_ptr<Surface> picture;
    ASSERT_TRUE(OpenEmbeddedPicture(service, *record, picture)) << name;
    ASSERT_EQ(picture->Width(), 61);
    ASSERT_EQ(picture->Height(), 47);
    for (int y = 0; y < 47; ++y) {
      for (int x = 0; x < 61; ++x)
        ASSERT_EQ(ReadPixel(*picture, x, y), ReadPixel(*original, x, y)) << name;
    }
    EXPECT_EQ(ReadBytes(record->filePath), before) << "the puzzle file is untouched";
    EXPECT_TRUE(TemporaryFolderEmpty()) << name;
  }
}

TEST_P(EmbeddedPicture, ReportsAPictureThatCannotBeLoaded) {
  const fs::path picturePath = folder.Path() / "p.bmp";
  WriteTestBmp(picturePath, 30, 30);
  auto record = Puzzle(picturePath);
  ASSERT_TRUE(record);
  record->pictureExt = {'j', 'p', 'g', 0, 0};  // a BMP's bytes are no JPEG
  std::unique_ptr<Surface> picture;
  EXPECT_FALSE(OpenEmbeddedPicture(service, *record, picture));
  EXPECT_FALSE(picture);
  EXPECT_TRUE(TemporaryFolderEmpty());
  record->pictureExt = {'b', 'm', 'p', 0, 0};
  fs::resize_file(record->filePath, 20);
  EXPECT_FALSE(OpenEmbeddedPicture(service, *record, picture)) << "the file lost its picture";
  fs::remove(record->filePath);
  EXPECT_FALSE(OpenEmbeddedPicture(service, *record, picture));
}

INSTANTIATE_TEST_SUITE_P(Formats, EmbeddedPicture, testing::Values("565", "32"),
                         [](const auto& param) { return std::string("Rgb") + param.param; });

}  // namespace
