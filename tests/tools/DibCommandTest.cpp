// pavlemir-tool dib: a BMP file through the device-bitmap reader into a binary PPM; exit status
// 0 on success and 1 when the file cannot be read as a bitmap.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/BmpFileBuilder.h"

namespace {

namespace fs = std::filesystem;

int RunTool(const std::string& args) {
  const int status =
      std::system((std::string(PAVLEMIR_TOOL) + " " + args + " >/dev/null 2>&1").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class DibCommand : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("pavlemir-dib-command-" + std::to_string(getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code error;
    fs::remove_all(dir_, error);
  }

  fs::path Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    const fs::path path = dir_ / name;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  fs::path dir_;
};

TEST_F(DibCommand, WritesThePixelsAsPpm) {
  BmpLayout layout;
  layout.width = 3;
  layout.height = -2;  // top-down, so the rows below are in reading order
  layout.bitCount = 4;
  layout.fileHeader = false;  // and without a file header, under a name that says nothing
  layout.colourTable.assign(16, 0);
  layout.colourTable[1] = 0xFF8000;
  layout.colourTable[2] = 0x0080FF;
  const auto bits = PackBmpRows(4, 3, 2, {1, 2, 0, 0, 1, 2}, true);
  const fs::path in = Write("picture", BuildBmp(layout, bits));
  const fs::path out = dir_ / "picture.ppm";
  ASSERT_EQ(RunTool("dib " + in.string() + " " + out.string()), 0);
  std::ifstream ppm(out, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(ppm), std::istreambuf_iterator<char>()};
  std::string expected = "P6\n3 2\n255\n";
  for (int byte : {0xFF, 0x80, 0x00, 0x00, 0x80, 0xFF, 0x00, 0x00, 0x00,     // top row: 1 2 0
                   0x00, 0x00, 0x00, 0xFF, 0x80, 0x00, 0x00, 0x80, 0xFF}) {  // bottom row: 0 1 2
    expected.push_back(static_cast<char>(byte));
  }
  EXPECT_EQ(bytes, expected);
}

TEST_F(DibCommand, FailuresExitWithOne) {
  const fs::path out = dir_ / "out.ppm";
  EXPECT_EQ(RunTool("dib " + (dir_ / "missing.bmp").string() + " " + out.string()), 1);
  const fs::path noise = Write("noise.bmp", std::vector<uint8_t>(100, 0x42));
  EXPECT_EQ(RunTool("dib " + noise.string() + " " + out.string()), 1);
  EXPECT_FALSE(fs::exists(out));
  const fs::path good = Write("good.bmp", BuildBmp(BmpLayout{}, std::vector<uint8_t>(4, 0)));
  EXPECT_EQ(RunTool("dib " + good.string() + " " + (dir_ / "no" / "such" / "dir.ppm").string()), 1);
  EXPECT_EQ(RunTool("dib " + good.string()), 2) << "usage";
}

}  // namespace
