// Tests of the pixel operations: flip, mirror, resize, crop, red-blue exchange and clone.
#include <gtest/gtest.h>

#include <functional>

#include "ImgTestFiles.h"
#include "image/CImg.h"

namespace {

// An owned picture of width x height whose pixel (x, y) is 0x00YYXX plus `base`.
void MakeGrid(CImg& image, uint32_t width, uint32_t height, uint32_t base = 0x100000) {
  ASSERT_NE(image.AllocatePixels(width, height), nullptr);
  for (uint32_t y = 0; y < height; ++y) {
    for (uint32_t x = 0; x < width; ++x) image.m_pixels[y * width + x] = base | y << 8 | x;
  }
}

uint32_t At(const CImg& image, uint32_t x, uint32_t y) {
  return image.m_pixels[std::size_t{y} * static_cast<uint32_t>(image.m_pitch) + x];
}

struct Operation {
  const char* name;
  std::function<int(CImg&)> run;
};

const Operation kOperations[] = {
    {"FlipVertical", [](CImg& i) { return i.Flip(0); }},
    {"Mirror", [](CImg& i) { return i.Flip(1); }},
    {"Resize", [](CImg& i) { return i.Resize(2, 2, 2); }},
    {"Crop", [](CImg& i) { return i.Crop(0, 0, 1, 1); }},
    {"SwapRedBlue", [](CImg& i) { return i.SwapRedBlue(); }},
};

class PixelOpChecks : public testing::TestWithParam<Operation> {};

TEST_P(PixelOpChecks, RefuseImagesWithoutPixelsOrInAnotherFormat) {
  CImg empty;
  empty.m_format = ImgFormat32();
  EXPECT_EQ(GetParam().run(empty), IMG_NO_BUFFER);

  CImg other;
  MakeGrid(other, 3, 3);
  other.m_format.formatId = 13;
  uint32_t* before = other.m_pixels;
  EXPECT_EQ(GetParam().run(other), IMG_UNSUPPORTED_BPP);
  EXPECT_EQ(other.m_pixels, before);
  EXPECT_EQ(At(other, 1, 0), 0x100001u);

  // A pitch below the width (possible only with borrowed pixels) describes no valid layout.
  std::vector<uint32_t> pixels(9, 7);
  CImg narrow;
  narrow.BorrowPixels(pixels.data(), 3, 3, 2);
  EXPECT_EQ(GetParam().run(narrow), IMG_OUT_OF_RANGE);
  EXPECT_EQ(narrow.m_pixels, pixels.data());
}

TEST_P(PixelOpChecks, LeaveBorrowedPixelsToTheirOwner) {
  std::vector<uint32_t> pixels = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  const std::vector<uint32_t> original = pixels;
  {
    CImg image;
    image.BorrowPixels(pixels.data(), 3, 3, 3);
    ASSERT_EQ(GetParam().run(image), IMG_OK);
  }
  // Only SwapRedBlue works in place; the others leave the borrowed buffer as it was.
  if (std::string(GetParam().name) == "SwapRedBlue") {
    EXPECT_EQ(pixels[0], 0x010000u);
  } else {
    EXPECT_EQ(pixels, original);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryOperation, PixelOpChecks, testing::ValuesIn(kOperations),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(PixelOpsFlip, UpsideDownAndMirrored) {
  CImg image;
  MakeGrid(image, 3, 2);
  ASSERT_EQ(image.Flip(0), IMG_OK);
  EXPECT_EQ(DecodedPixels(image),
            (std::vector<uint32_t>{0x100100, 0x100101, 0x100102, 0x100000, 0x100001, 0x100002}));
  ASSERT_EQ(image.Flip(1), IMG_OK);
  EXPECT_EQ(DecodedPixels(image),
            (std::vector<uint32_t>{0x100102, 0x100101, 0x100100, 0x100002, 0x100001, 0x100000}));
  EXPECT_EQ(image.m_width, 3u);
  EXPECT_EQ(image.m_height, 2u);
}

TEST(PixelOpsFlip, OneRowAndOneColumnStayAsTheyAre) {
  CImg row;
  MakeGrid(row, 4, 1);
  const std::vector<uint32_t> rowBefore = DecodedPixels(row);
  ASSERT_EQ(row.Flip(0), IMG_OK);
  EXPECT_EQ(DecodedPixels(row), rowBefore);
  CImg column;
  MakeGrid(column, 1, 4);
  const std::vector<uint32_t> columnBefore = DecodedPixels(column);
  ASSERT_EQ(column.Flip(7), IMG_OK);
  EXPECT_EQ(DecodedPixels(column), columnBefore);
}

TEST(PixelOpsFlip, KeepsThePitchAndClearsItsPadding) {
  std::vector<uint32_t> pixels = {1, 2, 0xDEAD, 3, 4, 0xBEEF};
  CImg image;
  image.BorrowPixels(pixels.data(), 2, 2, 3);
  ASSERT_EQ(image.Flip(0), IMG_OK);
  EXPECT_EQ(image.m_pitch, 3);
  EXPECT_EQ(image.m_borrowedPixels, 0u);
  EXPECT_EQ(std::vector<uint32_t>(image.m_pixels, image.m_pixels + 6),
            (std::vector<uint32_t>{3, 4, 0, 1, 2, 0}));
}

TEST(PixelOpsResize, NearestNeighbourColumns) {
  CImg shrink;
  MakeGrid(shrink, 4, 1);
  ASSERT_EQ(shrink.Resize(2, 1, 2), IMG_OK);
  EXPECT_EQ(DecodedPixels(shrink), (std::vector<uint32_t>{0x100000, 0x100002}));
  CImg grow;
  MakeGrid(grow, 2, 1);
  ASSERT_EQ(grow.Resize(4, 1, 4), IMG_OK);
  EXPECT_EQ(DecodedPixels(grow), (std::vector<uint32_t>{0x100000, 0x100000, 0x100001, 0x100001}));
  // 5 to 3: steps of 5/3 land on 0, 1.67 and 3.33.
  CImg thirds;
  MakeGrid(thirds, 1, 5);
  ASSERT_EQ(thirds.Resize(1, 3, 1), IMG_OK);
  EXPECT_EQ(DecodedPixels(thirds), (std::vector<uint32_t>{0x100000, 0x100100, 0x100300}));
}

TEST(PixelOpsResize, WiderPitchAndBothDirections) {
  CImg image;
  MakeGrid(image, 3, 3);
  ASSERT_EQ(image.Resize(6, 2, 8), IMG_OK);
  EXPECT_EQ(image.m_width, 6u);
  EXPECT_EQ(image.m_height, 2u);
  EXPECT_EQ(image.m_pitch, 8);
  // Columns 0, 0.5, 1, 1.5, 2, 2.5 and rows 0, 1.5.
  EXPECT_EQ(DecodedPixels(image),
            (std::vector<uint32_t>{0x100000, 0x100000, 0x100001, 0x100001, 0x100002, 0x100002,
                                   0x100100, 0x100100, 0x100101, 0x100101, 0x100102, 0x100102}));
  EXPECT_EQ(At(image, 6, 0), 0u);
  EXPECT_EQ(At(image, 7, 1), 0u);
}

TEST(PixelOpsResize, SameSizeWithPitchEqualToWidthIsANoOp) {
  std::vector<uint32_t> pixels = {1, 2, 9, 3, 4, 9};
  CImg image;
  image.BorrowPixels(pixels.data(), 2, 2, 3);
  ASSERT_EQ(image.Resize(2, 2, 2), IMG_OK);
  EXPECT_EQ(image.m_pixels, pixels.data());
  EXPECT_EQ(image.m_pitch, 3);
  // The same size with another pitch repacks.
  ASSERT_EQ(image.Resize(2, 2, 4), IMG_OK);
  EXPECT_EQ(DecodedPixels(image), (std::vector<uint32_t>{1, 2, 3, 4}));
}

TEST(PixelOpsResize, ZeroSizesAndBadPitchesAnswer13) {
  CImg image;
  MakeGrid(image, 4, 4);
  const std::vector<uint32_t> before = DecodedPixels(image);
  EXPECT_EQ(image.Resize(0, 4, 4), IMG_OUT_OF_RANGE);
  EXPECT_EQ(image.Resize(4, 0, 4), IMG_OUT_OF_RANGE);
  EXPECT_EQ(image.Resize(4, 4, 3), IMG_OUT_OF_RANGE);
  EXPECT_EQ(image.Resize(4, 4, -4), IMG_OUT_OF_RANGE);
  EXPECT_EQ(image.Resize(kImgMaxSide + 1, 1, kImgMaxSide + 1), IMG_OUT_OF_RANGE);
  EXPECT_EQ(image.Resize(kImgMaxSide, kImgMaxSide, kImgMaxSide), IMG_OUT_OF_RANGE);
  EXPECT_EQ(image.m_width, 4u);
  EXPECT_EQ(DecodedPixels(image), before);
}

TEST(PixelOpsCrop, KeepsTheRectangle) {
  CImg image;
  MakeGrid(image, 5, 4);
  ASSERT_EQ(image.Crop(1, 2, 4, 4), IMG_OK);
  EXPECT_EQ(image.m_width, 3u);
  EXPECT_EQ(image.m_height, 2u);
  EXPECT_EQ(image.m_pitch, 3);
  EXPECT_EQ(DecodedPixels(image),
            (std::vector<uint32_t>{0x100201, 0x100202, 0x100203, 0x100301, 0x100302, 0x100303}));
  ASSERT_EQ(image.Crop(0, 0, 3, 2), IMG_OK);
  EXPECT_EQ(image.m_width, 3u);
}

TEST(PixelOpsCrop, FromAWiderPitch) {
  std::vector<uint32_t> pixels = {1, 2, 99, 3, 4, 99};
  CImg image;
  image.BorrowPixels(pixels.data(), 2, 2, 3);
  ASSERT_EQ(image.Crop(1, 0, 2, 2), IMG_OK);
  EXPECT_EQ(DecodedPixels(image), (std::vector<uint32_t>{2, 4}));
}

TEST(PixelOpsCrop, EmptyAnswers9OutsideAnswers13) {
  CImg image;
  MakeGrid(image, 5, 6);
  EXPECT_EQ(image.Crop(2, 2, 2, 5), IMG_EMPTY_RESULT);
  EXPECT_EQ(image.Crop(3, 0, 1, 5), IMG_EMPTY_RESULT);
  EXPECT_EQ(image.Crop(0, 4, 5, 4), IMG_EMPTY_RESULT);
  EXPECT_EQ(image.Crop(0, 0, 6, 6), IMG_OUT_OF_RANGE);
  EXPECT_EQ(image.Crop(0, 0, 5, 7), IMG_OUT_OF_RANGE);
  EXPECT_EQ(image.Crop(-1, 0, 2, 2), IMG_OUT_OF_RANGE);
  EXPECT_EQ(image.Crop(0, -3, 2, 2), IMG_OUT_OF_RANGE);
  EXPECT_EQ(image.Crop(4, 5, 70000, 70000), IMG_OUT_OF_RANGE);
  EXPECT_EQ(image.m_width, 5u);
  EXPECT_EQ(image.m_height, 6u);
}

TEST(PixelOpsSwapRedBlue, ExchangesBytesZeroAndTwoInPlace) {
  std::vector<uint32_t> pixels = {0x112233, 0xAA445566, 0x77777777};
  CImg image;
  image.BorrowPixels(pixels.data(), 1, 2, 2);
  ASSERT_EQ(image.SwapRedBlue(), IMG_OK);
  EXPECT_EQ(image.m_pixels, pixels.data());
  // Row 0 is pixel 0, row 1 pixel 2; pixel 1 lies in the pitch's padding.
  EXPECT_EQ(pixels, (std::vector<uint32_t>{0x332211, 0xAA445566, 0x77777777}));
  pixels[2] = 0xAA112233;
  ASSERT_EQ(image.SwapRedBlue(), IMG_OK);
  EXPECT_EQ(pixels[2], 0xAA332211u);
}

TEST(PixelOpsClone, DeepCopyOfEveryField) {
  std::vector<uint32_t> pixels = {1, 2, 3, 4, 5, 6};
  CImg image;
  image.BorrowPixels(pixels.data(), 2, 2, 3);
  std::unique_ptr<uint8_t[]> data(new uint8_t[3]{7, 8, 9});
  image.AttachData(std::move(data), 3);
  image.m_type = IMG_TYPE_TGA;
  image.m_fileName = "x.tga";
  image.m_format.formatId = 13;

  std::unique_ptr<CImg> copy = image.Clone();
  ASSERT_NE(copy, nullptr);
  image.Destroy();
  pixels.assign(6, 0);
  EXPECT_EQ(copy->m_borrowedPixels, 0u);
  EXPECT_EQ(copy->m_width, 2u);
  EXPECT_EQ(copy->m_height, 2u);
  EXPECT_EQ(copy->m_pitch, 3);
  EXPECT_EQ(copy->m_format.formatId, 13);
  EXPECT_EQ(copy->m_type, IMG_TYPE_TGA);
  EXPECT_EQ(copy->m_fileName, "x.tga");
  EXPECT_EQ(std::vector<uint32_t>(copy->m_pixels, copy->m_pixels + 6),
            (std::vector<uint32_t>{1, 2, 3, 4, 5, 6}));
  ASSERT_EQ(copy->m_dataSize, 3u);
  EXPECT_EQ(copy->m_data[2], 9);
}

TEST(PixelOpsClone, EmptyImagesAndIndependentCopies) {
  CImg empty;
  std::unique_ptr<CImg> emptyCopy = empty.Clone();
  ASSERT_NE(emptyCopy, nullptr);
  EXPECT_EQ(emptyCopy->m_pixels, nullptr);
  EXPECT_EQ(emptyCopy->m_data, nullptr);

  CImg image;
  MakeGrid(image, 3, 3);
  std::unique_ptr<CImg> copy = image.Clone();
  ASSERT_NE(copy, nullptr);
  ASSERT_EQ(copy->Flip(1), IMG_OK);
  EXPECT_EQ(At(image, 0, 0), 0x100000u);
  EXPECT_EQ(At(*copy, 0, 0), 0x100002u);
}

}  // namespace
