// The JPEG decoder's limits: picture size (checked before anything is allocated) and scans.
#include <gtest/gtest.h>

#include "JpegTestStream.h"
#include "JpegTestSupport.h"
#include "image/JpegCodec.h"

namespace {

FlatBlockJpeg Grey(uint16_t width, uint16_t height) {
  FlatBlockJpeg layout;
  layout.width = width;
  layout.height = height;
  layout.components = 1;
  return layout;
}

TEST(JpegSizeLimit, SidesUpToTheLimitDecode) {
  for (const auto& [width, height] : {std::pair<uint16_t, uint16_t>{32768, 8}, {8, 32768}}) {
    CImg image;
    ASSERT_EQ(DecodeJpegBytes(image, MakeFlatBlockJpeg(Grey(width, height))), IMG_OK);
    EXPECT_EQ(image.m_width, width);
    EXPECT_EQ(image.m_height, height);
  }
}

// Only the headers and a few bytes of scan data: a decoder that allocated before checking
// would ask for gigabytes, and one that started decoding would answer 2 for the short data.
TEST(JpegSizeLimit, LargerPicturesAreRefusedBeforeDecoding) {
  const std::pair<uint16_t, uint16_t> sizes[] = {
      {32769, 8}, {8, 32769}, {8193, 8192}, {65000, 65000}};
  CImg image;
  ASSERT_EQ(DecodeJpegBytes(image, MakeFlatBlockJpeg(Grey(16, 16))), IMG_OK);
  for (const auto& [width, height] : sizes) {
    FlatBlockJpeg layout = Grey(width, height);
    layout.scanBytes = 4;
    EXPECT_EQ(DecodeJpegBytes(image, MakeFlatBlockJpeg(layout)), IMG_OUT_OF_RANGE)
        << width << " x " << height;
    EXPECT_EQ(image.m_width, 16u);
  }
  // Beyond the largest side a JPEG file may have the JPEG library itself refuses.
  FlatBlockJpeg tooLarge = Grey(65535, 65535);
  tooLarge.scanBytes = 4;
  EXPECT_EQ(DecodeJpegBytes(image, MakeFlatBlockJpeg(tooLarge)), IMG_INCORRECT_FORMAT);
}

TEST(JpegSizeLimit, TheLargestPixelCountDecodes) {
  FlatBlockJpeg layout = Grey(8192, 8192);
  CImg image;
  ASSERT_EQ(DecodeJpegBytes(image, MakeFlatBlockJpeg(layout)), IMG_OK);
  EXPECT_EQ(uint64_t{image.m_width} * image.m_height, kImgMaxPixels);
}

TEST(JpegScanLimit, FilesBeyondTheScanLimitAreRefused) {
  FlatBlockJpeg layout = Grey(64, 64);
  layout.progressive = true;
  layout.scans = kJpegMaxScans;
  CImg image;
  EXPECT_EQ(DecodeJpegBytes(image, MakeFlatBlockJpeg(layout)), IMG_OK);
  layout.scans = kJpegMaxScans + 1;
  EXPECT_EQ(DecodeJpegBytes(image, MakeFlatBlockJpeg(layout)), IMG_INCORRECT_FORMAT);
  layout.scans = 10 * kJpegMaxScans;
  EXPECT_EQ(DecodeJpegBytes(image, MakeFlatBlockJpeg(layout)), IMG_INCORRECT_FORMAT);
  EXPECT_EQ(image.m_width, 64u);
}

}  // namespace
