// Damaged BMP, TGA and ILBM files: every truncation and every single-bit flip of small valid
// files decodes to a result code without touching memory outside the buffers.
#include <gtest/gtest.h>

#include <set>

#include "ImgTestFiles.h"

namespace {

struct DamageCase {
  const char* name;
  uint8_t type;
  std::vector<uint8_t> (*make)();
};

const DamageCase kCases[] = {
    {"BmpCore", IMG_TYPE_BMP, [] { return MakeBmp(MakeTestPicture(3, 3, 1), {.headerSize = 12}); }},
    {"BmpInfo", IMG_TYPE_BMP, [] { return MakeBmp(MakeTestPicture(5, 2, 2)); }},
    {"BmpTopDown", IMG_TYPE_BMP,
     [] { return MakeBmp(MakeTestPicture(2, 3, 3), {.topDown = true}); }},
    {"TgaRaw16", IMG_TYPE_TGA, [] { return MakeTga(MakeTestPicture(4, 3, 4), {.depth = 16}); }},
    {"TgaRunLength24", IMG_TYPE_TGA,
     [] { return MakeTga(MakeTestPicture(9, 4, 5), {.runLength = true, .idLength = 2}); }},
    {"TgaRunLength32", IMG_TYPE_TGA,
     [] {
       return MakeTga(MakeTestPicture(5, 3, 6), {.depth = 32, .runLength = true, .topLeft = true});
     }},
    {"IlbmRaw", IMG_TYPE_IFF, [] { return MakeIlbm(MakeTestPicture(5, 2, 7)); }},
    {"IlbmByteRun1", IMG_TYPE_IFF,
     [] { return MakeIlbm(MakeTestPicture(17, 2, 8), {.compressed = true, .masked = true}); }},
};

// What a decoder may answer for damaged data; a success must describe a sound picture.
void ExpectSoundResult(const CImg& image, int result, const std::string& what) {
  static const std::set<int> kAllowed = {IMG_OK, IMG_INCORRECT_FORMAT, IMG_UNKNOWN_VARIANT,
                                         IMG_UNSUPPORTED_BPP, IMG_OUT_OF_RANGE};
  EXPECT_TRUE(kAllowed.count(result)) << what << " answered " << result;
  if (result == IMG_OK) {
    EXPECT_EQ(CheckImgSize(image.m_width, image.m_height), IMG_OK) << what;
    EXPECT_EQ(image.m_pitch, static_cast<int32_t>(image.m_width)) << what;
    EXPECT_NE(image.m_pixels, nullptr) << what;
  }
}

class DamagedFiles : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedFiles, EveryTruncation) {
  const std::vector<uint8_t> file = GetParam().make();
  CImg whole;
  ASSERT_EQ(DecodeBytes(whole, GetParam().type, file), IMG_OK);
  for (std::size_t size = 0; size < file.size(); ++size) {
    CImg image;
    const int result =
        DecodeBytes(image, GetParam().type, {file.begin(), file.begin() + static_cast<long>(size)});
    ExpectSoundResult(image, result, "size " + std::to_string(size));
  }
}

TEST_P(DamagedFiles, EverySingleBitFlip) {
  const std::vector<uint8_t> file = GetParam().make();
  for (std::size_t bit = 0; bit < file.size() * 8; ++bit) {
    std::vector<uint8_t> damaged = file;
    damaged[bit / 8] = static_cast<uint8_t>(damaged[bit / 8] ^ (1u << (bit % 8)));
    CImg image;
    ExpectSoundResult(image, DecodeBytes(image, GetParam().type, damaged),
                      "bit " + std::to_string(bit));
  }
}

INSTANTIATE_TEST_SUITE_P(SmallFiles, DamagedFiles, testing::ValuesIn(kCases),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
