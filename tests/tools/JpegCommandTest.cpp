// pavlemir-tool jpeg: a picture decoded and saved as JPEG, the result code as exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "image/CImgLoader.h"
#include "image/CJpegWriter.h"

namespace {

namespace fs = std::filesystem;

class JpegCommand : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("pavlemir-jpegcommand-" +
            std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(dir_);
    // A 20 x 10 picture of soft gradients as the input file.
    CImg image;
    uint32_t* pixels = image.AllocatePixels(20, 10);
    ASSERT_NE(pixels, nullptr);
    for (uint32_t i = 0; i < 200; ++i) pixels[i] = (i % 20) * 12 << 16 | (i / 20) * 25 << 8 | 90;
    in_ = (dir_ / "in.jpg").string();
    ASSERT_EQ(CJpegWriter(&image).SaveJpeg(in_.c_str(), 0, 95, 0), IMG_OK);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs the tool; answers its exit status and keeps its standard error in errors_.
  int Tool(const std::string& args) {
    const fs::path errors = dir_ / "stderr.txt";
    const int status = std::system(
        (std::string(PAVLEMIR_TOOL) + " jpeg " + args + " >/dev/null 2>'" + errors.string() + "'")
            .c_str());
    std::ifstream in(errors);
    errors_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string Out() const { return (dir_ / "out.jpg").string(); }

  fs::path dir_;
  std::string in_;
  std::string errors_;
};

int Decode(const std::string& path, CImg& image) {
  const int loaded = image.LoadFile(path.c_str());
  return loaded != IMG_OK ? loaded : CImgLoader(&image).Decode();
}

TEST_F(JpegCommand, SavesTheDecodedPicture) {
  ASSERT_EQ(Tool(in_ + " " + Out()), 0) << errors_;
  CImg original, saved;
  ASSERT_EQ(Decode(in_, original), IMG_OK);
  ASSERT_EQ(Decode(Out(), saved), IMG_OK);
  ASSERT_EQ(saved.m_width, 20u);
  ASSERT_EQ(saved.m_height, 10u);
  for (uint32_t i = 0; i < 200; ++i) {
    for (int shift = 0; shift < 24; shift += 8) {
      const int a = static_cast<int>(original.m_pixels[i] >> shift & 0xFF);
      const int b = static_cast<int>(saved.m_pixels[i] >> shift & 0xFF);
      EXPECT_LE(std::abs(a - b), 24) << "pixel " << i;
    }
  }
}

TEST_F(JpegCommand, QualityDecidesTheFileSize) {
  ASSERT_EQ(Tool(in_ + " " + Out() + " --quality 10"), 0) << errors_;
  const auto low = fs::file_size(Out());
  ASSERT_EQ(Tool(in_ + " " + Out() + " --quality 100"), 0) << errors_;
  EXPECT_LT(low, fs::file_size(Out()));
}

TEST_F(JpegCommand, FailuresExitWithTheResultCodeAndItsText) {
  EXPECT_EQ(Tool(in_ + " " + Out() + " --quality 101"), 13);
  EXPECT_NE(errors_.find("Parameter is out of range"), std::string::npos) << errors_;
  fs::resize_file(in_, fs::file_size(in_) / 2);
  EXPECT_EQ(Tool(in_ + " " + Out()), 2);
  EXPECT_NE(errors_.find("Incorrect file format"), std::string::npos) << errors_;
  EXPECT_FALSE(fs::exists(Out()));
}

TEST_F(JpegCommand, MalformedArgumentsShowTheUsage) {
  for (const std::string& args :
       {in_, in_ + " " + Out() + " --quality", in_ + " " + Out() + " --quality 9x",
        in_ + " " + Out() + " --speed 9"}) {
    EXPECT_EQ(Tool(args), 2) << args;
    EXPECT_NE(errors_.find("usage: pavlemir-tool jpeg"), std::string::npos) << args;
  }
  EXPECT_FALSE(fs::exists(Out()));
}

}  // namespace
