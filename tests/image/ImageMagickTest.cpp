// Differential tests: BMP and TGA files written by ImageMagick's convert, decoded by us and by
// convert itself; the pixels must agree exactly. Skipped where convert is not installed.
// convert keeps a bottom-left TGA's rows in file order and only notes the orientation, so its
// reference output is auto-oriented.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "ImgTestFiles.h"
#include "image/CImgLoader.h"
#include "image/CTgaWriter.h"

namespace {

namespace fs = std::filesystem;

struct ConvertCase {
  const char* name;
  const char* options;  // placed before the output file
  const char* output;   // output file name, with a format prefix where needed
  uint32_t width;
  uint32_t height;
};

// Widths with every row padding of BMP, run-length packets longer than a row, one pixel.
const ConvertCase kCases[] = {
    {"TgaRawBottomLeft", "", "out.tga", 37, 23},
    {"TgaRawTopLeft", "-orient TopLeft", "out.tga", 37, 23},
    {"TgaRunLengthBottomLeft", "-compress RLE", "out.tga", 150, 9},
    {"TgaRunLengthTopLeft", "-compress RLE -orient TopLeft", "out.tga", 150, 9},
    {"TgaAlpha", "-alpha set -channel A -evaluate set 50% +channel", "out.tga", 19, 6},
    {"TgaAlphaRunLength", "-alpha set -channel A -evaluate set 25% +channel -compress RLE",
     "out.tga", 19, 6},
    {"TgaWithIdField", "-set comment pavlemir-test", "out.tga", 5, 4},
    {"TgaOnePixel", "-type TrueColor", "out.tga", 1, 1},
    {"BmpInfoHeader", "", "BMP3:out.bmp", 37, 23},
    {"BmpInfoHeaderWidth2", "", "BMP3:out.bmp", 2, 3},
    {"BmpCoreHeader", "", "BMP2:out.bmp", 3, 5},
    {"BmpLongHeader", "", "out.bmp", 38, 7},
    {"BmpLongHeaderWidth1", "", "out.bmp", 1, 4},
};

// Whether the convert on the path is ImageMagick's.
bool HaveConvert(const fs::path& dir) {
  const fs::path version = dir / "version.txt";
  const std::string command = "convert -version > '" + version.string() + "' 2>&1";
  if (std::system(command.c_str()) != 0) return false;
  std::ifstream in(version);
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return text.find("ImageMagick") != std::string::npos;
}

void WritePpm(const fs::path& path, const TestPicture& picture) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << picture.width << ' ' << picture.height << "\n255\n";
  for (uint32_t p : picture.pixels) {
    out.put(static_cast<char>(p >> 16)).put(static_cast<char>(p >> 8)).put(static_cast<char>(p));
  }
}

// The next header number of a PPM, past white space and comment lines.
uint32_t PpmNumber(std::istream& in) {
  while (in >> std::ws && in.peek() == '#') in.ignore(1 << 20, '\n');
  uint32_t value = 0;
  in >> value;
  return value;
}

// Pixels of a binary 8-bit PPM as 0x00RRGGBB; empty when the file is not one.
TestPicture ReadPpm(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic(2, ' ');
  in.read(magic.data(), 2);
  TestPicture picture;
  picture.width = PpmNumber(in);
  picture.height = PpmNumber(in);
  const uint32_t maxval = PpmNumber(in);
  in.get();
  if (magic != "P6" || maxval != 255 || !in) return {};
  picture.pixels.resize(std::size_t{picture.width} * picture.height);
  for (uint32_t& p : picture.pixels) {
    char rgb[3];
    if (!in.read(rgb, 3)) return {};
    p = static_cast<uint32_t>(static_cast<uint8_t>(rgb[0])) << 16 |
        static_cast<uint32_t>(static_cast<uint8_t>(rgb[1])) << 8 | static_cast<uint8_t>(rgb[2]);
  }
  return picture;
}

int Shell(const std::string& command) {
  return std::system((command + " 2>&1").c_str());
}

// A scratch folder named after the running test; the test is skipped without convert.
template <class Base>
class ConvertTest : public Base {
 protected:
  void SetUp() override {
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("pavlemir-im-") + info->test_suite_name() + "-" + info->name();
    for (char& ch : name) {
      if (ch == '/') ch = '-';
    }
    dir_ = fs::temp_directory_path() / name;
    fs::create_directories(dir_);
    if (!HaveConvert(dir_)) GTEST_SKIP() << "ImageMagick's convert is not installed";
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Quoted(const std::string& name) const { return "'" + (dir_ / name).string() + "'"; }

  fs::path dir_;
};

class ImageMagick : public ConvertTest<testing::TestWithParam<ConvertCase>> {};
using ImageMagickReads = ConvertTest<testing::Test>;

TEST_P(ImageMagick, OurDecodeMatchesConvertsOwn) {
  const ConvertCase& c = GetParam();
  WritePpm(dir_ / "source.ppm", MakeTestPicture(c.width, c.height, c.width * 31 + c.height));
  const std::string output = c.output;
  const std::size_t colon = output.find(':');
  const std::string prefix = colon == std::string::npos ? "" : output.substr(0, colon + 1);
  const std::string file = output.substr(colon == std::string::npos ? 0 : colon + 1);
  ASSERT_EQ(
      Shell("convert " + Quoted("source.ppm") + " " + c.options + " " + prefix + Quoted(file)), 0);
  ASSERT_EQ(Shell("convert " + Quoted(file) + " -auto-orient -depth 8 " + Quoted("reference.ppm")),
            0);
  const TestPicture reference = ReadPpm(dir_ / "reference.ppm");
  ASSERT_EQ(reference.width, c.width);

  CImg image;
  ASSERT_EQ(image.LoadFile((dir_ / file).c_str()), IMG_OK);
  ASSERT_EQ(CImgLoader(&image).Decode(), IMG_OK);
  EXPECT_EQ(image.m_width, reference.width);
  EXPECT_EQ(image.m_height, reference.height);
  EXPECT_EQ(DecodedPixels(image), reference.pixels);
}

INSTANTIATE_TEST_SUITE_P(Variants, ImageMagick, testing::ValuesIn(kCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(ImageMagickReads, WhatSaveTgaWrites) {
  for (const auto& [width, height] : {std::pair<uint32_t, uint32_t>{1, 1}, {33, 17}}) {
    const TestPicture picture = MakeTestPicture(width, height, height);
    std::vector<uint32_t> pixels = picture.pixels;
    CImg image;
    image.BorrowPixels(pixels.data(), width, height, static_cast<int32_t>(width));
    ASSERT_EQ(CTgaWriter(&image).SaveTga((dir_ / "ours.tga").c_str()), IMG_OK);
    ASSERT_EQ(Shell("convert " + Quoted("ours.tga") + " -auto-orient -alpha off -depth 8 " +
                    Quoted("ours.ppm")),
              0);
    const TestPicture read = ReadPpm(dir_ / "ours.ppm");
    EXPECT_EQ(read.width, width);
    EXPECT_EQ(read.height, height);
    EXPECT_EQ(read.pixels, picture.pixels);
  }
}

}  // namespace
