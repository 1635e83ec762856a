// Tests of CDibImage: every bit depth and header kind decodes to its true colours; palettes,
// blank bitmaps and broken streams.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <string>

#include "image/DibImage.h"
#include "support/BmpFileBuilder.h"

namespace {

constexpr int kWidth = 5;  // odd, so every depth needs row padding
constexpr int kHeight = 3;

std::unique_ptr<DeviceBitmap> Decode(const std::vector<uint8_t>& stream) {
  DibMemorySource source(stream);
  CDibImage image;
  if (!image.ReadFromFile(source)) return nullptr;
  return image.CreateDeviceBitmap();
}

// A different colour for every table entry: entry i of n.
uint32_t TableColour(uint32_t i) {
  return (i * 0x3B5D17u + 0x102030u) & 0xFFFFFF;
}

std::vector<uint32_t> Indices(int bitCount) {
  std::vector<uint32_t> indices(kWidth * kHeight);
  for (std::size_t i = 0; i < indices.size(); ++i) indices[i] = (i * 7 + 3) % (1u << bitCount);
  return indices;
}

struct IndexedCase {
  int bitCount;
  uint32_t headerSize;
  bool fileHeader;
  bool topDown;
};

std::string IndexedName(const testing::TestParamInfo<IndexedCase>& param) {
  const IndexedCase& c = param.param;
  return std::to_string(c.bitCount) + "bit_header" + std::to_string(c.headerSize) +
         (c.fileHeader ? "_file" : "_bare") + (c.topDown ? "_topdown" : "");
}

class DibIndexed : public testing::TestWithParam<IndexedCase> {};

TEST_P(DibIndexed, PixelsTakeTheirColourTableColours) {
  const IndexedCase c = GetParam();
  BmpLayout layout;
  layout.width = kWidth;
  layout.height = c.topDown ? -kHeight : kHeight;
  layout.bitCount = static_cast<uint16_t>(c.bitCount);
  layout.headerSize = c.headerSize;
  layout.fileHeader = c.fileHeader;
  for (uint32_t i = 0; i < (1u << c.bitCount); ++i) layout.colourTable.push_back(TableColour(i));
  const std::vector<uint32_t> indices = Indices(c.bitCount);
  const auto bitmap =
      Decode(BuildBmp(layout, PackBmpRows(c.bitCount, kWidth, kHeight, indices, c.topDown)));
  ASSERT_TRUE(bitmap);
  ASSERT_EQ(bitmap->width, static_cast<uint32_t>(kWidth));
  ASSERT_EQ(bitmap->height, static_cast<uint32_t>(kHeight));
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      EXPECT_EQ(bitmap->At(x, y), TableColour(indices[y * kWidth + x])) << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    AllHeaders, DibIndexed,
    testing::Values(IndexedCase{1, 40, true, false}, IndexedCase{4, 40, true, false},
                    IndexedCase{8, 40, true, false}, IndexedCase{1, 12, true, false},
                    IndexedCase{4, 12, false, false}, IndexedCase{8, 12, true, false},
                    IndexedCase{8, 12, false, false}, IndexedCase{1, 40, false, true},
                    IndexedCase{4, 108, true, true}, IndexedCase{8, 124, false, false},
                    IndexedCase{8, 64, true, false}, IndexedCase{4, 16, true, false}),
    IndexedName);

struct DirectCase {
  const char* name;
  int bitCount;
  uint32_t headerSize;
  std::vector<uint32_t> masks;  // empty: the standard layout
  bool fileHeader;
  bool topDown;
};

class DibDirect : public testing::TestWithParam<DirectCase> {};

// The 8-bit value of a channel of `bits` bits holding `value`: as near to the exact scaled
// value as a whole number can be while keeping the stored value in its high bits.
void ExpectChannel(uint32_t actual, uint32_t value, int bits, const char* channel) {
  if (bits >= 8) {
    EXPECT_EQ(actual, value >> (bits - 8)) << channel;
    return;
  }
  const double exact = value * 255.0 / ((1u << bits) - 1);
  EXPECT_LT(std::abs(actual - exact), 1.0) << channel << " " << value;
  EXPECT_EQ(actual >> (8 - bits), value) << channel;
}

TEST_P(DibDirect, PixelsDecodeThroughTheirMasks) {
  const DirectCase& c = GetParam();
  BmpLayout layout;
  layout.width = kWidth;
  layout.height = c.topDown ? -kHeight : kHeight;
  layout.bitCount = static_cast<uint16_t>(c.bitCount);
  layout.headerSize = c.headerSize;
  layout.fileHeader = c.fileHeader;
  layout.masks = c.masks;
  if (!c.masks.empty()) layout.compression = 3;
  std::vector<uint32_t> words(kWidth * kHeight);
  for (std::size_t i = 0; i < words.size(); ++i) words[i] = static_cast<uint32_t>(i * 0x9E3779B9u);
  const auto bitmap =
      Decode(BuildBmp(layout, PackBmpRows(c.bitCount, kWidth, kHeight, words, c.topDown)));
  ASSERT_TRUE(bitmap);
  std::vector<uint32_t> masks = c.masks;
  if (masks.empty() && c.bitCount == 16) masks = {0x7C00, 0x03E0, 0x001F};
  if (masks.empty()) masks = {0xFF0000, 0x00FF00, 0x0000FF};
  const uint32_t stored = c.bitCount == 32 ? 0xFFFFFFFF : (1u << c.bitCount) - 1;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const uint32_t word = words[y * kWidth + x] & stored;
      const uint32_t pixel = bitmap->At(x, y);
      EXPECT_EQ(pixel >> 24, 0u);
      const char* names[] = {"red", "green", "blue"};
      for (int ch = 0; ch < 3; ++ch) {
        const uint32_t mask = masks[ch];
        const int shift = std::countr_zero(mask);
        ExpectChannel((pixel >> (16 - 8 * ch)) & 0xFF, (word & mask) >> shift, std::popcount(mask),
                      names[ch]);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    AllLayouts, DibDirect,
    testing::Values(DirectCase{"rgb555", 16, 40, {}, true, false},
                    DirectCase{"rgb555_core", 16, 12, {}, true, false},
                    DirectCase{"rgb565_fields", 16, 40, {0xF800, 0x07E0, 0x001F}, true, false},
                    DirectCase{"rgb565_v5_topdown", 16, 124, {0xF800, 0x07E0, 0x001F}, true, true},
                    DirectCase{"rgb444_v4_bare", 16, 108, {0x0F00, 0x00F0, 0x000F}, false, false},
                    DirectCase{"bgr24", 24, 40, {}, true, false},
                    DirectCase{"bgr24_core_bare", 24, 12, {}, false, false},
                    DirectCase{"bgr24_topdown", 24, 40, {}, true, true},
                    DirectCase{"xrgb32", 32, 40, {}, true, false},
                    DirectCase{"xrgb32_topdown_bare", 32, 40, {}, false, true},
                    DirectCase{"xbgr32_fields", 32, 40, {0xFF, 0xFF00, 0xFF0000}, true, false},
                    DirectCase{"rgb101010_v3", 32, 56, {0x3FF00000, 0xFFC00, 0x3FF}, true, false},
                    DirectCase{"rgb332_v2", 16, 52, {0xE0, 0x1C, 0x03}, false, true}),
    [](const testing::TestParamInfo<DirectCase>& param) { return std::string(param.param.name); });

TEST(DibPalette, IndexedBitmapsGetAPaletteAndAnIndexTable) {
  BmpLayout layout;
  layout.bitCount = 8;
  layout.colourTable = {0x102030, 0x405060, 0x708090};
  layout.clrUsed = 3;
  const auto stream = BuildBmp(layout, std::vector<uint8_t>{2, 0, 0, 0});
  DibMemorySource source(stream);
  CDibImage image;
  ASSERT_TRUE(image.ReadFromFile(source));
  ASSERT_TRUE(image.Palette());
  EXPECT_EQ(image.Palette()->version, 0x300);
  const std::vector<DibPaletteEntry> expected = {
      {0x10, 0x20, 0x30, 0}, {0x40, 0x50, 0x60, 0}, {0x70, 0x80, 0x90, 0}};
  EXPECT_EQ(image.Palette()->entries, expected);
  EXPECT_TRUE(image.ColourTableHoldsIndices());
  EXPECT_EQ(image.ColourTable(), (std::vector<uint32_t>{0, 1, 2}));
  EXPECT_EQ(image.CreateDeviceBitmap()->At(0, 0), 0x708090u);
}

TEST(DibPalette, DirectBitmapsGetAPaletteOnlyWithAColourCount) {
  for (int bitCount : {16, 24, 32}) {
    BmpLayout layout;
    layout.bitCount = static_cast<uint16_t>(bitCount);
    const std::vector<uint8_t> bits(4, 0x7F);
    auto stream = BuildBmp(layout, bits);
    DibMemorySource source(stream);
    CDibImage image;
    ASSERT_TRUE(image.ReadFromFile(source));
    EXPECT_FALSE(image.Palette()) << bitCount;

    layout.clrUsed = 2;
    layout.colourTable = {0xABCDEF, 0x123456};
    stream = BuildBmp(layout, bits);
    DibMemorySource withCount(stream);
    ASSERT_TRUE(image.ReadFromFile(withCount));
    ASSERT_TRUE(image.Palette()) << bitCount;
    EXPECT_EQ(image.Palette()->entries.size(), 2u);
    const uint32_t colour = image.CreateDeviceBitmap()->At(0, 0);
    EXPECT_NE(colour, 0xABCDEFu) << "the table does not colour direct pixels";
  }
}

TEST(DibPalette, IndicesBeyondTheColourTableAreBlack) {
  BmpLayout layout;
  layout.width = 3;
  layout.bitCount = 8;
  layout.clrUsed = 2;
  layout.colourTable = {0xFFFFFF, 0x00FF00};
  const auto bitmap = Decode(BuildBmp(layout, std::vector<uint8_t>{1, 2, 255, 0}));
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->At(0, 0), 0x00FF00u);
  EXPECT_EQ(bitmap->At(1, 0), 0u);
  EXPECT_EQ(bitmap->At(2, 0), 0u);
}

TEST(DibPalette, SetPaletteRedrawsThroughTheNewColours) {
  CDibImage image;
  ASSERT_TRUE(image.CreateBlank(2, 1, 8, -1));
  image.Bits()[0] = 1;
  const uint8_t red[] = {10, 20};
  const uint8_t green[] = {30, 40};
  const uint8_t blue[] = {50, 60};
  ASSERT_TRUE(image.SetPalette(2, red, green, blue));
  EXPECT_EQ(image.CreateDeviceBitmap()->At(0, 0), 0x14283Cu);
  ASSERT_TRUE(image.SetPalette(2, red, nullptr, nullptr));
  EXPECT_EQ(image.CreateDeviceBitmap()->At(0, 0), 0x141414u) << "grey from the red array";
  ASSERT_TRUE(image.SetPalette(2, red, green, nullptr));
  EXPECT_EQ(image.CreateDeviceBitmap()->At(0, 0), 0x142828u) << "blue from the green array";
  EXPECT_EQ(image.CreateDeviceBitmap()->At(1, 0), 0x0A1E1Eu);
  EXPECT_FALSE(image.SetPalette(0, red, green, blue));
  EXPECT_FALSE(image.SetPalette(257, red, green, blue));
  EXPECT_FALSE(image.SetPalette(2, nullptr, green, blue));
}

TEST(DibBlank, SizesTablesAndModes) {
  CDibImage image;
  ASSERT_TRUE(image.CreateBlank(33, 4, 1, -1));
  EXPECT_EQ(image.RowSize(), 8u) << "33 one-bit pixels need two words";
  EXPECT_EQ(image.Headers().info.sizeImage, 32u);
  EXPECT_EQ(image.Headers().info.planes, 1);
  EXPECT_EQ(image.PaletteMode(), 0);
  EXPECT_EQ(image.ColourTable().size(), 2u);
  image.Bits()[31] = 0xFF;  // the whole last byte of the blank bits is writable

  ASSERT_TRUE(image.CreateBlank(3, 3, 8, 5));
  EXPECT_EQ(image.PaletteMode(), 5);
  ASSERT_EQ(image.ColourTable().size(), 256u);
  EXPECT_EQ(image.ColourTable()[1], 0x800000u);
  EXPECT_EQ(image.ColourTable()[15], 0xFFFFFFu);
  EXPECT_EQ(image.ColourTable()[16 + 12], 0x0000FFu) << "the 16 colours repeat";
  EXPECT_EQ(image.CreateDeviceBitmap()->At(2, 2), 0u);

  ASSERT_TRUE(image.CreateBlank(3, 3, 4, -1));
  EXPECT_EQ(image.ColourTable().size(), 16u);
  ASSERT_TRUE(image.CreateBlank(3, 3, 24, -1));
  EXPECT_EQ(image.PaletteMode(), 2);
  EXPECT_TRUE(image.ColourTable().empty());
  EXPECT_FALSE(image.Palette());

  EXPECT_FALSE(image.CreateBlank(0, 3, 8, -1));
  EXPECT_FALSE(image.CreateBlank(3, -3, 8, -1));
  EXPECT_FALSE(image.CreateBlank(3, 3, 7, -1));
  EXPECT_FALSE(image.CreateBlank(40000, 3, 8, -1));
  EXPECT_TRUE(image.IsEmpty()) << "a refused creation leaves nothing behind";
}

TEST(DibBlank, ContainsOnlyPointsInside) {
  CDibImage image;
  EXPECT_FALSE(image.Contains(0, 0));
  ASSERT_TRUE(image.CreateBlank(4, 2, 24, -1));
  EXPECT_TRUE(image.Contains(0, 0));
  EXPECT_TRUE(image.Contains(3, 1));
  EXPECT_FALSE(image.Contains(4, 1));
  EXPECT_FALSE(image.Contains(3, 2));
  EXPECT_FALSE(image.Contains(-1, 0));
}

TEST(DibStream, PixelOffsetGapsAndTrailingBytesAreHonoured) {
  BmpLayout layout;
  layout.width = 2;
  layout.pixelOffset = 300;
  auto stream = BuildBmp(layout, std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 0, 0});
  stream.insert(stream.end(), 1000, 0xEE);  // as behind the picture in a puzzle file
  const auto bitmap = Decode(stream);
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->At(0, 0), 0x030201u);
  EXPECT_EQ(bitmap->At(1, 0), 0x060504u);
}

TEST(DibStream, OffsetsCountFromWhereTheStreamStarts) {
  BmpLayout layout;
  const auto picture = BuildBmp(layout, std::vector<uint8_t>{9, 8, 7, 0});
  std::vector<uint8_t> stream(77, 0x42);
  stream.insert(stream.end(), picture.begin(), picture.end());
  DibMemorySource source(stream);
  ASSERT_TRUE(source.Seek(77));
  CDibImage image;
  ASSERT_TRUE(image.ReadFromFile(source));
  EXPECT_EQ(image.CreateDeviceBitmap()->At(0, 0), 0x070809u);
}

TEST(DibStream, CutPixelsAreRefusedAndLeaveNothing) {
  BmpLayout layout;
  layout.width = 3;
  layout.height = 2;
  const auto stream = BuildBmp(layout, std::vector<uint8_t>(24, 0x55));
  CDibImage image;
  ASSERT_TRUE(image.CreateBlank(2, 2, 8, -1));
  for (std::size_t cut = 1; cut <= 24; ++cut) {
    const std::vector<uint8_t> shorter(stream.begin(), stream.end() - cut);
    DibMemorySource source(shorter);
    EXPECT_FALSE(image.ReadFromFile(source)) << cut;
    EXPECT_TRUE(image.IsEmpty());
    EXPECT_FALSE(image.CreateDeviceBitmap());
  }
}

TEST(DibStream, HugeClaimsAreRefusedBeforeAllocating) {
  BmpLayout layout;
  layout.width = 8192;
  layout.height = 8192;  // 2^26 pixels: allowed, but the stream holds only a few bytes
  layout.bitCount = 32;
  const auto bitmap = Decode(BuildBmp(layout, std::vector<uint8_t>(16, 0)));
  EXPECT_FALSE(bitmap);
}

}  // namespace
