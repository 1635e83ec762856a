// pavlemir-tool decode and tga: pictures through the picture library, result codes as exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "image/CImgLoader.h"

namespace {

namespace fs = std::filesystem;

class ImageCommands : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("pavlemir-imagecommands-" +
            std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs the tool; answers its exit status and keeps its standard error in errors_.
  int Tool(const std::string& args) {
    const fs::path errors = dir_ / "stderr.txt";
    const int status = std::system(
        (std::string(PAVLEMIR_TOOL) + " " + args + " >/dev/null 2>'" + errors.string() + "'")
            .c_str());
    std::ifstream in(errors);
    errors_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::ofstream out(dir_ / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return (dir_ / name).string();
  }

  std::string Read(const std::string& name) {
    std::ifstream in(dir_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path dir_;
  std::string errors_;
};

// A 2 x 2 24-bit BMP, bottom row first: bottom (1,2,3) (4,5,6), top (7,8,9) (10,11,12) as
// red, green, blue; rows padded to 8 bytes.
const std::vector<uint8_t> kBmp = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0,  0,  0,  40, 0, 0, 0,
                                   2,   0,   0,  0, 2, 0, 0, 0, 1, 0, 24, 0,  0,  0,  0,  0, 0, 0,
                                   0,   0,   0,  0, 0, 0, 0, 0, 0, 0, 0,  0,  0,  0,  0,  0, 0, 0,
                                   3,   2,   1,  6, 5, 4, 0, 0, 9, 8, 7,  12, 11, 10, 0,  0};

TEST_F(ImageCommands, DecodeWritesTheTopRowFirstAsPpm) {
  const std::string in = Write("picture.BMP", kBmp);
  ASSERT_EQ(Tool("decode '" + in + "' '" + (dir_ / "out.ppm").string() + "'"), 0) << errors_;
  const std::string expected = std::string("P6\n2 2\n255\n") + "\x07\x08\x09\x0A\x0B\x0C" +
                               std::string("\x01\x02\x03\x04\x05\x06", 6);
  EXPECT_EQ(Read("out.ppm"), expected);
}

TEST_F(ImageCommands, DecodeFailuresExitWithTheResultCodeAndItsText) {
  const std::string out = "'" + (dir_ / "out.ppm").string() + "'";
  const std::string shortBmp = Write("short.bmp", {kBmp.begin(), kBmp.end() - 3});
  EXPECT_EQ(Tool("decode '" + shortBmp + "' " + out), 2);
  EXPECT_NE(errors_.find("Incorrect file format"), std::string::npos) << errors_;
  const std::string unknown = Write("picture.png", kBmp);
  EXPECT_EQ(Tool("decode '" + unknown + "' " + out), 10);
  EXPECT_NE(errors_.find("Unknown file type"), std::string::npos) << errors_;
  EXPECT_EQ(Tool("decode '" + (dir_ / "missing.bmp").string() + "' " + out), 1);
  EXPECT_NE(errors_.find("File not found"), std::string::npos) << errors_;
  EXPECT_FALSE(fs::exists(dir_ / "out.ppm"));
}

TEST_F(ImageCommands, TgaSavesWhatWasDecoded) {
  const std::string in = Write("picture.bmp", kBmp);
  const std::string out = (dir_ / "picture.tga").string();
  ASSERT_EQ(Tool("tga '" + in + "' '" + out + "'"), 0) << errors_;
  CImg image;
  ASSERT_EQ(image.LoadFile(out.c_str()), IMG_OK);
  ASSERT_EQ(CImgLoader(&image).Decode(), IMG_OK);
  ASSERT_EQ(image.m_width, 2u);
  ASSERT_EQ(image.m_height, 2u);
  EXPECT_EQ(std::vector<uint32_t>(image.m_pixels, image.m_pixels + 4),
            (std::vector<uint32_t>{0x070809, 0x0A0B0C, 0x010203, 0x040506}));
  EXPECT_EQ(Tool("tga '" + (dir_ / "missing.bmp").string() + "' '" + out + "'"), 1);
}

}  // namespace
