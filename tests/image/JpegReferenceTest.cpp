// Our JPEG decoding against libjpeg-turbo's djpeg, pixel for pixel, on files made at test time:
// by cjpeg, by our own writer, and byte by byte for the colour spaces cjpeg cannot write.
#include <gtest/gtest.h>

#include "JpegTestStream.h"
#include "JpegTestSupport.h"
#include "image/JpegCodec.h"

namespace {

void ExpectDecodesLikeDjpeg(const std::vector<uint8_t>& jpeg) {
  ASSERT_FALSE(jpeg.empty());
  const std::optional<TestPicture> reference = DjpegDecode(jpeg);
  ASSERT_TRUE(reference) << "djpeg refused the file";
  CImg image;
  ASSERT_EQ(DecodeJpegBytes(image, jpeg), IMG_OK);
  EXPECT_EQ(image.m_width, reference->width);
  EXPECT_EQ(image.m_height, reference->height);
  EXPECT_EQ(image.m_pitch, static_cast<int32_t>(reference->width));
  EXPECT_EQ(image.m_format.formatId, kImgFormat32);
  EXPECT_EQ(DecodedPixels(image), reference->pixels);
}

struct CjpegCase {
  const char* name;
  const char* flags;
  uint32_t width;
  uint32_t height;
};

void PrintTo(const CjpegCase& c, std::ostream* out) {
  *out << c.name;
}

class JpegFromCjpeg : public testing::TestWithParam<CjpegCase> {};

TEST_P(JpegFromCjpeg, DecodesLikeDjpeg) {
  if (!JpegToolsPresent()) GTEST_SKIP() << "cjpeg and djpeg are not installed";
  const CjpegCase& c = GetParam();
  ExpectDecodesLikeDjpeg(CjpegEncode(MakeTestPicture(c.width, c.height, 11), c.flags));
}

INSTANTIATE_TEST_SUITE_P(
    Variants, JpegFromCjpeg,
    testing::Values(CjpegCase{"baseline", "", 64, 48},
                    CjpegCase{"baseline_odd_size", "-quality 90", 61, 37},
                    CjpegCase{"baseline_3x2", "", 3, 2}, CjpegCase{"single_pixel", "", 1, 1},
                    CjpegCase{"progressive", "-progressive", 61, 37},
                    CjpegCase{"greyscale", "-grayscale", 33, 17},
                    CjpegCase{"greyscale_progressive", "-grayscale -progressive", 40, 9},
                    CjpegCase{"rgb", "-rgb", 30, 20},
                    CjpegCase{"sampling_444", "-sample 1x1", 30, 20},
                    CjpegCase{"sampling_422", "-sample 2x1", 30, 20},
                    CjpegCase{"restart_markers", "-restart 1", 50, 40},
                    CjpegCase{"arithmetic", "-arithmetic", 50, 40},
                    CjpegCase{"optimized_fast_dct", "-optimize -dct fast -quality 100", 50, 40}),
    [](const testing::TestParamInfo<CjpegCase>& param) { return param.param.name; });

struct StreamCase {
  const char* name;
  FlatBlockJpeg layout;
};

FlatBlockJpeg Layout(int components, int adobeTransform, bool progressive = false, int scans = 1) {
  FlatBlockJpeg layout;
  layout.width = 35;
  layout.height = 21;
  layout.components = components;
  layout.adobeTransform = adobeTransform;
  layout.progressive = progressive;
  layout.scans = scans;
  return layout;
}

void PrintTo(const StreamCase& c, std::ostream* out) {
  *out << c.name;
}

class JpegFromStream : public testing::TestWithParam<StreamCase> {};

TEST_P(JpegFromStream, DecodesLikeDjpeg) {
  if (!JpegToolsPresent()) GTEST_SKIP() << "djpeg is not installed";
  ExpectDecodesLikeDjpeg(MakeFlatBlockJpeg(GetParam().layout));
}

INSTANTIATE_TEST_SUITE_P(
    ColourSpaces, JpegFromStream,
    testing::Values(StreamCase{"cmyk_adobe", Layout(4, 0)}, StreamCase{"cmyk_plain", Layout(4, -1)},
                    StreamCase{"ycck", Layout(4, 2)}, StreamCase{"greyscale", Layout(1, -1)},
                    StreamCase{"rgb_adobe", Layout(3, 0)}, StreamCase{"ycbcr", Layout(3, -1)},
                    StreamCase{"progressive_cmyk", Layout(4, 0, true, 3)},
                    StreamCase{"progressive_at_scan_limit", Layout(3, -1, true, kJpegMaxScans)}),
    [](const testing::TestParamInfo<StreamCase>& param) { return param.param.name; });

struct WriterCase {
  const char* name;
  JpegWriteSettings settings;
};

JpegWriteSettings Settings(int dctMethod, int quality, bool optimize, bool progressive,
                           bool greyscale) {
  JpegWriteSettings settings;
  settings.dctMethod = dctMethod;
  settings.quality = quality;
  settings.optimize = optimize;
  settings.progressive = progressive;
  settings.greyscale = greyscale;
  return settings;
}

void PrintTo(const WriterCase& c, std::ostream* out) {
  *out << c.name;
}

class JpegFromWriter : public testing::TestWithParam<WriterCase> {};

TEST_P(JpegFromWriter, DecodesLikeDjpeg) {
  if (!JpegToolsPresent()) GTEST_SKIP() << "djpeg is not installed";
  ExpectDecodesLikeDjpeg(EncodeWithWriter(MakeTestPicture(45, 29, 3), GetParam().settings));
}

INSTANTIATE_TEST_SUITE_P(
    Settings, JpegFromWriter,
    testing::Values(WriterCase{"baseline", Settings(0, 75, false, false, false)},
                    WriterCase{"fast_dct_optimized", Settings(1, 90, true, false, false)},
                    WriterCase{"float_dct", Settings(2, 50, false, false, false)},
                    WriterCase{"progressive", Settings(0, 85, false, true, false)},
                    WriterCase{"greyscale", Settings(0, 85, false, false, true)},
                    WriterCase{"greyscale_progressive", Settings(0, 60, true, true, true)}),
    [](const testing::TestParamInfo<WriterCase>& param) { return param.param.name; });

}  // namespace
