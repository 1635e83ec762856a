// Tests of the BMP header reader: channel masks, header kinds, and the streams it refuses.
#include <gtest/gtest.h>

#include "image/CImg.h"
#include "image/DibHeader.h"
#include "support/BmpFileBuilder.h"

namespace {

bool ReadHeaders(const std::vector<uint8_t>& stream, DibHeaders& headers) {
  DibMemorySource source(stream);
  return ReadDibHeaders(source, headers);
}

BmpLayout EightBitLayout() {
  BmpLayout layout;
  layout.width = 3;
  layout.height = 2;
  layout.bitCount = 8;
  layout.colourTable = {0x112233, 0x445566};
  layout.clrUsed = 2;
  return layout;
}

TEST(DibChannel, ContiguousMasksGiveShiftAndWidth) {
  const auto green = DibChannel::FromMask(0x07E0);
  ASSERT_TRUE(green);
  EXPECT_EQ(green->shift, 5);
  EXPECT_EQ(green->bits, 6);
  const auto all = DibChannel::FromMask(0xFFFFFFFF);
  ASSERT_TRUE(all);
  EXPECT_EQ(all->bits, 32);
  const auto none = DibChannel::FromMask(0);
  ASSERT_TRUE(none);
  EXPECT_EQ(none->Value8(0xFFFFFFFF), 0u);
  EXPECT_FALSE(DibChannel::FromMask(0x0505));
}

TEST(DibChannel, NarrowChannelsSpanTheFullRange) {
  for (uint32_t mask : {0x1u, 0x7u, 0x1Fu, 0x3Fu, 0xF0u, 0x7Fu}) {
    const DibChannel channel = *DibChannel::FromMask(mask);
    EXPECT_EQ(channel.Value8(0), 0u) << mask;
    EXPECT_EQ(channel.Value8(mask), 255u) << mask;
    // Widening keeps order: a larger stored value never gives a smaller 8-bit value.
    uint32_t previous = 0;
    for (uint32_t v = 0; v <= mask >> channel.shift; ++v) {
      const uint32_t wide = channel.Value8(v << channel.shift);
      EXPECT_GE(wide, previous);
      EXPECT_EQ(wide >> (8 - channel.bits), v) << "high bits keep the stored value";
      previous = wide;
    }
  }
}

TEST(DibChannel, WideChannelsKeepTheirHighBits) {
  const DibChannel tenBits = *DibChannel::FromMask(0x3FF00000);
  EXPECT_EQ(tenBits.Value8(0x3FF00000), 255u);
  EXPECT_EQ(tenBits.Value8(0x200u << 20), 128u);
  EXPECT_EQ(tenBits.Value8(0x003u << 20), 0u);
}

TEST(DibRowSize, RowsArePaddedToWords) {
  EXPECT_EQ(DibRowSize(1, 1), 4u);
  EXPECT_EQ(DibRowSize(1, 33), 8u);
  EXPECT_EQ(DibRowSize(4, 9), 8u);
  EXPECT_EQ(DibRowSize(24, 5), 16u);
  EXPECT_EQ(DibRowSize(32, 32768), 131072u);
}

TEST(DibHeaders, PlainHeaderWithFileHeader) {
  const BmpLayout layout = EightBitLayout();
  const auto stream = BuildBmp(layout, std::vector<uint8_t>(8, 0));
  DibHeaders headers;
  ASSERT_TRUE(ReadHeaders(stream, headers));
  EXPECT_EQ(headers.width, 3u);
  EXPECT_EQ(headers.height, 2u);
  EXPECT_FALSE(headers.topDown);
  EXPECT_EQ(headers.rowSize, 4u);
  EXPECT_EQ(headers.colourTable, (std::vector<uint32_t>{0x112233, 0x445566}));
}

TEST(DibHeaders, CoreHeaderIsWidenedAndItsTableExpanded) {
  BmpLayout layout = EightBitLayout();
  layout.headerSize = 12;
  layout.clrUsed = 0;
  layout.colourTable.assign(256, 0);
  for (uint32_t i = 0; i < 256; ++i) layout.colourTable[i] = i * 0x010203 & 0xFFFFFF;
  const auto stream = BuildBmp(layout, std::vector<uint8_t>(8, 0));
  DibHeaders headers;
  ASSERT_TRUE(ReadHeaders(stream, headers));
  EXPECT_EQ(headers.headerSize, 12u);
  EXPECT_EQ(headers.info.size, 40u);
  EXPECT_EQ(headers.info.width, 3);
  EXPECT_EQ(headers.info.bitCount, 8);
  EXPECT_EQ(headers.info.clrUsed, 256u) << "an empty colour count becomes 2^bits";
  EXPECT_EQ(headers.colourTable, layout.colourTable);
}

TEST(DibHeaders, EmptyImageSizeBecomesRowsTimesHeight) {
  BmpLayout layout = EightBitLayout();
  layout.sizeImage = 0;
  DibHeaders headers;
  ASSERT_TRUE(ReadHeaders(BuildBmp(layout, std::vector<uint8_t>(8, 0)), headers));
  EXPECT_EQ(headers.info.sizeImage, 8u);
}

TEST(DibHeaders, MasksBehindAPlainHeaderAndInsideLongerOnes) {
  for (uint32_t size : {40u, 52u, 56u, 108u, 124u}) {
    BmpLayout layout;
    layout.bitCount = 16;
    layout.compression = DIB_BITFIELDS;
    layout.headerSize = size;
    layout.masks = {0xF800, 0x07E0, 0x001F};
    DibHeaders headers;
    ASSERT_TRUE(ReadHeaders(BuildBmp(layout, std::vector<uint8_t>(4, 0)), headers)) << size;
    EXPECT_EQ(headers.masks.red.shift, 11) << size;
    EXPECT_EQ(headers.masks.green.bits, 6) << size;
    EXPECT_EQ(headers.masks.blue.mask, 0x1Fu) << size;
  }
}

TEST(DibHeaders, PixelsWithoutMasksUseTheStandardLayouts) {
  BmpLayout layout;
  layout.bitCount = 16;
  layout.headerSize = 124;
  layout.masks = {0xF800, 0x07E0, 0x001F};  // ignored without the bit-field compression
  DibHeaders headers;
  ASSERT_TRUE(ReadHeaders(BuildBmp(layout, std::vector<uint8_t>(4, 0)), headers));
  EXPECT_EQ(headers.masks.red.mask, 0x7C00u);
  layout.bitCount = 32;
  ASSERT_TRUE(ReadHeaders(BuildBmp(layout, std::vector<uint8_t>(4, 0)), headers));
  EXPECT_EQ(headers.masks.red.mask, 0x00FF0000u);
}

TEST(DibHeaders, SourceIsLeftAtThePixelOffset) {
  BmpLayout layout = EightBitLayout();
  layout.pixelOffset = 200;
  const auto stream = BuildBmp(layout, std::vector<uint8_t>(8, 0));
  DibMemorySource source(stream);
  DibHeaders headers;
  ASSERT_TRUE(ReadDibHeaders(source, headers));
  EXPECT_EQ(source.Tell(), 200u);

  layout.fileHeader = false;
  layout.pixelOffset.reset();
  const auto bare = BuildBmp(layout, std::vector<uint8_t>(8, 0));
  DibMemorySource bareSource(bare);
  ASSERT_TRUE(ReadDibHeaders(bareSource, headers));
  EXPECT_EQ(bareSource.Tell(), 40u + 2 * 4) << "pixels follow the colour table";
}

TEST(DibHeaders, StreamsThatAreRefused) {
  struct Case {
    const char* what;
    void (*change)(BmpLayout&);
  };
  const Case cases[] = {
      {"zero width", [](BmpLayout& l) { l.width = 0; }},
      {"negative width", [](BmpLayout& l) { l.width = -3; }},
      {"zero height", [](BmpLayout& l) { l.height = 0; }},
      {"smallest height", [](BmpLayout& l) { l.height = INT32_MIN; }},
      {"side beyond the limit", [](BmpLayout& l) { l.width = kImgMaxSide + 1; }},
      {"too many pixels", [](BmpLayout& l) { l.width = l.height = kImgMaxSide; }},
      {"2 bits a pixel", [](BmpLayout& l) { l.bitCount = 2; }},
      {"unknown header size", [](BmpLayout& l) { l.headerSize = 44; }},
      {"RLE8 on 4 bits",
       [](BmpLayout& l) {
         l.bitCount = 4;
         l.compression = DIB_RLE8;
       }},
      {"bit fields on 8 bits", [](BmpLayout& l) { l.compression = DIB_BITFIELDS; }},
      {"JPEG compression", [](BmpLayout& l) { l.compression = 4; }},
      {"top-down RLE",
       [](BmpLayout& l) {
         l.compression = DIB_RLE8;
         l.height = -2;
       }},
      {"colour table of 257", [](BmpLayout& l) { l.clrUsed = 257; }},
      {"offset into the header", [](BmpLayout& l) { l.pixelOffset = 20; }},
  };
  for (const Case& c : cases) {
    BmpLayout layout = EightBitLayout();
    c.change(layout);
    DibHeaders headers;
    EXPECT_FALSE(ReadHeaders(BuildBmp(layout, std::vector<uint8_t>(8, 0)), headers)) << c.what;
  }
}

TEST(DibHeaders, ColourTablesEndAt256Entries) {
  BmpLayout layout = EightBitLayout();
  layout.colourTable.assign(256, 0x808080);
  layout.clrUsed = 256;
  DibHeaders headers;
  EXPECT_TRUE(ReadHeaders(BuildBmp(layout, std::vector<uint8_t>(8, 0)), headers));
  layout.colourTable.assign(257, 0x808080);
  layout.clrUsed = 257;
  EXPECT_FALSE(ReadHeaders(BuildBmp(layout, std::vector<uint8_t>(8, 0)), headers))
      << "even with every entry there";
}

TEST(DibHeaders, OffsetPastTheEndIsRefused) {
  auto stream = BuildBmp(EightBitLayout(), std::vector<uint8_t>(8, 0));
  stream[12] = 0x01;  // pixel offset 0x10000 + the real one, far behind the last byte
  DibHeaders headers;
  EXPECT_FALSE(ReadHeaders(stream, headers));
}

TEST(DibHeaders, BitFieldsNeedUsableMasks) {
  BmpLayout layout;
  layout.bitCount = 32;
  layout.compression = DIB_BITFIELDS;
  layout.masks = {0x00FF0000, 0x0000F0F0, 0x000000FF};
  DibHeaders headers;
  EXPECT_FALSE(ReadHeaders(BuildBmp(layout, std::vector<uint8_t>(4, 0)), headers))
      << "a channel whose bits are not adjacent";
  layout.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
  ASSERT_TRUE(ReadHeaders(BuildBmp(layout, std::vector<uint8_t>(4, 0)), headers));
  layout.headerSize = 64;
  EXPECT_FALSE(ReadHeaders(BuildBmp(layout, std::vector<uint8_t>(4, 0)), headers))
      << "a 64-byte header has no masks (its compression 3 is another code)";
}

TEST(DibHeaders, EveryCutOfTheHeadersIsRefused) {
  BmpLayout layout = EightBitLayout();
  layout.headerSize = 124;
  const auto stream = BuildBmp(layout, {});
  const std::size_t headersEnd = 14 + 124 + 2 * 4;
  for (std::size_t length = 0; length < headersEnd; ++length) {
    const std::vector<uint8_t> cut(stream.begin(), stream.begin() + length);
    DibHeaders headers;
    EXPECT_FALSE(ReadHeaders(cut, headers)) << length;
  }
}

}  // namespace
