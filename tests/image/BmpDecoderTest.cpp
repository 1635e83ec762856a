// Tests of the BMP decoder: header layouts, row padding, rejected variants, malformed files.
#include <gtest/gtest.h>

#include <tuple>

#include "ImgTestFiles.h"
#include "image/CBmpDecoder.h"

namespace {

struct BmpLayout {
  const char* name;
  uint32_t headerSize;
  bool topDown;
};

constexpr BmpLayout kLayouts[] = {
    {"Core", 12, false}, {"Info", 40, false}, {"InfoTopDown", 40, true}, {"V5", 124, false}};

class BmpLayouts : public testing::TestWithParam<std::tuple<BmpLayout, uint32_t>> {};

TEST_P(BmpLayouts, DecodesEveryPixel) {
  const auto [layout, width] = GetParam();
  const TestPicture picture = MakeTestPicture(width, 3, width);
  CImg image;
  ASSERT_EQ(
      DecodeBytes(image, IMG_TYPE_BMP,
                  MakeBmp(picture, {.headerSize = layout.headerSize, .topDown = layout.topDown})),
      IMG_OK);
  EXPECT_EQ(image.m_width, width);
  EXPECT_EQ(image.m_height, 3u);
  EXPECT_EQ(image.m_pitch, static_cast<int32_t>(width));
  EXPECT_EQ(image.m_format.formatId, kImgFormat32);
  EXPECT_EQ(image.m_format.bitsPerPixel, 32);
  EXPECT_EQ(DecodedPixels(image), picture.pixels);
}

INSTANTIATE_TEST_SUITE_P(WidthsAndHeaders, BmpLayouts,
                         testing::Combine(testing::ValuesIn(kLayouts),
                                          testing::Values(1u, 2u, 3u, 4u, 5u, 17u)),
                         [](const auto& test) {
                           return std::string(std::get<0>(test.param).name) + "Width" +
                                  std::to_string(std::get<1>(test.param));
                         });

TEST(BmpDecoder, RowsArePaddedToWholeWords) {
  // 1, 2 and 3 pixels wide carry 1, 2 and 3 padding bytes a row, 4 pixels none.
  const std::pair<uint32_t, uint32_t> widthAndPadding[] = {{1, 1}, {2, 2}, {3, 3}, {4, 0}};
  for (const auto& [width, padding] : widthAndPadding) {
    const TestPicture picture = MakeTestPicture(width, 2, 3);
    const std::vector<uint8_t> file = MakeBmp(picture);
    ASSERT_EQ(file.size(), 54 + 2 * (3 * width + padding));
    CImg image;
    ASSERT_EQ(DecodeBytes(image, IMG_TYPE_BMP, file), IMG_OK) << width;
    EXPECT_EQ(DecodedPixels(image), picture.pixels) << width;
  }
}

TEST(BmpDecoder, ChannelOrderAndBottomUpRows) {
  ByteWriter file;
  file.Text("BM").U32Le(62).U32Le(0).U32Le(54).U32Le(40).U32Le(1).U32Le(2).U16Le(1).U16Le(24);
  file.U32Le(0).U32Le(8).U32Le(0).U32Le(0).U32Le(0).U32Le(0);
  file.U8(0x33).U8(0x22).U8(0x11).U8(0).U8(0x66).U8(0x55).U8(0x44).U8(0);
  CImg image;
  ASSERT_EQ(DecodeBytes(image, IMG_TYPE_BMP, file.bytes), IMG_OK);
  EXPECT_EQ(DecodedPixels(image), (std::vector<uint32_t>{0x445566, 0x112233}));
}

TEST(BmpDecoder, LastRowWithoutPaddingIsAccepted) {
  const TestPicture picture = MakeTestPicture(3, 4, 9);
  CImg image;
  ASSERT_EQ(DecodeBytes(image, IMG_TYPE_BMP, MakeBmp(picture, {.lastRowPadding = false})), IMG_OK);
  EXPECT_EQ(DecodedPixels(image), picture.pixels);
}

TEST(BmpDecoder, OtherBitCountsAndCompressionAnswer3AfterSettingTheSize) {
  const TestPicture picture = MakeTestPicture(5, 4, 1);
  for (const BmpOptions& options :
       {BmpOptions{.bitCount = 8}, BmpOptions{.bitCount = 32},
        BmpOptions{.headerSize = 12, .bitCount = 8}, BmpOptions{.compression = 1}}) {
    CImg image;
    EXPECT_EQ(DecodeBytes(image, IMG_TYPE_BMP, MakeBmp(picture, options)), IMG_UNKNOWN_VARIANT);
    EXPECT_EQ(image.m_width, 5u);
    EXPECT_EQ(image.m_height, 4u);
  }
}

TEST(BmpDecoder, ShortOrForeignDataAnswers2) {
  const std::vector<uint8_t> good = MakeBmp(MakeTestPicture(4, 3, 2));
  CImg image;
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_BMP, {good.begin(), good.begin() + 15}),
            IMG_INCORRECT_FORMAT);
  // Long enough for the first check, too short for the header fields.
  for (std::size_t size : {16u, 17u, 20u, 27u, 33u}) {
    EXPECT_EQ(DecodeBytes(image, IMG_TYPE_BMP, {good.begin(), good.begin() + size}),
              IMG_INCORRECT_FORMAT)
        << size;
  }
  std::vector<uint8_t> wrongSignature = good;
  wrongSignature[1] = 'A';
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_BMP, wrongSignature), IMG_INCORRECT_FORMAT);
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_BMP, {}), IMG_INCORRECT_FORMAT);
}

TEST(BmpDecoder, PixelDataEndingEarlyOrOutsideAnswers2) {
  const std::vector<uint8_t> good = MakeBmp(MakeTestPicture(4, 3, 2));
  CImg image;
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_BMP, {good.begin(), good.end() - 1}), IMG_INCORRECT_FORMAT);
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_BMP, {good.begin(), good.begin() + 54}),
            IMG_INCORRECT_FORMAT);
  for (uint32_t offset : {55u, 0xFFFFFFF0u}) {
    std::vector<uint8_t> shifted = good;
    ByteWriter field;
    field.U32Le(offset);
    std::copy(field.bytes.begin(), field.bytes.end(), shifted.begin() + 10);
    EXPECT_EQ(DecodeBytes(image, IMG_TYPE_BMP, shifted), IMG_INCORRECT_FORMAT) << offset;
  }
}

TEST(BmpDecoder, SizesBeyondTheLimitsAreRefusedBeforeAllocating) {
  const std::vector<uint8_t> good = MakeBmp(MakeTestPicture(4, 3, 2));
  const std::pair<uint32_t, uint32_t> sizes[] = {
      {40000, 3}, {4, 0x80000000u}, {0x7FFFFFFFu, 1}, {20000, 20000}};
  for (const auto& [width, height] : sizes) {
    std::vector<uint8_t> big = good;
    ByteWriter fields;
    fields.U32Le(width).U32Le(height);
    std::copy(fields.bytes.begin(), fields.bytes.end(), big.begin() + 18);
    CImg image;
    EXPECT_EQ(DecodeBytes(image, IMG_TYPE_BMP, big), IMG_OUT_OF_RANGE) << width << "x" << height;
    EXPECT_EQ(image.m_pixels, nullptr);
  }
}

TEST(BmpDecoder, NegativeWidthAndZeroSizeAnswer2) {
  const std::vector<uint8_t> good = MakeBmp(MakeTestPicture(4, 3, 2));
  // Width 0, width -1, height 0 (a negative height is a top-down picture).
  const std::pair<long, uint32_t> fields[] = {{18, 0}, {18, 0xFFFFFFFFu}, {22, 0}};
  for (const auto& [offset, value] : fields) {
    std::vector<uint8_t> bad = good;
    ByteWriter bytes;
    bytes.U32Le(value);
    std::copy(bytes.bytes.begin(), bytes.bytes.end(), bad.begin() + offset);
    CImg image;
    EXPECT_EQ(DecodeBytes(image, IMG_TYPE_BMP, bad), IMG_INCORRECT_FORMAT) << offset;
    EXPECT_EQ(image.m_pixels, nullptr);
  }
}

TEST(BmpDecoder, DecodingAgainReplacesThePixels) {
  const TestPicture first = MakeTestPicture(4, 3, 1);
  const TestPicture second = MakeTestPicture(2, 5, 2);
  CImg image;
  ASSERT_EQ(DecodeBytes(image, IMG_TYPE_BMP, MakeBmp(first)), IMG_OK);
  ASSERT_EQ(DecodeBytes(image, IMG_TYPE_BMP, MakeBmp(second)), IMG_OK);
  EXPECT_EQ(image.m_width, 2u);
  EXPECT_EQ(DecodedPixels(image), second.pixels);
}

TEST(BmpDecoder, ShortFilesClaimingLargePicturesAllocateNothing) {
  std::vector<uint8_t> file = MakeBmp(MakeTestPicture(4, 3, 2));
  ByteWriter fields;
  fields.U32Le(30000).U32Le(2000);
  std::copy(fields.bytes.begin(), fields.bytes.end(), file.begin() + 18);
  CImg image;
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_BMP, file), IMG_INCORRECT_FORMAT);
  EXPECT_EQ(image.m_pixels, nullptr);
}

}  // namespace
