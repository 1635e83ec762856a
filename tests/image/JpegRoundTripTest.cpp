// SaveJpeg and decoding again: sizes, colours, settings, the answers and file handling.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "JpegTestSupport.h"
#include "image/CImgLoader.h"
#include "image/CJpegWriter.h"

namespace {

namespace fs = std::filesystem;

int ChannelDistance(uint32_t a, uint32_t b) {
  int largest = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int difference =
        static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
    largest = std::max(largest, std::abs(difference));
  }
  return largest;
}

// Saves `image` and loads the file back through LoadFile and CImgLoader.
int SaveAndLoad(CImg& image, CImg& loaded, int dctMethod, int quality, int optimize) {
  const std::string path = JpegTempPath("round-trip.jpg");
  const int saved = CJpegWriter(&image).SaveJpeg(path.c_str(), dctMethod, quality, optimize);
  if (saved != IMG_OK) return saved;
  const int read = loaded.LoadFile(path.c_str());
  std::remove(path.c_str());
  return read != IMG_OK ? read : CImgLoader(&loaded).Decode();
}

class JpegRoundTrip : public testing::TestWithParam<int> {};

TEST_P(JpegRoundTrip, DecodesCloseToTheSavedPicture) {
  const TestPicture picture = MakeSmoothPicture(64, 48);
  CImg image, loaded;
  PutPicture(image, picture);
  ASSERT_EQ(SaveAndLoad(image, loaded, GetParam(), 95, 0), IMG_OK);
  ASSERT_EQ(loaded.m_width, 64u);
  ASSERT_EQ(loaded.m_height, 48u);
  EXPECT_EQ(loaded.m_pitch, 64);
  EXPECT_EQ(loaded.m_format.formatId, kImgFormat32);
  const std::vector<uint32_t> decoded = DecodedPixels(loaded);
  // Chroma subsampling blurs the blue edge, so single pixels there may be well off; swapped or
  // shifted channels would be off everywhere.
  long total = 0;
  int largest = 0;
  for (std::size_t i = 0; i < decoded.size(); ++i) {
    EXPECT_EQ(decoded[i] >> 24, 0u) << "pixel " << i;
    const int distance = ChannelDistance(decoded[i], picture.pixels[i]);
    largest = std::max(largest, distance);
    total += distance;
  }
  EXPECT_LT(largest, 128);
  EXPECT_LT(static_cast<double>(total) / static_cast<double>(decoded.size()), 6.0);
}

INSTANTIATE_TEST_SUITE_P(DctMethods, JpegRoundTrip, testing::Values(0, 1, 2));

TEST(JpegRoundTripShapes, ThreeByTwoPictureKeepsItsShape) {
  CImg image, loaded;
  PutPicture(image, MakeSmoothPicture(3, 2));
  ASSERT_EQ(SaveAndLoad(image, loaded, 0, 90, 0), IMG_OK);
  EXPECT_EQ(loaded.m_width, 3u);
  EXPECT_EQ(loaded.m_height, 2u);
  EXPECT_EQ(loaded.m_pitch, 3);
  for (const uint32_t pixel : DecodedPixels(loaded)) EXPECT_EQ(pixel >> 24, 0u);
}

TEST(JpegRoundTripShapes, PitchWiderThanThePictureIsHonoured) {
  const TestPicture picture = MakeSmoothPicture(6, 5);
  std::vector<uint32_t> padded(10 * 5, 0x00FF00FFu);
  for (uint32_t y = 0; y < 5; ++y)
    std::copy_n(picture.pixels.begin() + y * 6, 6, padded.begin() + y * 10);
  CImg packed, borrowed, fromPacked, fromBorrowed;
  PutPicture(packed, picture);
  borrowed.BorrowPixels(padded.data(), 6, 5, 10);
  ASSERT_EQ(SaveAndLoad(packed, fromPacked, 0, 90, 0), IMG_OK);
  ASSERT_EQ(SaveAndLoad(borrowed, fromBorrowed, 0, 90, 0), IMG_OK);
  EXPECT_EQ(fromBorrowed.m_width, 6u);
  EXPECT_EQ(DecodedPixels(fromBorrowed), DecodedPixels(fromPacked));
}

std::vector<uint8_t> SavedBytes(CImg& image, int quality, int optimize) {
  const std::string path = JpegTempPath("saved.jpg");
  EXPECT_EQ(CJpegWriter(&image).SaveJpeg(path.c_str(), 0, quality, optimize), IMG_OK);
  std::vector<uint8_t> bytes = ReadFileBytes(path);
  std::remove(path.c_str());
  return bytes;
}

TEST(JpegSaveSettings, LowerQualityMakesASmallerFile) {
  CImg image;
  PutPicture(image, MakeTestPicture(64, 64, 5));
  EXPECT_LT(SavedBytes(image, 10, 0).size(), SavedBytes(image, 95, 0).size());
}

TEST(JpegSaveSettings, OptimizingShrinksTheFileButNotThePicture) {
  CImg image, plain, optimized;
  PutPicture(image, MakeTestPicture(64, 64, 6));
  const std::vector<uint8_t> plainBytes = SavedBytes(image, 80, 0);
  const std::vector<uint8_t> optimizedBytes = SavedBytes(image, 80, 1);
  EXPECT_LT(optimizedBytes.size(), plainBytes.size());
  ASSERT_EQ(DecodeJpegBytes(plain, plainBytes), IMG_OK);
  ASSERT_EQ(DecodeJpegBytes(optimized, optimizedBytes), IMG_OK);
  EXPECT_EQ(DecodedPixels(optimized), DecodedPixels(plain));
}

TEST(JpegSaveSettings, QualityMustLieBetweenOneAndHundred) {
  CImg image;
  PutPicture(image, MakeSmoothPicture(8, 8));
  const std::string path = JpegTempPath("quality.jpg");
  for (const int quality : {-5, 0, 101, 200, 356}) {
    EXPECT_EQ(CJpegWriter(&image).SaveJpeg(path.c_str(), 0, quality, 0), IMG_OUT_OF_RANGE)
        << quality;
    EXPECT_FALSE(fs::exists(path)) << quality;
    EXPECT_FALSE(fs::exists(path + ".tmp")) << quality;
  }
  for (const int quality : {1, 100}) {
    CImg loaded;
    EXPECT_EQ(SaveAndLoad(image, loaded, 0, quality, 0), IMG_OK) << quality;
  }
}

TEST(JpegSaveAnswers, RefusesWhatItCannotSave) {
  const std::string path = JpegTempPath("answers.jpg");
  EXPECT_EQ(CJpegWriter().SaveJpeg(path.c_str(), 0, 75, 0), IMG_NO_INSTANCE);
  CImg empty;
  EXPECT_EQ(CJpegWriter(&empty).SaveJpeg(path.c_str(), 0, 75, 0), IMG_UNSUPPORTED_BPP);
  CImg image;
  PutPicture(image, MakeSmoothPicture(8, 8));
  EXPECT_EQ(CJpegWriter(&image).SaveJpeg(nullptr, 0, 75, 0), IMG_NULL_POINTER);
  std::vector<uint32_t> pixels(64);
  CImg narrow;
  narrow.BorrowPixels(pixels.data(), 8, 8, 7);
  EXPECT_EQ(CJpegWriter(&narrow).SaveJpeg(path.c_str(), 0, 75, 0), IMG_OUT_OF_RANGE);
  CImg none;
  none.BorrowPixels(nullptr, 8, 8, 8);
  EXPECT_EQ(CJpegWriter(&none).SaveJpeg(path.c_str(), 0, 75, 0), IMG_NO_BUFFER);
  EXPECT_FALSE(fs::exists(path));
}

TEST(JpegSaveFiles, AFailedSaveKeepsTheOldFile) {
  CImg image;
  PutPicture(image, MakeSmoothPicture(8, 8));
  const std::string path = JpegTempPath("kept.jpg");
  WriteFileBytes(path, {1, 2, 3});
  fs::create_directory(path + ".tmp");  // the file beside cannot be created
  EXPECT_EQ(CJpegWriter(&image).SaveJpeg(path.c_str(), 0, 75, 0), IMG_UNDEFINED_ERROR);
  EXPECT_EQ(ReadFileBytes(path), (std::vector<uint8_t>{1, 2, 3}));
  fs::remove(path + ".tmp");
  fs::remove(path);
  EXPECT_EQ(CJpegWriter(&image).SaveJpeg((path + "-missing/x.jpg").c_str(), 0, 75, 0),
            IMG_UNDEFINED_ERROR);
}

TEST(JpegSaveFiles, ASaveReplacesTheOldFileAndLeavesNothingBeside) {
  CImg image, loaded;
  PutPicture(image, MakeSmoothPicture(8, 8));
  const std::string path = JpegTempPath("replaced.jpg");
  WriteFileBytes(path, {1, 2, 3});
  ASSERT_EQ(CJpegWriter(&image).SaveJpeg(path.c_str(), 0, 75, 0), IMG_OK);
  EXPECT_FALSE(fs::exists(path + ".tmp"));
  EXPECT_EQ(loaded.LoadFile(path.c_str()), IMG_OK);
  EXPECT_EQ(CImgLoader(&loaded).Decode(), IMG_OK);
  EXPECT_EQ(loaded.m_width, 8u);
  fs::remove(path);
}

}  // namespace
