// Tests of LoadPictureSurface in every display format: BMP and JPEG pictures, the extensions that
// choose the decoder, surface memory, and files that cannot become a surface.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "image/CImg.h"
#include "image/CJpegWriter.h"
#include "puzzle/PictureLoad.h"
#include "support/BmpFileBuilder.h"
#include "support/SurfacePixels.h"

namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 32;
constexpr int kHeight = 16;

// The test picture: a reddish left half and a bluish right half, each one JPEG block pair wide.
uint32_t PictureColour(int x, int /*y*/) {
  return x < kWidth / 2 ? 0xD04020 : 0x2050C0;
}

void WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> PictureBmp() {
  BmpLayout layout;
  layout.width = kWidth;
  layout.height = kHeight;
  std::vector<uint32_t> pixels;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) pixels.push_back(PictureColour(x, y));
  }
  return BuildBmp(layout, PackBmpRows(24, kWidth, kHeight, pixels));
}

bool WritePictureJpeg(const fs::path& path) {
  CImg image;
  uint32_t* pixels = image.AllocatePixels(kWidth, kHeight);
  if (!pixels) return false;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) pixels[y * kWidth + x] = PictureColour(x, y);
  }
  return CJpegWriter(&image).SaveJpeg(path.c_str(), 0, 100, 0) == IMG_OK;
}

class PictureLoad : public testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = test->name();
    for (char& c : name) c = c == '/' ? '-' : c;
    dir_ = fs::temp_directory_path() / ("pavlemir-picture-" + std::to_string(getpid()) + name);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code error;
    fs::remove_all(dir_, error);
  }

  fs::path Bmp(const std::string& name) {
    const fs::path path = dir_ / name;
    WriteFile(path, PictureBmp());
    return path;
  }

  fs::path Jpeg(const std::string& name) {
    const fs::path path = dir_ / name;
    EXPECT_TRUE(WritePictureJpeg(path));
    return path;
  }

  std::unique_ptr<Surface> Load(const fs::path& path, bool systemMemory = true) {
    return LoadPictureSurface(service_, path.string(), systemMemory);
  }

  // Every pixel within `tolerance` of the picture in every 8-bit channel, after the display
  // format has dropped its low bits. Pixels closer than `margin` to the edge between the halves
  // are left out, where JPEG's smoothed colour planes blend the two.
  void ExpectPicture(const Surface& surface, int tolerance, int margin = 0) {
    ASSERT_EQ(surface.Width(), kWidth);
    ASSERT_EQ(surface.Height(), kHeight);
    const PixelFormatInfo& format = surface.Format();
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        if (std::abs(2 * x + 1 - kWidth) < 2 * margin) continue;
        const uint32_t rgb = PictureColour(x, y);
        const uint32_t expected =
            format.FromRgb8(static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
                            static_cast<uint8_t>(rgb));
        const Channels want = format.ToRgb8(expected);
        const Channels got = format.ToRgb8(ReadPixel(surface, x, y));
        ASSERT_LE(std::abs(static_cast<int>(got.red) - static_cast<int>(want.red)), tolerance)
            << x << "," << y;
        ASSERT_LE(std::abs(static_cast<int>(got.green) - static_cast<int>(want.green)), tolerance)
            << x << "," << y;
        ASSERT_LE(std::abs(static_cast<int>(got.blue) - static_cast<int>(want.blue)), tolerance)
            << x << "," << y;
      }
    }
  }

  SurfaceService service_{FormatNamed(GetParam())};
  fs::path dir_;
};

TEST_P(PictureLoad, BmpPicturesArriveInTheDisplayFormat) {
  for (const char* name : {"photo.bmp", "PHOTO.Bmp", "picture.dib.bmp"}) {
    const auto surface = Load(Bmp(name));
    ASSERT_TRUE(surface) << name;
    EXPECT_EQ(surface->Format(), service_.Format());
    EXPECT_FALSE(surface->ColourKey());
    ExpectPicture(*surface, 0);
  }
}

TEST_P(PictureLoad, JpegExtensionsInAnyCaseGoThroughTheJpegDecoder) {
  for (const char* name :
       {"photo.jpg", "PHOTO.JPG", "photo.Jpg", "photo.jpeg", "PHOTO.JPEG", "photo.Jpeg"}) {
    const auto surface = Load(Jpeg(name));
    ASSERT_TRUE(surface) << name;
    ExpectPicture(*surface, 8, 4);
  }
}

TEST_P(PictureLoad, ContentsMustMatchTheDecoderTheExtensionChooses) {
  EXPECT_FALSE(Load(Bmp("bitmap.jpeg"))) << "a bitmap is no JPEG";
  EXPECT_FALSE(Load(Bmp("bitmap.jpg")));
  EXPECT_FALSE(Load(Jpeg("photo.bmp"))) << "a JPEG is no bitmap";
  EXPECT_FALSE(Load(Bmp("bitmap.png"))) << "known type without a decoder";
  EXPECT_FALSE(Load(Bmp("bitmap.gif")));
  EXPECT_FALSE(Load(Bmp("bitmap.xpm"))) << "unknown type";
  EXPECT_FALSE(Load(Bmp("bitmap"))) << "no extension";
  EXPECT_FALSE(Load(Bmp("bitmap."))) << "an empty extension";
  fs::create_directories(dir_ / "folder.bmp");
  EXPECT_FALSE(Load(Bmp("folder.bmp/bitmap"))) << "a folder's '.' is not the file's";
}

TEST_P(PictureLoad, UnreadableFilesGiveNone) {
  EXPECT_FALSE(Load(dir_ / "missing.bmp"));
  EXPECT_FALSE(Load(dir_ / "missing.jpg"));
  EXPECT_FALSE(Load(dir_ / "missing.jpeg"));
  EXPECT_FALSE(Load(dir_));
  for (const char* name : {"empty.bmp", "empty.jpg"}) {
    WriteFile(dir_ / name, {});
    EXPECT_FALSE(Load(dir_ / name)) << name;
  }
  std::vector<uint8_t> cut = PictureBmp();
  cut.resize(cut.size() - 1);
  WriteFile(dir_ / "cut.bmp", cut);
  EXPECT_FALSE(Load(dir_ / "cut.bmp"));
  fs::path jpeg = Jpeg("cut.jpeg");
  fs::resize_file(jpeg, 200);
  EXPECT_FALSE(Load(jpeg)) << "a JPEG cut short";
  WriteFile(dir_ / "noise.jpg", std::vector<uint8_t>(300, 0x5A));
  EXPECT_FALSE(Load(dir_ / "noise.jpg"));
}

TEST_P(PictureLoad, PictureAtTheStartOfALongerFile) {
  std::vector<uint8_t> bytes = PictureBmp();
  bytes.insert(bytes.end(), 5000, 0x77);  // the rest of a puzzle file
  WriteFile(dir_ / "puzzle.bmp", bytes);
  const auto surface = Load(dir_ / "puzzle.bmp");
  ASSERT_TRUE(surface);
  ExpectPicture(*surface, 0);
}

TEST_P(PictureLoad, MastersInSystemMemoryDisplayCopiesWhereTheyFit) {
  const fs::path path = Bmp("photo.bmp");
  EXPECT_EQ(Load(path, true)->Memory(), SurfaceMemory::System);
  EXPECT_EQ(Load(path, false)->Memory(), SurfaceMemory::Display);
  service_.SetDisplayMemoryLimit(0);
  const auto fallback = Load(path, false);
  ASSERT_TRUE(fallback);
  EXPECT_EQ(fallback->Memory(), SurfaceMemory::System);
  ExpectPicture(*fallback, 0);
}

TEST_P(PictureLoad, NoSurfaceNoPicture) {
  const fs::path bmp = Bmp("photo.bmp");
  const fs::path jpeg = Jpeg("photo.jpg");
  service_.SetCreationFails(true);
  EXPECT_FALSE(Load(bmp));
  EXPECT_FALSE(Load(jpeg));
}

INSTANTIATE_TEST_SUITE_P(Formats, PictureLoad, testing::ValuesIn(kFormatNames),
                         [](const testing::TestParamInfo<const char*>& param) {
                           return std::string("rgb") + param.param;
                         });

}  // namespace
