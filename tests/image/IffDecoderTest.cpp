// Tests of the ILBM decoder: plane order, ByteRun1, padding and masks, chunk walking, failures.
#include <gtest/gtest.h>

#include <tuple>

#include "ImgTestFiles.h"
#include "image/CIffDecoder.h"

namespace {

class IlbmVariants : public testing::TestWithParam<std::tuple<uint32_t, bool, bool>> {};

TEST_P(IlbmVariants, DecodesEveryPixel) {
  const auto [width, compressed, masked] = GetParam();
  const TestPicture picture = MakeTestPicture(width, 5, width);
  CImg image;
  ASSERT_EQ(DecodeBytes(image, IMG_TYPE_IFF,
                        MakeIlbm(picture, {.compressed = compressed, .masked = masked})),
            IMG_OK);
  EXPECT_EQ(image.m_width, width);
  EXPECT_EQ(image.m_height, 5u);
  EXPECT_EQ(image.m_pitch, static_cast<int32_t>(width));
  EXPECT_EQ(image.m_format.formatId, kImgFormat32);
  EXPECT_EQ(DecodedPixels(image), picture.pixels);
}

TEST_P(IlbmVariants, TruncatedBodyAnswers2) {
  const auto [width, compressed, masked] = GetParam();
  std::vector<uint8_t> file =
      MakeIlbm(MakeTestPicture(width, 3, 1), {.compressed = compressed, .masked = masked});
  // Two bytes: the BODY's pad byte, if any, and at least one byte of plane data.
  ASSERT_GT(file.size(), 2u);
  file.erase(file.end() - 2, file.end());
  CImg image;
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_IFF, file), IMG_INCORRECT_FORMAT);
}

INSTANTIATE_TEST_SUITE_P(WidthsAndKinds, IlbmVariants,
                         testing::Combine(testing::Values(1u, 5u, 16u, 17u, 40u), testing::Bool(),
                                          testing::Bool()),
                         [](const auto& test) {
                           return "Width" + std::to_string(std::get<0>(test.param)) +
                                  (std::get<1>(test.param) ? "ByteRun1" : "Raw") +
                                  (std::get<2>(test.param) ? "Masked" : "");
                         });

std::vector<uint8_t> Bmhd(uint16_t width, uint16_t height, uint8_t planes, uint8_t compression) {
  ByteWriter h;
  h.Text("BMHD").U32Be(20).U16Be(width).U16Be(height).U32Be(0).U8(planes).U8(0).U8(compression);
  h.U8(0).U16Be(0).U8(1).U8(1).U16Be(width).U16Be(height);
  return h.bytes;
}

std::vector<uint8_t> Form(const std::vector<uint8_t>& chunks) {
  ByteWriter file;
  file.Text("FORM").U32Be(static_cast<uint32_t>(chunks.size() + 4)).Text("ILBM").Bytes(chunks);
  return file.bytes;
}

TEST(IffDecoder, PlanesGiveRedGreenBlueFromTheLowBitsUp) {
  // One pixel 16 wide (one word a plane row): red 0x11 in planes 0 and 4, green 0x22 in planes
  // 9 and 13, blue 0x33 in planes 16, 17, 20, 21; the other 15 pixels stay black.
  ByteWriter body;
  body.Text("BODY").U32Be(48);
  for (int plane = 0; plane < 24; ++plane) {
    const bool set = plane == 0 || plane == 4 || plane == 9 || plane == 13 || plane == 16 ||
                     plane == 17 || plane == 20 || plane == 21;
    body.U8(set ? 0x80 : 0).U8(0);
  }
  ByteWriter chunks;
  chunks.Bytes(Bmhd(16, 1, 24, 0)).Bytes(body.bytes);
  CImg image;
  ASSERT_EQ(DecodeBytes(image, IMG_TYPE_IFF, Form(chunks.bytes)), IMG_OK);
  std::vector<uint32_t> expected(16, 0);
  expected[0] = 0x112233;
  EXPECT_EQ(DecodedPixels(image), expected);
}

TEST(IffDecoder, ByteRun1NoOpAndOverlongRuns) {
  // Per plane row of 2 bytes: a no-op 128, then a run of 3 (one byte too many, cut at the row
  // end) of 0xFF: every pixel ends up white.
  ByteWriter body;
  body.Text("BODY").U32Be(24 * 3);
  for (int plane = 0; plane < 24; ++plane) body.U8(128).U8(254).U8(0xFF);
  ByteWriter chunks;
  chunks.Bytes(Bmhd(16, 1, 24, 1)).Bytes(body.bytes);
  CImg image;
  ASSERT_EQ(DecodeBytes(image, IMG_TYPE_IFF, Form(chunks.bytes)), IMG_OK);
  EXPECT_EQ(DecodedPixels(image), std::vector<uint32_t>(16, 0xFFFFFF));
}

TEST(IffDecoder, ByteRun1CompressesRunsAndLiterals) {
  const std::vector<uint8_t> row = {1, 2, 3, 7, 7, 7, 7, 9};
  EXPECT_EQ(PackByteRun1(row), (std::vector<uint8_t>{2, 1, 2, 3, 253, 7, 0, 9}));
}

TEST(IffDecoder, FewerThan16PlanesAnswer8) {
  const TestPicture picture = MakeTestPicture(16, 2, 1);
  CImg image;
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_IFF, MakeIlbm(picture, {.planes = 8})),
            IMG_UNSUPPORTED_BPP);
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_IFF, MakeIlbm(picture, {.planes = 15})),
            IMG_UNSUPPORTED_BPP);
}

TEST(IffDecoder, PlaneCountsOtherThan24Answer8) {
  const TestPicture picture = MakeTestPicture(16, 2, 1);
  for (uint8_t planes : {16, 23, 25, 32}) {
    CImg image;
    EXPECT_EQ(DecodeBytes(image, IMG_TYPE_IFF, MakeIlbm(picture, {.planes = planes})),
              IMG_UNSUPPORTED_BPP)
        << int{planes};
  }
}

TEST(IffDecoder, UnknownCompressionAnswers3) {
  CImg image;
  EXPECT_EQ(
      DecodeBytes(image, IMG_TYPE_IFF, MakeIlbm(MakeTestPicture(16, 2, 1), {.compression = 2})),
      IMG_UNKNOWN_VARIANT);
}

TEST(IffDecoder, MissingOrMisplacedPartsAnswer2) {
  const std::vector<uint8_t> good = MakeIlbm(MakeTestPicture(16, 2, 1));
  CImg image;
  std::vector<uint8_t> noForm = good;
  noForm[0] = 'X';
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_IFF, noForm), IMG_INCORRECT_FORMAT);
  std::vector<uint8_t> noIlbm = good;
  noIlbm[8] = 'P';
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_IFF, noIlbm), IMG_INCORRECT_FORMAT);
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_IFF, {'F', 'O', 'R'}), IMG_INCORRECT_FORMAT);
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_IFF, Form(Bmhd(16, 2, 24, 0))), IMG_INCORRECT_FORMAT);

  ByteWriter bodyFirst;
  bodyFirst.Text("BODY").U32Be(4).U32Be(0).Bytes(Bmhd(16, 2, 24, 0));
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_IFF, Form(bodyFirst.bytes)), IMG_INCORRECT_FORMAT);

  ByteWriter shortHeader;
  shortHeader.Text("BMHD").U32Be(8).U32Be(0x00100002).U32Be(0);
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_IFF, Form(shortHeader.bytes)), IMG_INCORRECT_FORMAT);
}

TEST(IffDecoder, TheFormTypeIsSearchedFor) {
  // Extra bytes between the group header and "ILBM" do not hide the form type.
  const TestPicture picture = MakeTestPicture(16, 2, 5);
  std::vector<uint8_t> file = MakeIlbm(picture);
  file.insert(file.begin() + 8, {'x', 'y', 'z'});
  CImg image;
  ASSERT_EQ(DecodeBytes(image, IMG_TYPE_IFF, file), IMG_OK);
  EXPECT_EQ(DecodedPixels(image), picture.pixels);
}

TEST(IffDecoder, ChunkLengthsPastTheEndAreSafe) {
  ByteWriter chunks;
  chunks.Bytes(Bmhd(16, 1, 24, 0)).Text("BODY").U32Be(0xFFFFFFFF).U32Be(0);
  CImg image;
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_IFF, Form(chunks.bytes)), IMG_INCORRECT_FORMAT);
  ByteWriter skipped;
  skipped.Text("JUNK").U32Be(0xFFFFFFFF).Bytes(Bmhd(16, 1, 24, 0));
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_IFF, Form(skipped.bytes)), IMG_INCORRECT_FORMAT);
}

TEST(IffDecoder, OversizedPicturesAreRefusedBeforeAllocating) {
  ByteWriter chunks;
  chunks.Bytes(Bmhd(65535, 65535, 24, 1)).Text("BODY").U32Be(2).U8(129).U8(0);
  CImg image;
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_IFF, Form(chunks.bytes)), IMG_OUT_OF_RANGE);
  EXPECT_EQ(image.m_pixels, nullptr);
}

TEST(IffDecoder, ShortBodiesClaimingLargePicturesAllocateNothing) {
  for (uint8_t compression : {0, 1}) {
    ByteWriter chunks;
    chunks.Bytes(Bmhd(30000, 2000, 24, compression)).Text("BODY").U32Be(200);
    for (int i = 0; i < 100; ++i) chunks.U8(129).U8(0);
    CImg image;
    EXPECT_EQ(DecodeBytes(image, IMG_TYPE_IFF, Form(chunks.bytes)), IMG_INCORRECT_FORMAT);
    EXPECT_EQ(image.m_pixels, nullptr);
  }
}

}  // namespace
