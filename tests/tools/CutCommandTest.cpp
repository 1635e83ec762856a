// pavlemir-tool cut: the files it writes hold exactly what cutting made, in their stated forms.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include "puzzle/EdgeMasks.h"
#include "puzzle/Ghost.h"
#include "puzzle/PictureFitting.h"
#include "puzzle/PictureLoad.h"
#include "puzzle/PieceCutting.h"
#include "puzzle/PieceRotation.h"
#include "puzzle/PuzzleRecord.h"
#include "puzzle/RandomSequence.h"
#include "support/BmpFileBuilder.h"
#include "support/SurfacePixels.h"

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The pixel bytes of a binary PPM or PGM with maxval 255.
std::string NetpbmPixels(const fs::path& path, int& width, int& height) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int maxval = 0;
  in >> magic >> width >> height >> maxval;
  in.get();
  EXPECT_EQ(maxval, 255) << path;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int RunTool(const std::string& args) {
  return std::system((std::string(PAVLEMIR_TOOL) + " " + args + " >/dev/null 2>&1").c_str());
}

// 8-bit channels widened as v << (8 - bits).
std::string RgbBytes(const Surface& surface) {
  std::string bytes;
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      const Channels c = surface.Format().ToRgb8(ReadPixel(surface, x, y));
      bytes += {static_cast<char>(c.red), static_cast<char>(c.green), static_cast<char>(c.blue)};
    }
  }
  return bytes;
}

std::string ShadowBytes(const Surface& shadow) {
  std::string bytes;
  const uint32_t white = shadow.Format().colourMask;
  for (int y = 0; y < shadow.Height(); ++y) {
    for (int x = 0; x < shadow.Width(); ++x) {
      bytes += static_cast<char>((ReadPixel(shadow, x, y) & white) == white ? 255 : 0);
    }
  }
  return bytes;
}

std::string OverlayBytes(const EdgeOverlay& overlay) {
  std::string bytes;
  for (uint32_t word : overlay.Words()) {
    for (int b = 0; b < 4; ++b) bytes += static_cast<char>((word >> (8 * b)) & 0xFF);
  }
  return bytes;
}

class CutCommand : public testing::Test {
 protected:
  void SetUp() override {
    // CTest may run the tests of this suite side by side: each gets a folder of its own.
    dir_ = fs::temp_directory_path() /
           ("pavlemir-cut-" +
            std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
            std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    std::vector<uint32_t> pixels(300 * 220);
    uint32_t state = 5;
    for (uint32_t& p : pixels) p = (state = state * 1664525u + 1013904223u) >> 8;
    BmpLayout layout;
    layout.width = 300;
    layout.height = 220;
    const std::vector<uint8_t> bmp = BuildBmp(layout, PackBmpRows(24, 300, 220, pixels));
    picture_ = dir_ / "picture.bmp";
    std::ofstream(picture_, std::ios::binary)
        .write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path dir_;
  fs::path picture_;
};

TEST_F(CutCommand, WritesWhatCuttingMakes) {
  const fs::path out = dir_ / "out";
  ASSERT_EQ(RunTool("cut " + picture_.string() +
                    " --play-area 330x280 --choice 5 --rotation --bw --seed 42 --format 565"
                    " --out " +
                    out.string()),
            0);

  // The same start of a game, made here.
  SurfaceService service(PixelFormatInfo::Rgb565());
  const Rect playArea{0, 0, 330, 280};
  auto picture = LoadPictureSurface(service, picture_.string(), true);
  ASSERT_NE(picture, nullptr);
  ASSERT_TRUE(FitPicture(service, playArea, picture, true));
  PuzzleRecord puzzle;
  puzzle.sizeChoice = 5;
  MakeGhost(service, playArea, *picture, puzzle);
  const EdgeMaskSurfaces masks = MakeEdgeMaskSurfaces(service);
  CountingProgress progress;
  CutContext context{service, masks, progress};
  SeedRandom(42);
  const int count = CutPicture(context, *picture, 40, 8, 2, true, puzzle.pieces);
  MakeRotations(service, puzzle.pieces, progress);
  ASSERT_GT(count, 4);

  int width = 0, height = 0;
  EXPECT_EQ(NetpbmPixels(out / "fitted.ppm", width, height), RgbBytes(*picture));
  EXPECT_EQ(width, picture->Width());
  EXPECT_EQ(NetpbmPixels(out / "ghost.ppm", width, height), RgbBytes(*puzzle.ghostMaster));
  for (const auto& piece : puzzle.pieces) {
    for (int r = 0; r < kRotationCount; ++r) {
      const std::string suffix = std::to_string(piece->id) + "-r" + std::to_string(r);
      const std::size_t i = static_cast<std::size_t>(r);
      ASSERT_EQ(NetpbmPixels(out / ("piece-" + suffix + ".ppm"), width, height),
                RgbBytes(*piece->imageMaster[i]));
      ASSERT_EQ(NetpbmPixels(out / ("shadow-" + suffix + ".pgm"), width, height),
                ShadowBytes(*piece->shadowMaster[i]));
      ASSERT_EQ(ReadFile(out / ("overlay-" + suffix + ".bin")),
                OverlayBytes(piece->edgeOverlay[i]));
    }
  }

  const std::string json = ReadFile(out / "cut.json");
  const auto has = [&](const std::string& field, long value) {
    return json.find("\"" + field + "\": " + std::to_string(value)) != std::string::npos;
  };
  EXPECT_TRUE(has("cols", context.gridCols));
  EXPECT_TRUE(has("rows", context.gridRows));
  EXPECT_TRUE(has("progressRange", progress.Upper()));
  EXPECT_TRUE(has("progressSteps", progress.Position()));
  EXPECT_TRUE(has("ghostX", puzzle.ghostX));
  EXPECT_TRUE(has("ghostHeight", puzzle.ghostHeight));
  const Piece& last = *puzzle.pieces.back();
  EXPECT_NE(json.find("{\"id\": " + std::to_string(last.id) + ", \"col\": " +
                      std::to_string(last.col) + ", \"row\": " + std::to_string(last.row) +
                      ", \"x\": " + std::to_string(last.x) + ", \"y\": " + std::to_string(last.y) +
                      ", \"rotation\": " + std::to_string(last.rotation)),
            std::string::npos);
}

TEST_F(CutCommand, TheSameSeedGivesTheSameFilesAndNoRotationNoTurnedFiles) {
  const std::string args = "cut " + picture_.string() + " --play-area 400x300 --choice 6 --seed 7";
  ASSERT_EQ(RunTool(args + " --out " + (dir_ / "a").string()), 0);
  ASSERT_EQ(RunTool(args + " --out " + (dir_ / "b").string()), 0);
  int files = 0;
  for (const auto& entry : fs::directory_iterator(dir_ / "a")) {
    const std::string name = entry.path().filename().string();
    EXPECT_EQ(name.find("-r1"), std::string::npos) << name;
    EXPECT_EQ(ReadFile(entry.path()), ReadFile(dir_ / "b" / name)) << name;
    ++files;
  }
  // fitted, ghost, cut.json and three files for each of the 10 x 7 pieces.
  EXPECT_EQ(files, 3 + 3 * 70);
}

TEST_F(CutCommand, TimesEachStageWithoutOut) {
  const std::string report = (dir_ / "report.txt").string();
  ASSERT_EQ(std::system((std::string(PAVLEMIR_TOOL) + " cut " + picture_.string() +
                         " --play-area 400x300 --choice 7 --rotation > " + report)
                            .c_str()),
            0);
  const std::string text = ReadFile(report);
  for (const char* stage :
       {"load", "fit", "ghost", "cut phase 1", "cut phase 4", "rotations", "peak memory"}) {
    EXPECT_NE(text.find(stage), std::string::npos) << stage;
  }
}

TEST_F(CutCommand, RefusesIncompleteArgumentsAndMissingPictures) {
  EXPECT_NE(RunTool("cut " + picture_.string() + " --choice 3"), 0);
  EXPECT_NE(RunTool("cut " + picture_.string() + " --play-area 400x300"), 0);
  EXPECT_NE(RunTool("cut " + picture_.string() + " --play-area 400x300 --choice 8"), 0);
  EXPECT_NE(RunTool("cut " + picture_.string() + " --play-area 400x300 --choice 1 --format 8"), 0);
  EXPECT_NE(RunTool("cut " + (dir_ / "missing.bmp").string() + " --play-area 400x300 --choice 1"),
            0);
}

}  // namespace
