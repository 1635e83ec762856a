// pavlemir-tool fxlk: archives made from files list their members and give them back intact.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "image/FxlkTestSupport.h"

namespace {

// Runs the tool in `folder`; answers its exit status and, in `out`, what it printed.
int RunTool(const ScratchFolder& folder, const std::string& args, std::string* out = nullptr) {
  const std::string command =
      "cd '" + folder.Path().string() + "' && " + PAVLEMIR_TOOL + " " + args + " 2>/dev/null";
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return -1;
  char buffer[256];
  std::string printed;
  while (std::fgets(buffer, sizeof buffer, pipe)) printed += buffer;
  const int status = pclose(pipe);
  if (out) *out = printed;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(FxlkCommand, CreateListAndExtract) {
  ScratchFolder folder;
  std::filesystem::create_directories(folder / "Pics");
  const std::vector<uint8_t> text = WordBytes(20000, 1);
  const std::vector<uint8_t> noise = RandomBytes(3000, 2);
  WriteWholeFile(folder / "Pics/Sky.TXT", text);
  WriteWholeFile(folder / "noise.bin", noise);
  ASSERT_EQ(RunTool(folder, "fxlk create pack.fxl Pics/Sky.TXT noise.bin"), 0);

  std::string listing;
  ASSERT_EQ(RunTool(folder, "fxlk list pack.fxl", &listing), 0);
  char name[64];
  unsigned unpacked = 0;
  unsigned stored = 0;
  const char* line = listing.c_str();
  ASSERT_EQ(std::sscanf(line, "%63s %u %u", name, &unpacked, &stored), 3) << listing;
  EXPECT_STREQ(name, "pics\\sky.txt");
  EXPECT_EQ(unpacked, text.size());
  EXPECT_LT(stored, unpacked);
  line = std::strchr(line, '\n') + 1;
  ASSERT_EQ(std::sscanf(line, "%63s %u %u", name, &unpacked, &stored), 3) << listing;
  EXPECT_STREQ(name, "noise.bin");
  EXPECT_EQ(unpacked, noise.size());
  EXPECT_EQ(stored, noise.size());

  ASSERT_EQ(RunTool(folder, "fxlk extract pack.fxl Pics/Sky.TXT sky.out"), 0);
  EXPECT_EQ(ReadWholeFile(folder / "sky.out"), text);
  ASSERT_EQ(RunTool(folder, "fxlk extract pack.fxl NOISE.BIN noise.out"), 0);
  EXPECT_EQ(ReadWholeFile(folder / "noise.out"), noise);
}

TEST(FxlkCommand, FailuresExitNonZero) {
  ScratchFolder folder;
  WriteWholeFile(folder / "a.bin", {1, 2, 3});
  EXPECT_EQ(RunTool(folder, "fxlk list absent.fxl"), 1);
  EXPECT_EQ(RunTool(folder, "fxlk list a.bin"), 1);
  EXPECT_EQ(RunTool(folder, "fxlk create pack.fxl a.bin absent.bin"), 1);
  EXPECT_FALSE(std::filesystem::exists(folder / "pack.fxl"));
  ASSERT_EQ(RunTool(folder, "fxlk create pack.fxl a.bin"), 0);
  EXPECT_EQ(RunTool(folder, "fxlk extract pack.fxl b.bin out"), 1);
  EXPECT_FALSE(std::filesystem::exists(folder / "out"));
  EXPECT_EQ(RunTool(folder, "fxlk"), 2);
  EXPECT_EQ(RunTool(folder, "fxlk create pack.fxl"), 2);
  EXPECT_EQ(RunTool(folder, "fxlk extract pack.fxl a.bin"), 2);
}

}  // namespace
