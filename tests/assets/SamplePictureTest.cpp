// The sample pictures artgen paints for the packs: large, and detailed over the whole picture.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "AssetPixels.h"
#include "image/DibByteSource.h"
#include "image/PictureFile.h"

namespace {

namespace fs = std::filesystem;

struct Picture {
  std::string name;
  Bitmap bitmap;
};

Bitmap Decode(const fs::path& path) {
  Bitmap bitmap;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return bitmap;
  CPictureFile picture;
  if (picture.Load(file, PICTURE_BMP)) {
    if (const std::unique_ptr<DeviceBitmap> decoded = picture.CreateBitmap()) {
      bitmap.width = static_cast<int>(decoded->width);
      bitmap.height = static_cast<int>(decoded->height);
      bitmap.pixels = decoded->pixels;
    }
  }
  std::fclose(file);
  return bitmap;
}

// Variance of one channel over a block.
double ChannelVariance(const Bitmap& bitmap, int x0, int y0, int side, int shift) {
  double sum = 0, squares = 0;
  for (int y = y0; y < y0 + side; ++y) {
    for (int x = x0; x < x0 + side; ++x) {
      const double value = (bitmap.At(x, y) >> shift) & 0xFF;
      sum += value;
      squares += value * value;
    }
  }
  const double count = side * side;
  return squares / count - (sum / count) * (sum / count);
}

// Painting the pictures takes a while, so one run of artgen serves every check below; each
// check is a function of its own and the test runs them all.
class SamplePictures {
 public:
  SamplePictures() : root(fs::path(testing::TempDir()) / "artgen-pictures") {
    fs::remove_all(root);
    const std::string command =
        std::string(PAVLEMIR_ARTGEN) + " " + root.string() + " --pictures 2>/dev/null";
    ran = std::system(command.c_str()) == 0;
    if (!ran) return;
    for (const auto& entry : fs::recursive_directory_iterator(root / "pictures")) {
      if (entry.path().extension() == ".bmp" && entry.path().filename() != "user-cover.bmp")
        pictures.push_back({entry.path().stem().string(), Decode(entry.path())});
    }
  }
  ~SamplePictures() { fs::remove_all(root); }

  fs::path root;
  bool ran = false;
  std::vector<Picture> pictures;
};

void ExpectFourPacksOfSix(const SamplePictures& samples) {
  EXPECT_GE(samples.pictures.size(), 24u);
  std::vector<fs::path> packs;
  for (const auto& entry : fs::directory_iterator(samples.root / "pictures"))
    if (entry.is_directory()) packs.push_back(entry.path());
  EXPECT_GE(packs.size(), 4u);
}

void ExpectLargeEnough(const SamplePictures& samples) {
  for (const Picture& picture : samples.pictures) {
    EXPECT_GE(picture.bitmap.width, 1600) << picture.name;
    EXPECT_GE(picture.bitmap.height, 1200) << picture.name;
  }
}

// A region of flat colour cannot be put together: every 64 x 64 block of every picture must
// carry visible detail.
void ExpectNoFlatBlocks(const SamplePictures& samples) {
  constexpr int kBlock = 64;
  constexpr double kMinimumVariance = 20.0;
  for (const Picture& picture : samples.pictures) {
    const Bitmap& b = picture.bitmap;
    for (int y = 0; y + kBlock <= b.height; y += kBlock) {
      for (int x = 0; x + kBlock <= b.width; x += kBlock) {
        const double variance = ChannelVariance(b, x, y, kBlock, 16) +
                                ChannelVariance(b, x, y, kBlock, 8) +
                                ChannelVariance(b, x, y, kBlock, 0);
        EXPECT_GE(variance, kMinimumVariance) << picture.name << " block at " << x << ", " << y;
      }
    }
  }
}

void ExpectAllDifferent(const SamplePictures& samples) {
  const std::vector<Picture>& pictures = samples.pictures;
  for (std::size_t a = 0; a < pictures.size(); ++a)
    for (std::size_t b = a + 1; b < pictures.size(); ++b)
      EXPECT_NE(pictures[a].bitmap.pixels, pictures[b].bitmap.pixels)
          << pictures[a].name << " " << pictures[b].name;
}

void ExpectUserCoverFitsThePackCell(const SamplePictures& samples) {
  const Bitmap cover = Decode(samples.root / "pictures" / "user-cover.bmp");
  EXPECT_GT(cover.width, 0);
  EXPECT_LE(cover.width, 100);
  EXPECT_LE(cover.height, 100);
}

TEST(SamplePictures, AreManyLargeDetailedAndDistinct) {
  const SamplePictures samples;
  ASSERT_TRUE(samples.ran);
  ExpectFourPacksOfSix(samples);
  ExpectLargeEnough(samples);
  ExpectNoFlatBlocks(samples);
  ExpectAllDifferent(samples);
  ExpectUserCoverFitsThePackCell(samples);
}

}  // namespace
