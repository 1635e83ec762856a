// Tests of the TGA decoder: depths, run-length packets, origins, malformed files.
#include <gtest/gtest.h>

#include <tuple>

#include "ImgTestFiles.h"
#include "image/CTgaDecoder.h"

namespace {

class TgaVariants : public testing::TestWithParam<std::tuple<int, bool, bool>> {};

TEST_P(TgaVariants, DecodesEveryPixelTopRowFirst) {
  const auto [depth, runLength, topLeft] = GetParam();
  const TestPicture picture = MakeTestPicture(13, 7, static_cast<uint32_t>(depth));
  CImg image;
  ASSERT_EQ(
      DecodeBytes(image, IMG_TYPE_TGA,
                  MakeTga(picture, {.depth = depth, .runLength = runLength, .topLeft = topLeft})),
      IMG_OK);
  EXPECT_EQ(image.m_width, 13u);
  EXPECT_EQ(image.m_height, 7u);
  EXPECT_EQ(image.m_pitch, 13);
  EXPECT_EQ(image.m_format.formatId, kImgFormat32);
  EXPECT_EQ(DecodedPixels(image), TgaExpected(picture, depth));
}

TEST_P(TgaVariants, SkipsTheIdFieldAndColourMap) {
  const auto [depth, runLength, topLeft] = GetParam();
  const TestPicture picture = MakeTestPicture(5, 4, 3);
  CImg image;
  ASSERT_EQ(DecodeBytes(image, IMG_TYPE_TGA,
                        MakeTga(picture, {.depth = depth,
                                          .runLength = runLength,
                                          .topLeft = topLeft,
                                          .idLength = 7,
                                          .colourMapLength = 3})),
            IMG_OK);
  EXPECT_EQ(DecodedPixels(image), TgaExpected(picture, depth));
}

TEST_P(TgaVariants, TruncatedPixelDataAnswers2) {
  const auto [depth, runLength, topLeft] = GetParam();
  const std::vector<uint8_t> file = MakeTga(
      MakeTestPicture(6, 5, 4), {.depth = depth, .runLength = runLength, .topLeft = topLeft});
  for (std::size_t cut : {1u, 2u, 5u}) {
    CImg image;
    EXPECT_EQ(DecodeBytes(image, IMG_TYPE_TGA, {file.begin(), file.end() - static_cast<long>(cut)}),
              IMG_INCORRECT_FORMAT)
        << cut;
  }
}

INSTANTIATE_TEST_SUITE_P(DepthsKindsOrigins, TgaVariants,
                         testing::Combine(testing::Values(16, 24, 32), testing::Bool(),
                                          testing::Bool()),
                         [](const auto& test) {
                           return std::to_string(std::get<0>(test.param)) + "Bit" +
                                  (std::get<1>(test.param) ? "RunLength" : "Raw") +
                                  (std::get<2>(test.param) ? "TopLeft" : "BottomLeft");
                         });

std::vector<uint8_t> Header(uint8_t type, uint16_t width, uint16_t height, uint8_t depth,
                            uint8_t descriptor = 0x20) {
  ByteWriter h;
  h.U8(0).U8(0).U8(type).U16Le(0).U16Le(0).U8(0).U16Le(0).U16Le(0);
  h.U16Le(width).U16Le(height).U8(depth).U8(descriptor);
  return h.bytes;
}

TEST(TgaDecoder, RunPacketRepeats128TimesAndLiteralPacketCarriesOne) {
  ByteWriter run;
  run.Bytes(Header(10, 128, 1, 24)).U8(255).U8(0x33).U8(0x22).U8(0x11);
  CImg image;
  ASSERT_EQ(DecodeBytes(image, IMG_TYPE_TGA, run.bytes), IMG_OK);
  EXPECT_EQ(DecodedPixels(image), std::vector<uint32_t>(128, 0x112233));

  ByteWriter literal;
  literal.Bytes(Header(10, 2, 1, 24)).U8(0).U8(1).U8(2).U8(3).U8(0).U8(4).U8(5).U8(6);
  ASSERT_EQ(DecodeBytes(image, IMG_TYPE_TGA, literal.bytes), IMG_OK);
  EXPECT_EQ(DecodedPixels(image), (std::vector<uint32_t>{0x030201, 0x060504}));
}

TEST(TgaDecoder, PacketsReachingPastThePictureAreCut) {
  ByteWriter run;
  run.Bytes(Header(10, 3, 1, 24)).U8(255).U8(9).U8(8).U8(7);
  CImg image;
  ASSERT_EQ(DecodeBytes(image, IMG_TYPE_TGA, run.bytes), IMG_OK);
  EXPECT_EQ(DecodedPixels(image), std::vector<uint32_t>(3, 0x070809));

  // A literal packet announcing 128 pixels with only the 3 the picture needs present.
  ByteWriter literal;
  literal.Bytes(Header(10, 3, 1, 24)).U8(127);
  for (int i = 0; i < 9; ++i) literal.U8(static_cast<uint32_t>(i));
  ASSERT_EQ(DecodeBytes(image, IMG_TYPE_TGA, literal.bytes), IMG_OK);
  EXPECT_EQ(DecodedPixels(image), (std::vector<uint32_t>{0x020100, 0x050403, 0x080706}));
}

TEST(TgaDecoder, SixteenBitPixelsFillTheTopOfEachByte) {
  ByteWriter file;
  file.Bytes(Header(2, 4, 1, 16)).U16Le(0x7FFF).U16Le(0xFFFF).U16Le(0x7C00).U16Le(0x0021);
  CImg image;
  ASSERT_EQ(DecodeBytes(image, IMG_TYPE_TGA, file.bytes), IMG_OK);
  EXPECT_EQ(DecodedPixels(image), (std::vector<uint32_t>{0xF8F8F8, 0xF8F8F8, 0xF80000, 0x000808}));
}

TEST(TgaDecoder, ThirtyTwoBitPixelsDropAlpha) {
  ByteWriter file;
  file.Bytes(Header(2, 1, 2, 32, 0x08)).U8(1).U8(2).U8(3).U8(0xFF).U8(4).U8(5).U8(6).U8(0x80);
  CImg image;
  ASSERT_EQ(DecodeBytes(image, IMG_TYPE_TGA, file.bytes), IMG_OK);
  // Bottom-left origin: the first file pixel is the bottom row.
  EXPECT_EQ(DecodedPixels(image), (std::vector<uint32_t>{0x060504, 0x030201}));
}

TEST(TgaDecoder, ShortFilesAnswer2) {
  ByteWriter file;
  file.Bytes(Header(2, 1, 1, 8)).U8(0);
  CImg image;
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_TGA, file.bytes), IMG_INCORRECT_FORMAT);
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_TGA, {}), IMG_INCORRECT_FORMAT);
}

TEST(TgaDecoder, DepthsOtherThan16_24_32Answer8BeforeAllocating) {
  for (uint8_t depth : {0, 8, 15, 20, 31, 64}) {
    ByteWriter file;
    file.Bytes(Header(2, 1, 1, depth)).U32Le(0).U32Le(0);
    CImg image;
    EXPECT_EQ(DecodeBytes(image, IMG_TYPE_TGA, file.bytes), IMG_UNSUPPORTED_BPP) << int{depth};
    EXPECT_EQ(image.m_pixels, nullptr);
  }
}

TEST(TgaDecoder, OtherImageTypesAnswer3AfterSettingTheSize) {
  for (uint8_t type : {0, 1, 3, 9, 11}) {
    ByteWriter file;
    file.Bytes(Header(type, 3, 2, 24)).U32Le(0).U32Le(0);
    CImg image;
    EXPECT_EQ(DecodeBytes(image, IMG_TYPE_TGA, file.bytes), IMG_UNKNOWN_VARIANT) << int{type};
    EXPECT_EQ(image.m_width, 3u);
    EXPECT_EQ(image.m_height, 2u);
  }
}

TEST(TgaDecoder, ZeroAndOversizedPictures) {
  CImg image;
  ByteWriter empty;
  empty.Bytes(Header(2, 0, 5, 24)).U32Le(0);
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_TGA, empty.bytes), IMG_INCORRECT_FORMAT);
  ByteWriter huge;
  huge.Bytes(Header(10, 65535, 65535, 24)).U8(255).U8(1).U8(2).U8(3);
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_TGA, huge.bytes), IMG_OUT_OF_RANGE);
  EXPECT_EQ(image.m_pixels, nullptr);
}

TEST(TgaDecoder, ColourMapReachingPastTheEndAnswers2) {
  std::vector<uint8_t> file = MakeTga(MakeTestPicture(2, 2, 1), {.colourMapLength = 1});
  file[5] = 0xFF;
  file[6] = 0xFF;
  CImg image;
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_TGA, file), IMG_INCORRECT_FORMAT);
}

TEST(TgaDecoder, ShortFilesClaimingLargePicturesAllocateNothing) {
  for (uint8_t type : {2, 10}) {
    ByteWriter file;
    // 30000 x 2000 run-length pixels need at least 468750 four-byte packets.
    file.Bytes(Header(type, 30000, 2000, 24));
    for (int i = 0; i < 100; ++i) file.U8(255).U8(1).U8(2).U8(3);
    CImg image;
    EXPECT_EQ(DecodeBytes(image, IMG_TYPE_TGA, file.bytes), IMG_INCORRECT_FORMAT) << int{type};
    EXPECT_EQ(image.m_pixels, nullptr);
  }
}

}  // namespace
