// Tests of SaveTga: the header it writes, round trips through the decoder, refusals.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "ImgTestFiles.h"
#include "image/CImgLoader.h"
#include "image/CTgaWriter.h"

namespace {

namespace fs = std::filesystem;

class TgaWriter : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("pavlemir-tga-" +
            std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  static std::vector<uint8_t> ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path dir_;
};

TEST_F(TgaWriter, WritesAHeaderAndBottomRowFirst) {
  std::vector<uint32_t> pixels = {0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 0x010203};
  CImg image;
  image.BorrowPixels(pixels.data(), 3, 2, 3);
  const fs::path path = dir_ / "out.tga";
  ASSERT_EQ(CTgaWriter(&image).SaveTga(path.c_str()), IMG_OK);
  const std::vector<uint8_t> file = ReadAll(path);
  ASSERT_EQ(file.size(), 18u + 6 * 4);
  const std::vector<uint8_t> header(file.begin(), file.begin() + 18);
  EXPECT_EQ(header, (std::vector<uint8_t>{0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 2, 0, 32, 0}));
  // The bottom row (0xAABBCC first) comes first, each pixel blue, green, red, 0.
  EXPECT_EQ(std::vector<uint8_t>(file.begin() + 18, file.begin() + 26),
            (std::vector<uint8_t>{0xCC, 0xBB, 0xAA, 0, 0xFF, 0xEE, 0xDD, 0}));
  EXPECT_EQ(std::vector<uint8_t>(file.end() - 4, file.end()),
            (std::vector<uint8_t>{0x99, 0x88, 0x77, 0}));
  // The image itself is left as it was.
  EXPECT_EQ(image.m_pixels, pixels.data());
  EXPECT_EQ(pixels[0], 0x112233u);
}

TEST_F(TgaWriter, RoundTripsThroughTheDecoder) {
  const TestPicture picture = MakeTestPicture(29, 11, 8);
  CImg image;
  ASSERT_EQ(DecodeBytes(image, IMG_TYPE_TGA, MakeTga(picture, {.runLength = true})), IMG_OK);
  // A pitch wider than the picture must not leak into the file.
  ASSERT_EQ(image.Resize(29, 11, 40), IMG_OK);
  const fs::path path = dir_ / "round.tga";
  ASSERT_EQ(CTgaWriter(&image).SaveTga(path.c_str()), IMG_OK);
  CImg again;
  ASSERT_EQ(again.LoadFile(path.c_str()), IMG_OK);
  ASSERT_EQ(CImgLoader(&again).Decode(), IMG_OK);
  EXPECT_EQ(DecodedPixels(again), picture.pixels);
}

TEST_F(TgaWriter, ReplacesAnExistingFile) {
  const fs::path path = dir_ / "old.tga";
  std::ofstream(path) << std::string(500, 'x');
  std::vector<uint32_t> pixels = MakeTestPicture(2, 2, 1).pixels;
  CImg image;
  image.BorrowPixels(pixels.data(), 2, 2, 2);
  ASSERT_EQ(CTgaWriter(&image).SaveTga(path.c_str()), IMG_OK);
  EXPECT_EQ(fs::file_size(path), 18u + 16);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(TgaWriter, Refusals) {
  const fs::path path = dir_ / "refused.tga";
  EXPECT_EQ(CTgaWriter().SaveTga(path.c_str()), IMG_NO_INSTANCE);
  CImg empty;
  EXPECT_EQ(CTgaWriter(&empty).SaveTga(path.c_str()), IMG_UNSUPPORTED_BPP);
  empty.m_format = ImgFormat32();
  EXPECT_EQ(CTgaWriter(&empty).SaveTga(path.c_str()), IMG_NO_BUFFER);

  std::vector<uint32_t> pixels(4, 0);
  CImg image;
  image.BorrowPixels(pixels.data(), 2, 2, 2);
  EXPECT_EQ(CTgaWriter(&image).SaveTga(nullptr), IMG_NULL_POINTER);
  image.m_format.formatId = 13;
  EXPECT_EQ(CTgaWriter(&image).SaveTga(path.c_str()), IMG_UNSUPPORTED_BPP);
  image.BorrowPixels(pixels.data(), 2, 2, 1);
  EXPECT_EQ(CTgaWriter(&image).SaveTga(path.c_str()), IMG_OUT_OF_RANGE);
  EXPECT_FALSE(fs::exists(path));
}

TEST_F(TgaWriter, UnwritablePathAnswers11AndLeavesNothing) {
  std::vector<uint32_t> pixels(4, 0);
  CImg image;
  image.BorrowPixels(pixels.data(), 2, 2, 2);
  EXPECT_EQ(CTgaWriter(&image).SaveTga((dir_ / "missing" / "x.tga").c_str()), IMG_UNDEFINED_ERROR);
  // A directory in the way: the temporary file is written, the rename fails and is undone.
  fs::create_directories(dir_ / "taken.tga" / "inside");
  EXPECT_EQ(CTgaWriter(&image).SaveTga((dir_ / "taken.tga").c_str()), IMG_UNDEFINED_ERROR);
  EXPECT_FALSE(fs::exists(dir_ / "taken.tga.tmp"));
}

}  // namespace
