// pavlemir-tool masks: 64 binary PGM files, numbered 8 * set + kind, 0 black and 255 white.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "puzzle/EdgeMasks.h"
#include "puzzle/PieceSizeChoice.h"

namespace {

namespace fs = std::filesystem;

struct Pgm {
  int width = 0;
  int height = 0;
  std::string pixels;
};

Pgm ReadPgm(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int maxval = 0;
  Pgm pgm;
  in >> magic >> pgm.width >> pgm.height >> maxval;
  in.get();
  pgm.pixels.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  EXPECT_EQ(magic, "P5");
  EXPECT_EQ(maxval, 255);
  return pgm;
}

int RunTool(const std::string& args) {
  return std::system((std::string(PAVLEMIR_TOOL) + " " + args + " >/dev/null 2>&1").c_str());
}

TEST(MasksCommand, WritesEveryMaskAsPgm) {
  const fs::path dir = fs::temp_directory_path() / "pavlemir-masks-test";
  fs::remove_all(dir);
  ASSERT_EQ(RunTool("masks " + dir.string()), 0);
  for (int number = 0; number < kEdgeMaskCount; ++number) {
    char name[32];
    std::snprintf(name, sizeof name, "mask-%02d.pgm", number);
    const Pgm pgm = ReadPgm(dir / name);
    const EdgeMaskShape shape = MakeEdgeMaskShape(number / 8, number % 8);
    const PieceSizeChoice& size = kPieceSizeChoices[static_cast<std::size_t>(7 - number / 8)];
    const bool horizontal = number % 2 == 0;
    EXPECT_EQ(pgm.width, horizontal ? size.pieceSize + size.overlap : size.overlap);
    EXPECT_EQ(pgm.height, horizontal ? size.overlap : size.pieceSize + size.overlap);
    ASSERT_EQ(pgm.pixels.size(), shape.black.size()) << name;
    for (std::size_t i = 0; i < shape.black.size(); ++i) {
      ASSERT_EQ(static_cast<unsigned char>(pgm.pixels[i]), shape.black[i] ? 0 : 255) << name;
    }
  }
  // Mask 0 row 0: black at 0..9 and 14..23, white at 10..13.
  const Pgm first = ReadPgm(dir / "mask-00.pgm");
  EXPECT_EQ(static_cast<unsigned char>(first.pixels[9]), 0);
  EXPECT_EQ(static_cast<unsigned char>(first.pixels[10]), 255);
  EXPECT_EQ(static_cast<unsigned char>(first.pixels[13]), 255);
  EXPECT_EQ(static_cast<unsigned char>(first.pixels[14]), 0);
  fs::remove_all(dir);
}

TEST(MasksCommand, RefusesMissingArgumentsAndUnknownSubcommands) {
  EXPECT_NE(RunTool("masks"), 0);
  EXPECT_NE(RunTool("no-such-subcommand"), 0);
  EXPECT_EQ(RunTool("--help"), 0);
}

}  // namespace
