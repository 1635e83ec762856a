// artgen itself: two runs write identical files, the same that the build embedded.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Artgen, TwoRunsWriteIdenticalFiles) {
  const fs::path root = fs::path(testing::TempDir()) / "artgen-twice";
  fs::remove_all(root);
  for (const char* run : {"first", "second"}) {
    const std::string command =
        std::string(PAVLEMIR_ARTGEN) + " " + (root / run).string() + " 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
  }
  int compared = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(root / "first")) {
    const fs::path name = entry.path().filename();
    SCOPED_TRACE(name.string());
    const std::string first = ReadFile(entry.path());
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(first, ReadFile(root / "second" / name));
    EXPECT_EQ(first, ReadFile(fs::path(PAVLEMIR_ART_DIR) / name));
    ++compared;
  }
  // 31 numbered bitmaps and the join sound.
  EXPECT_EQ(compared, 32);
  fs::remove_all(root);
}

}  // namespace
