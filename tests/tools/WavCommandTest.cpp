// pavlemir-tool wav: the format, data size and status of a wave file as the game reads it, and
// exit status 1 for a file the game would not play.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "ToolRun.h"

namespace {

namespace fs = std::filesystem;

TEST(WavCommand, TellsWhatTheGameWouldPlay) {
  const fs::path dir = fs::temp_directory_path() / ("pavlemir-wav-" + std::to_string(getpid()));
  fs::create_directories(dir);
  const fs::path corpus =
      fs::path(PAVLEMIR_TEST_DATA).parent_path().parent_path() / "fuzz" / "corpus" / "wav";
  std::string out, err;
  EXPECT_EQ(RunToolCapturing(dir, "wav '" + (corpus / "list-between.wav").string() + "'", out, err),
            0);
  EXPECT_EQ(out,
            "format tag 1, 1 channel(s), 8000 samples/s, 16000 bytes/s, block align 2, 16 "
            "bits/sample, extra 0\ndata 128 bytes\nstatus 0\nplayable\n");
  EXPECT_EQ(RunToolCapturing(dir, "wav '" + (corpus / "short-format.wav").string() + "'", out, err),
            1);
  EXPECT_NE(out.find("refused: format chunk shorter than 14 bytes\n"), std::string::npos);
  EXPECT_EQ(RunToolCapturing(dir, "wav '" + (dir / "missing.wav").string() + "'", out, err), 1);
  EXPECT_EQ(out, "status 1\nrefused: the file cannot be opened\n");
  fs::remove_all(dir);
}

}  // namespace
