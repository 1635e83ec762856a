// Damaged JPEG files: every one answers 2, prints nothing, leaks nothing (LSan checks at exit),
// touches no byte outside its buffer (ASan) and leaves the image as it was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "JpegTestStream.h"
#include "JpegTestSupport.h"
#include "image/CImgLoader.h"

namespace {

struct Variant {
  const char* name;
  bool progressive;
  bool greyscale;
};

void PrintTo(const Variant& v, std::ostream* out) {
  *out << v.name;
}

std::vector<uint8_t> SmallFile(const Variant& variant) {
  JpegWriteSettings settings;
  settings.progressive = variant.progressive;
  settings.greyscale = variant.greyscale;
  return EncodeWithWriter(MakeTestPicture(16, 8, 9), settings);
}

// A picture decoded earlier; a failed decode must leave it in place.
void ExpectUntouched(const CImg& image, const std::vector<uint32_t>& before) {
  EXPECT_EQ(image.m_width, 5u);
  EXPECT_EQ(image.m_height, 3u);
  EXPECT_EQ(DecodedPixels(image), before);
}

class JpegDamage : public testing::TestWithParam<Variant> {};

TEST_P(JpegDamage, EveryTruncationAnswersTwoAndKeepsThePicture) {
  const std::vector<uint8_t> file = SmallFile(GetParam());
  ASSERT_GT(file.size(), 100u);
  CImg image;
  ASSERT_EQ(DecodeJpegBytes(image, EncodeWithWriter(MakeTestPicture(5, 3, 1))), IMG_OK);
  const std::vector<uint32_t> before = DecodedPixels(image);
  for (std::size_t size = 0; size < file.size(); ++size) {
    const std::vector<uint8_t> prefix(file.begin(), file.begin() + static_cast<long>(size));
    ASSERT_EQ(DecodeJpegBytes(image, prefix), IMG_INCORRECT_FORMAT) << size << " bytes";
    ExpectUntouched(image, before);
  }
  EXPECT_EQ(DecodeJpegBytes(image, file), IMG_OK);
}

// Offsets of the 0xFF that starts each marker segment before the scan data.
std::vector<std::size_t> HeaderMarkers(const std::vector<uint8_t>& file) {
  std::vector<std::size_t> markers = {0};
  std::size_t at = 2;
  while (at + 4 <= file.size() && file[at] == 0xFF) {
    markers.push_back(at);
    if (file[at + 1] == 0xDA) break;
    at += 2 + (std::size_t{file[at + 2]} << 8 | file[at + 3]);
  }
  return markers;
}

TEST_P(JpegDamage, ABrokenMarkerAnswersTwo) {
  const std::vector<uint8_t> file = SmallFile(GetParam());
  const std::vector<std::size_t> markers = HeaderMarkers(file);
  ASSERT_GE(markers.size(), 5u);  // start of image, tables, frame, scan
  CImg image;
  for (const std::size_t at : markers) {
    for (int bit = 0; bit < 8; ++bit) {
      std::vector<uint8_t> damaged = file;
      damaged[at] ^= static_cast<uint8_t>(1 << bit);
      EXPECT_EQ(DecodeJpegBytes(image, damaged), IMG_INCORRECT_FORMAT) << at << " bit " << bit;
      EXPECT_EQ(image.m_pixels, nullptr);
    }
  }
}

// Any single flipped bit: the file may still decode (the scan data has no check sums), but
// never to a wrong size or with stray bits, and some flips must be caught.
TEST_P(JpegDamage, EveryFlippedBitIsSurvived) {
  const std::vector<uint8_t> file = SmallFile(GetParam());
  int refused = 0;
  for (std::size_t at = 0; at < file.size(); ++at) {
    for (int bit = 0; bit < 8; ++bit) {
      std::vector<uint8_t> damaged = file;
      damaged[at] ^= static_cast<uint8_t>(1 << bit);
      CImg image;
      const int answer = DecodeJpegBytes(image, damaged);
      if (answer != IMG_OK) {
        ASSERT_TRUE(answer == IMG_INCORRECT_FORMAT || answer == IMG_OUT_OF_RANGE)
            << at << " bit " << bit << ": " << answer;
        ASSERT_EQ(image.m_pixels, nullptr);
        ++refused;
        continue;
      }
      ASSERT_EQ(image.m_pitch, static_cast<int32_t>(image.m_width));
      for (const uint32_t pixel : DecodedPixels(image)) ASSERT_EQ(pixel >> 24, 0u);
    }
  }
  EXPECT_GT(refused, 0);
}

TEST_P(JpegDamage, NothingIsPrinted) {
  const std::vector<uint8_t> file = SmallFile(GetParam());
  std::vector<uint8_t> damaged = file;
  damaged[HeaderMarkers(file)[2]] = 0;
  CImg image;
  testing::internal::CaptureStderr();
  DecodeJpegBytes(image, std::vector<uint8_t>(file.begin(), file.end() - 40));
  DecodeJpegBytes(image, damaged);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

INSTANTIATE_TEST_SUITE_P(Files, JpegDamage,
                         testing::Values(Variant{"baseline", false, false},
                                         Variant{"progressive", true, false},
                                         Variant{"greyscale", false, true}),
                         [](const testing::TestParamInfo<Variant>& p) { return p.param.name; });

TEST(JpegRefused, DataThatIsNoPictureAnswersTwo) {
  CImg image;
  EXPECT_EQ(DecodeJpegBytes(image, {}), IMG_INCORRECT_FORMAT);
  image.AttachData(nullptr, 0);
  EXPECT_EQ(CImgLoader(&image).Decode(), IMG_INCORRECT_FORMAT);
  const std::string text = "not a picture at all";
  EXPECT_EQ(DecodeJpegBytes(image, std::vector<uint8_t>(text.begin(), text.end())),
            IMG_INCORRECT_FORMAT);
  // Only tables: start of image, quantisation table, end of image.
  std::vector<uint8_t> tables = {0xFF, 0xD8, 0xFF, 0xDB, 0, 67, 0};
  tables.resize(tables.size() + 64, 1);
  tables.insert(tables.end(), {0xFF, 0xD9});
  EXPECT_EQ(DecodeJpegBytes(image, tables), IMG_INCORRECT_FORMAT);
  EXPECT_EQ(image.m_pixels, nullptr);
}

TEST(JpegRefused, UnsupportedKindsAnswerTwo) {
  FlatBlockJpeg twoComponents;
  twoComponents.components = 2;
  FlatBlockJpeg twelveBits;
  twelveBits.precision = 12;
  std::vector<uint8_t> lossless = MakeFlatBlockJpeg(FlatBlockJpeg{});
  const std::size_t frame = HeaderMarkers(lossless).at(4);
  ASSERT_EQ(lossless[frame + 1], 0xC0);
  lossless[frame + 1] = 0xC3;
  CImg image;
  EXPECT_EQ(DecodeJpegBytes(image, MakeFlatBlockJpeg(twoComponents)), IMG_INCORRECT_FORMAT);
  EXPECT_EQ(DecodeJpegBytes(image, MakeFlatBlockJpeg(twelveBits)), IMG_INCORRECT_FORMAT);
  EXPECT_EQ(DecodeJpegBytes(image, lossless), IMG_INCORRECT_FORMAT);
  EXPECT_EQ(DecodeJpegBytes(image, MakeFlatBlockJpeg(FlatBlockJpeg{})), IMG_OK);
}

}  // namespace
