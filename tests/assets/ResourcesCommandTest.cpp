// pavlemir-tool resources: writes every bitmap as served, which for our lossless 24-bit data
// is byte for byte what artgen drew.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "assets/EmbeddedBitmaps.h"

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ResourcesCommand, WritesEveryBitmapAsDrawn) {
  const fs::path out = fs::path(testing::TempDir()) / "resources-out";
  fs::remove_all(out);
  const std::string command = std::string(PAVLEMIR_TOOL) + " resources " + out.string();
  ASSERT_EQ(std::system(command.c_str()), 0);
  for (const int id : EmbeddedBitmaps().Ids()) {
    const std::string name = "bitmap-" + std::to_string(id) + ".bmp";
    SCOPED_TRACE(name);
    const std::string written = ReadFile(out / name);
    ASSERT_FALSE(written.empty());
    EXPECT_EQ(written, ReadFile(fs::path(PAVLEMIR_ART_DIR) / name));
  }
  fs::remove_all(out);
}

TEST(ResourcesCommand, RefusesWrongArguments) {
  const std::string command = std::string(PAVLEMIR_TOOL) + " resources >/dev/null 2>&1";
  EXPECT_NE(std::system(command.c_str()), 0);
}

}  // namespace
