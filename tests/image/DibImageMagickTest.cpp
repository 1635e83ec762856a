// Differential tests of the device-bitmap reader against ImageMagick: BMP files that
// ImageMagick writes, and files we build for every variant, must decode to exactly the pixels
// ImageMagick reads from them. Skipped where ImageMagick's convert is not installed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "image/PictureFile.h"
#include "support/BmpFileBuilder.h"

namespace {

namespace fs = std::filesystem;

bool HaveImageMagick() {
  std::FILE* pipe = popen("convert -version 2>&1", "r");
  if (!pipe) return false;
  std::string text;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe)) text += buffer;
  pclose(pipe);
  return text.find("Version: ImageMagick") != std::string::npos;
}

bool RunQuietly(const std::string& command) {
  return std::system((command + " 2>/dev/null").c_str()) == 0;
}

std::vector<uint8_t> ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// A binary PPM with 8-bit channels, as `convert ... -depth 8 FILE.ppm` writes it.
struct Ppm {
  uint32_t width = 0;
  uint32_t height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB
};

bool ParsePpm(const std::vector<uint8_t>& bytes, Ppm& ppm) {
  const std::string text(bytes.begin(), bytes.begin() + std::min<std::size_t>(bytes.size(), 64));
  unsigned width = 0;
  unsigned height = 0;
  unsigned maxValue = 0;
  int headerLength = 0;
  if (std::sscanf(text.c_str(), "P6 %u %u %u%n", &width, &height, &maxValue, &headerLength) != 3 ||
      maxValue != 255) {
    return false;
  }
  const std::size_t start = static_cast<std::size_t>(headerLength) + 1;
  if (bytes.size() != start + std::size_t{width} * height * 3) return false;
  ppm.width = width;
  ppm.height = height;
  ppm.pixels.resize(std::size_t{width} * height);
  for (std::size_t i = 0; i < ppm.pixels.size(); ++i) {
    const uint8_t* p = bytes.data() + start + 3 * i;
    ppm.pixels[i] = uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
  }
  return true;
}

class DibImageMagick : public testing::Test {
 protected:
  void SetUp() override {
    if (!HaveImageMagick()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() /
           ("pavlemir-dib-" + std::to_string(getpid()) + "-" + test->name());
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code error;
    if (!dir_.empty()) fs::remove_all(dir_, error);
  }

  // A 13 x 9 picture with many colours, written as PPM for convert to start from.
  fs::path SourcePicture() {
    std::vector<uint8_t> bytes;
    const std::string header = "P6\n13 9\n255\n";
    bytes.assign(header.begin(), header.end());
    for (int y = 0; y < 9; ++y) {
      for (int x = 0; x < 13; ++x) {
        bytes.push_back(static_cast<uint8_t>(x * 19 + y * 3));
        bytes.push_back(static_cast<uint8_t>(y * 28 + (x % 3) * 5));
        bytes.push_back(static_cast<uint8_t>(255 - x * 11 - y * 7));
      }
    }
    const fs::path path = dir_ / "source.ppm";
    WriteAll(path, bytes);
    return path;
  }

  // Decodes `bmp` with our reader and with convert (reading it as `format`, "BMP" or the
  // header-less "DIB") and compares every pixel.
  void ExpectSamePixels(const fs::path& bmp, const std::string& format, const std::string& what) {
    const fs::path ppmPath = dir_ / "magick.ppm";
    ASSERT_TRUE(RunQuietly("convert " + format + ":'" + bmp.string() + "' -depth 8 '" +
                           ppmPath.string() + "'"))
        << what;
    Ppm reference;
    ASSERT_TRUE(ParsePpm(ReadAll(ppmPath), reference)) << what;

    std::FILE* file = std::fopen(bmp.c_str(), "rb");
    ASSERT_TRUE(file) << what;
    CPictureFile picture;
    const bool loaded = picture.Load(file, PICTURE_BMP);
    std::fclose(file);
    ASSERT_TRUE(loaded) << what;
    const auto bitmap = picture.CreateBitmap();
    ASSERT_TRUE(bitmap) << what;
    ASSERT_EQ(bitmap->width, reference.width) << what;
    ASSERT_EQ(bitmap->height, reference.height) << what;
    for (std::size_t i = 0; i < reference.pixels.size(); ++i) {
      ASSERT_EQ(bitmap->pixels[i], reference.pixels[i])
          << what << ": pixel " << i % reference.width << "," << i / reference.width;
    }
  }

  fs::path dir_;
};

TEST_F(DibImageMagick, FilesImageMagickWrites) {
  const fs::path source = SourcePicture();
  struct Variant {
    const char* name;
    const char* options;
    const char* format;
  };
  const Variant variants[] = {
      {"24-bit, 40-byte header", "-type truecolor", "BMP3"},
      {"24-bit, 124-byte header", "-type truecolor", "BMP"},
      {"24-bit, core header", "-type truecolor", "BMP2"},
      {"8-bit", "-type palette -compress none", "BMP3"},
      {"8-bit, run-length coded", "-type palette", "BMP3"},
      {"8-bit, core header", "-type palette", "BMP2"},
      {"8-bit, 124-byte header, run-length coded", "-type palette", "BMP"},
      {"4-bit", "-colors 16 -type palette", "BMP3"},
      {"4-bit, core header", "-colors 12 -type palette", "BMP2"},
      {"1-bit", "-type bilevel", "BMP3"},
      {"1-bit, 108-byte header", "-type bilevel", "BMP"},
      {"16-bit 5-6-5 bit fields", "-type truecolor -define bmp:subtype=RGB565", "BMP"},
      {"16-bit 5-5-5 bit fields", "-type truecolor -define bmp:subtype=RGB555", "BMP"},
      {"32-bit bit fields", "-type truecoloralpha", "BMP"},
  };
  for (const Variant& v : variants) {
    const fs::path bmp = dir_ / "magick.bmp";
    ASSERT_TRUE(RunQuietly("convert '" + source.string() + "' " + v.options + " " + v.format +
                           ":'" + bmp.string() + "'"))
        << v.name;
    ExpectSamePixels(bmp, "BMP", v.name);
  }
  // ImageMagick's DIB format is a BMP stream without the 14-byte file header.
  // ImageMagick cannot read back its own run-length coded DIB files.
  for (const char* options : {"-type truecolor", "-type palette -compress none",
                              "-colors 16 -type palette -compress none"}) {
    const fs::path dib = dir_ / "magick.dib";
    ASSERT_TRUE(
        RunQuietly("convert '" + source.string() + "' " + options + " DIB:'" + dib.string() + "'"));
    ExpectSamePixels(dib, "DIB", std::string("no file header, ") + options);
  }
}

struct BuiltVariant {
  const char* name;
  int bitCount;
  uint32_t headerSize;
  std::vector<uint32_t> masks;
  bool fileHeader;
  bool topDown;
};

TEST_F(DibImageMagick, FilesWeBuild) {
  // Channels of 5, 6 and 8 bits: ImageMagick widens other widths differently. Its reader of
  // header-less streams knows neither core headers nor masks other than 5-6-5, so those are
  // compared with a file header only.
  const BuiltVariant variants[] = {
      {"1-bit", 1, 40, {}, true, false},
      {"1-bit top-down", 1, 40, {}, true, true},
      {"4-bit core", 4, 12, {}, true, false},
      {"4-bit no file header", 4, 40, {}, false, false},
      {"8-bit top-down", 8, 40, {}, true, true},
      {"8-bit 124-byte header", 8, 124, {}, true, false},
      {"16-bit 5-5-5", 16, 40, {}, true, false},
      {"16-bit 5-6-5 fields", 16, 40, {0xF800, 0x07E0, 0x001F}, true, false},
      {"16-bit 5-6-5 fields top-down", 16, 108, {0xF800, 0x07E0, 0x001F}, true, true},
      {"16-bit 5-6-5 fields no file header", 16, 40, {0xF800, 0x07E0, 0x001F}, false, false},
      {"24-bit", 24, 40, {}, true, false},
      {"24-bit top-down", 24, 124, {}, true, true},
      {"24-bit core", 24, 12, {}, true, false},
      {"32-bit", 32, 40, {}, true, false},
      {"32-bit top-down no file header", 32, 40, {}, false, true},
      {"32-bit fields, blue high", 32, 40, {0x000000FF, 0x0000FF00, 0x00FF0000}, true, false},
      {"32-bit fields 124-byte header", 32, 124, {0xFF000000, 0x00FF0000, 0x0000FF00}, true, false},
  };
  constexpr int kWidth = 11;
  constexpr int kHeight = 6;
  for (const BuiltVariant& v : variants) {
    BmpLayout layout;
    layout.width = kWidth;
    layout.height = v.topDown ? -kHeight : kHeight;
    layout.bitCount = static_cast<uint16_t>(v.bitCount);
    layout.headerSize = v.headerSize;
    layout.fileHeader = v.fileHeader;
    layout.masks = v.masks;
    if (!v.masks.empty()) layout.compression = 3;
    if (v.bitCount <= 8) {
      for (uint32_t i = 0; i < (1u << v.bitCount); ++i) {
        layout.colourTable.push_back((i * 0x2F4B7Du + 0x0A0B0C) & 0xFFFFFF);
      }
    }
    std::vector<uint32_t> values(kWidth * kHeight);
    const uint32_t range = v.bitCount <= 8 ? 1u << v.bitCount : 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
      const uint32_t word = static_cast<uint32_t>((i + 1) * 0x9E3779B9u);
      values[i] = range ? word % range : word;
    }
    const fs::path path = dir_ / (v.fileHeader ? "built.bmp" : "built.dib");
    WriteAll(path, BuildBmp(layout, PackBmpRows(v.bitCount, kWidth, kHeight, values, v.topDown)));
    ExpectSamePixels(path, v.fileHeader ? "BMP" : "DIB", v.name);
  }
}

TEST_F(DibImageMagick, RunLengthFilesWeBuild) {
  struct Coded {
    const char* name;
    int bitCount;
    int width;
    int height;
    std::vector<uint8_t> code;
  };
  const Coded files[] = {
      {"RLE8", 8, 6, 4, {0x03, 0x01, 0x00, 0x03, 0x02, 0x03, 0x04, 0x00, 0x00, 0x00,  // row 0
                         0x02, 0x05, 0x00, 0x02, 0x02, 0x01,  // row 1, then a move up and right
                         0x02, 0x06, 0x00, 0x00,              // the rest of row 2
                         0x06, 0x07, 0x00, 0x01}},
      {"RLE4", 4, 7, 3, {0x07, 0x12, 0x00, 0x00,                                      // row 0
                         0x00, 0x05, 0x34, 0x56, 0x70, 0x00, 0x02, 0x89, 0x00, 0x00,  // row 1
                         0x00, 0x02, 0x03, 0x00, 0x04, 0xAB, 0x00, 0x01}},
  };
  for (const Coded& file : files) {
    BmpLayout layout;
    layout.width = file.width;
    layout.height = file.height;
    layout.bitCount = static_cast<uint16_t>(file.bitCount);
    layout.compression = file.bitCount == 8 ? 1 : 2;
    for (uint32_t i = 0; i < (1u << file.bitCount); ++i) {
      layout.colourTable.push_back((i * 0x1F3D5Bu + 0x203040) & 0xFFFFFF);
    }
    const fs::path path = dir_ / "coded.bmp";
    WriteAll(path, BuildBmp(layout, file.code));
    ExpectSamePixels(path, "BMP", file.name);
  }
}

}  // namespace
