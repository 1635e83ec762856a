// Tests of run-length decoding: runs, literal runs, moves, line and bitmap ends, and code that
// breaks off or points outside the bitmap.
#include <gtest/gtest.h>

#include "image/DibHeader.h"
#include "image/DibImage.h"
#include "image/DibRle.h"
#include "support/BmpFileBuilder.h"

namespace {

std::vector<uint8_t> Expand(const std::vector<uint8_t>& code, uint32_t compression, uint32_t width,
                            uint32_t height) {
  const uint32_t rowSize = DibRowSize(compression == DIB_RLE4 ? 4 : 8, width);
  std::vector<uint8_t> rows(rowSize * height, 0);
  DibMemorySource source(code);
  ExpandDibRle(source, code.size(), compression, width, height, rowSize, rows);
  return rows;
}

TEST(DibRle8, RunsLiteralsMovesAndEnds) {
  const std::vector<uint8_t> code = {
      0x02, 0x07,                          // two pixels of 7
      0x00, 0x03, 0x01, 0x02, 0x03, 0x00,  // three literal pixels, padded; the third is cut
      0x00, 0x00,                          // end of line
      0x00, 0x02, 0x02, 0x00,              // move two right
      0x01, 0x09,                          // one pixel of 9
      0x00, 0x00,                          // end of line
      0x04, 0x06,                          // a whole row of 6
      0x00, 0x01,                          // end of bitmap
      0x04, 0x0F,                          // never read
  };
  const std::vector<uint8_t> expected = {7, 7, 1, 2, 0, 0, 9, 0, 6, 6, 6, 6};
  EXPECT_EQ(Expand(code, DIB_RLE8, 4, 3), expected);
}

TEST(DibRle4, RunsAlternateNibblesAndLiteralsPackTwoAByte) {
  const std::vector<uint8_t> code = {
      0x05, 0x12,              // 1 2 1 2 1
      0x00, 0x00,              // end of line
      0x00, 0x03, 0x34, 0x50,  // literal 3 4 5
      0x02, 0x77,              // 7 7
      0x00, 0x01,
  };
  const std::vector<uint8_t> expected = {0x12, 0x12, 0x10, 0x00, 0x34, 0x57, 0x70, 0x00};
  EXPECT_EQ(Expand(code, DIB_RLE4, 5, 2), expected);
}

TEST(DibRle4, OddLiteralRunsArePaddedToAWord) {
  const std::vector<uint8_t> code = {
      0x00, 0x05, 0x12, 0x34, 0x50,  // literal 1 2 3 4 5 in three bytes
      0x00,                          // padding, not the start of an escape
      0x01, 0xF0,                    // one pixel of 15
  };
  const std::vector<uint8_t> expected = {0x12, 0x34, 0x5F, 0x00};
  EXPECT_EQ(Expand(code, DIB_RLE4, 6, 1), expected);
}

TEST(DibRle8, CodeThatBreaksOffOrLeavesTheBitmapStops) {
  const std::vector<uint8_t> none(4, 0);
  EXPECT_EQ(Expand({}, DIB_RLE8, 4, 1), none);
  EXPECT_EQ(Expand({0x03}, DIB_RLE8, 4, 1), none) << "half a pair";
  EXPECT_EQ(Expand({0x00, 0x02, 0x01}, DIB_RLE8, 4, 1), none) << "half a move";
  EXPECT_EQ(Expand({0x00, 0x05, 0x01, 0x02}, DIB_RLE8, 4, 1), (std::vector<uint8_t>{1, 2, 0, 0}))
      << "a literal run cut short keeps what is there";
  EXPECT_EQ(Expand({0x00, 0x02, 0x00, 0x09, 0x01, 0x05}, DIB_RLE8, 4, 2),
            std::vector<uint8_t>(8, 0))
      << "a move below the last row ends the bitmap";
  EXPECT_EQ(Expand({0xFF, 0x03, 0x00, 0x00, 0x01, 0x04}, DIB_RLE8, 2, 2),
            (std::vector<uint8_t>{3, 3, 0, 0, 4, 0, 0, 0}))
      << "a long run stops at the row's end";
  EXPECT_EQ(Expand({0x00, 0x02, 0xFF, 0x00, 0x01, 0x04}, DIB_RLE8, 2, 1), none)
      << "a move right of the row writes nothing";
}

TEST(DibRle8, StreamsExpandToPlainRowsWithTheirColours) {
  BmpLayout layout;
  layout.width = 3;
  layout.height = 2;
  layout.bitCount = 8;
  layout.compression = DIB_RLE8;
  layout.colourTable = {0x000000, 0xFF0000, 0x00FF00};
  layout.clrUsed = 3;
  const std::vector<uint8_t> code = {0x03, 0x01, 0x00, 0x00, 0x01, 0x02, 0x02, 0x00, 0x00, 0x01};
  const auto stream = BuildBmp(layout, code);
  DibMemorySource source(stream);
  CDibImage image;
  ASSERT_TRUE(image.ReadFromFile(source));
  EXPECT_EQ(image.Headers().info.compression, static_cast<uint32_t>(DIB_RGB));
  EXPECT_EQ(image.Headers().info.sizeImage, 8u);
  const auto bitmap = image.CreateDeviceBitmap();
  ASSERT_TRUE(bitmap);
  const std::vector<uint32_t> expected = {0x00FF00, 0, 0, 0xFF0000, 0xFF0000, 0xFF0000};
  EXPECT_EQ(bitmap->pixels, expected) << "the top row is the second coded one";
}

TEST(DibRle4, ImageSizeBoundsTheCode) {
  BmpLayout layout;
  layout.width = 2;
  layout.bitCount = 4;
  layout.compression = DIB_RLE4;
  layout.colourTable.assign(16, 0);
  layout.colourTable[1] = 0x123456;
  const std::vector<uint8_t> code = {0x01, 0x10, 0x01, 0x10, 0x00, 0x01};
  layout.sizeImage = 2;  // only the first run belongs to the bitmap
  auto stream = BuildBmp(layout, code);
  DibMemorySource bounded(stream);
  CDibImage image;
  ASSERT_TRUE(image.ReadFromFile(bounded));
  EXPECT_EQ(image.CreateDeviceBitmap()->pixels, (std::vector<uint32_t>{0x123456, 0}));

  layout.sizeImage = 0;  // no size: the code runs to the end of the stream
  stream = BuildBmp(layout, code);
  DibMemorySource open(stream);
  ASSERT_TRUE(image.ReadFromFile(open));
  EXPECT_EQ(image.CreateDeviceBitmap()->pixels, (std::vector<uint32_t>{0x123456, 0x123456}));
}

}  // namespace
