// Picture files and played games for the library tests.
#include "TestPictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "QvxTestFile.h"
#include "image/CImg.h"
#include "image/CJpegWriter.h"
#include "puzzle/PictureLoad.h"
#include "support/BmpFileBuilder.h"

uint32_t TestPatternColour(int x, int y) {
  return static_cast<uint32_t>(((x * 7 + 20) & 0xFF) << 16 | ((y * 5 + 30) & 0xFF) << 8 |
                               (((x + y) * 3) & 0xFF));
}

void WriteTestBmp(const std::filesystem::path& path, int width, int height) {
  std::vector<uint32_t> values;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) values.push_back(TestPatternColour(x, y));
  }
  BmpLayout layout;
  layout.width = width;
  layout.height = height;
  WriteBytes(path, BuildBmp(layout, PackBmpRows(24, width, height, values)));
}

void WriteTestJpeg(const std::filesystem::path& path, int width, int height) {
  CImg image;
  uint32_t* pixels =
      image.AllocatePixels(static_cast<uint32_t>(width), static_cast<uint32_t>(height));
  ASSERT_NE(pixels, nullptr);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      pixels[y * width + x] =
          static_cast<uint32_t>((x * 255 / width) << 16 | (y * 255 / height) << 8 | 128);
  }
  ASSERT_EQ(CJpegWriter(&image).SaveJpeg(path.c_str(), 0, 90, 0), IMG_OK);
}

std::unique_ptr<PuzzleRecord> MakeTestPuzzle(SurfaceService& service,
                                             const std::filesystem::path& path, int cols, int rows,
                                             int width, int height) {
  std::filesystem::path picturePath = path;
  picturePath.replace_extension(".bmp");
  WriteTestBmp(picturePath, width, height);
  const auto picture = LoadPictureSurface(service, picturePath.string(), true);
  if (!picture) return nullptr;
  NewPuzzle puzzle;
  puzzle.picturePath = picturePath.string();
  puzzle.picture = picture.get();
  puzzle.sizeChoice = 5;
  puzzle.rotationOn = true;
  puzzle.cols = cols;
  puzzle.rows = rows;
  std::unique_ptr<PuzzleRecord> record;
  if (!WriteNewPuzzleFile(service, path.string(), puzzle, record)) return nullptr;
  return record;
}

void WriteTestPack(SurfaceService& service, const std::filesystem::path& puzzles,
                   const std::string& pack, const std::vector<std::string>& names) {
  const std::filesystem::path folder = puzzles / pack;
  std::filesystem::create_directories(folder / "pictures");
  WriteTestJpeg(folder / "Thumb.jpg", 40, 30);
  for (const std::string& name : names)
    EXPECT_TRUE(MakeTestPuzzle(service, folder / "pictures" / (name + ".qvx"))) << name;
  for (const std::string& name : names)
    std::filesystem::rename(folder / "pictures" / (name + ".qvx"), folder / (name + ".qvx"));
  std::filesystem::remove_all(folder / "pictures");
}

void PlayTestGame(PuzzleRecord& record, int base, int groupSize) {
  record.groups.clear();
  record.pieces.clear();
  const int count = record.cols * record.rows;
  for (int i = 0; i < count; ++i) {
    auto piece = std::make_unique<Piece>();
    piece->id = i;
    piece->x = base + i;
    piece->y = 2 * base - i;
    piece->rotation = record.rotationOn ? (base + i) % 4 : 0;
    record.pieces.push_back(std::move(piece));
  }
  for (int first = 0; first < count; first += groupSize) {
    auto group = std::make_unique<PieceGroup>();
    group->box = static_cast<int32_t>(record.groups.size() % 5);
    for (int i = first; i < std::min(count, first + groupSize); ++i)
      group->pieces.push_back(record.pieces[static_cast<std::size_t>(i)].get());
    record.groups.push_back(std::move(group));
  }
}
