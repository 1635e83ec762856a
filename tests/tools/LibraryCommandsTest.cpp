// pavlemir-tool create, info, pack and check: puzzle files and packs from the command line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ToolRun.h"

namespace {

namespace fs = std::filesystem;

// The number after "key": in the JSON text; fails the test when the key is missing.
long long JsonNumber(const std::string& json, const std::string& key) {
  const std::size_t at = json.find("\"" + key + "\": ");
  EXPECT_NE(at, std::string::npos) << key;
  return at == std::string::npos ? -999999 : std::stoll(json.substr(at + key.size() + 4));
}

void PutLe(std::string& bytes, std::size_t at, int size, uint32_t value) {
  for (int i = 0; i < size; ++i)
    bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
}

class LibraryCommands : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "pavlemir-librarytool-XXXXXX").string();
    dir = mkdtemp(pattern.data());
    WritePicture(dir / "pictures" / "Big Harbour.bmp", 300, 200);
    WritePicture(dir / "pictures" / "lake.view.bmp", 200, 300);
  }
  void TearDown() override { fs::remove_all(dir); }

  void WritePicture(const fs::path& path, int width, int height) {
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width * height));
    for (std::size_t i = 0; i < pixels.size(); ++i)
      pixels[i] = static_cast<uint32_t>(i * 2654435761u) >> 8;
    WriteBmp24File(path, width, height, pixels);
  }

  // Runs the tool; its standard output and error are in `out` and `err` afterwards.
  int Run(const std::string& args) { return RunToolCapturing(dir, args, out, err); }

  fs::path dir;
  std::string out, err;
};

TEST_F(LibraryCommands, CreateThenInfoGivesEveryField) {
  const fs::path picture = dir / "pictures" / "Big Harbour.bmp";
  ASSERT_EQ(Run("create '" + picture.string() +
                "' --name Harbour --choice 1 --rotation "
                "--play-area 1024x736 --format 565 --out " +
                (dir / "User").string()),
            0)
      << err;
  const fs::path file = dir / "User" / "Harbour.qvx";
  ASSERT_EQ(Run("info " + file.string()), 0) << err;
  const long long pictureSize = static_cast<long long>(fs::file_size(picture));
  EXPECT_NE(out.find("\"name\": \"Harbour\""), std::string::npos) << out;
  EXPECT_NE(out.find("\"pictureExt\": \"bmp\""), std::string::npos) << out;
  EXPECT_NE(out.find("\"boxOpen\": [0, 0, 0, 0]"), std::string::npos) << out;
  EXPECT_NE(out.find("\"savedPieces\": []"), std::string::npos) << out;
  EXPECT_NE(out.find("\"savedGroups\": []"), std::string::npos) << out;
  const std::pair<const char*, long long> expected[] = {
      {"pictureSize", pictureSize},
      {"pieceBlockOffset", pictureSize + 82 + 3 * 100 * 66},
      {"fileLength", static_cast<long long>(fs::file_size(file))},
      {"pictureWidth", 300},
      {"pictureHeight", 200},
      {"cols", 3},
      {"rows", 2},
      {"pieceCount", 6},
      {"sizeChoice", 1},
      {"rotationOn", 1},
      {"blackAndWhite", 0},
      {"solvedPercent", 0},
      {"hours", 0},
      {"minutes", 0},
      {"seconds", 0},
      {"cellLeft", 100},
      {"cellTop", 100},
      {"ghostShown", 0},
      {"thumbnailShown", 0},
      {"thumbLeft", -1},
      {"thumbTop", -1},
      {"thumbWidth", -1},
      {"thumbHeight", -1},
      {"screenHeight", 0},
      {"screenWidth", 0},
      {"displayDepth", 16},
      {"thumbWidthPx", 100},
      {"thumbHeightPx", 66}};
  for (const auto& [key, value] : expected) EXPECT_EQ(JsonNumber(out, key), value) << key;
}

TEST_F(LibraryCommands, InfoReadsFieldsAndSavedGamesWrittenByHand) {
  ASSERT_EQ(Run("create '" + (dir / "pictures" / "Big Harbour.bmp").string() +
                "' --name H --choice 1 --play-area 1024x736 --out " + dir.string()),
            0)
      << err;
  std::string bytes = ReadText(dir / "H.qvx");
  const std::size_t p =
      static_cast<std::size_t>(fs::file_size(dir / "pictures" / "Big Harbour.bmp"));
  const std::size_t b = bytes.size() - 8;
  PutLe(bytes, p + 23, 2, 0x1234);      // hours
  PutLe(bytes, p + 41, 4, 0xFFFFFFF6);  // thumbLeft -10
  PutLe(bytes, p + 36, 1, 1);           // the second corner box
  // Six pieces in two groups: {5, 0} in box 3, then {1, 2, 3, 4}.
  std::string block(2 + 6 * 12 + 2 + 6 + 8 + 6 + 16, '\0');
  PutLe(block, 0, 2, 6);
  for (uint32_t i = 0; i < 6; ++i) {
    PutLe(block, 2 + 12 * i, 4, 100 + i);
    PutLe(block, 6 + 12 * i, 4, 0xFFFFFFFF - i);
    PutLe(block, 10 + 12 * i, 4, i % 4);
  }
  PutLe(block, 74, 2, 2);
  PutLe(block, 76, 4, 3), PutLe(block, 80, 2, 2), PutLe(block, 82, 4, 5), PutLe(block, 86, 4, 0);
  PutLe(block, 90, 4, 0), PutLe(block, 94, 2, 4);
  for (uint32_t i = 0; i < 4; ++i) PutLe(block, 96 + 4 * i, 4, i + 1);
  bytes.insert(b, block);
  PutLe(bytes, p + 33, 1, 1);  // rotation on, so that turned pieces fit
  WriteText(dir / "H.qvx", bytes);
  ASSERT_EQ(Run("info " + (dir / "H.qvx").string()), 0) << err;
  EXPECT_EQ(JsonNumber(out, "hours"), 0x1234);
  EXPECT_EQ(JsonNumber(out, "thumbLeft"), -10);
  EXPECT_NE(out.find("\"boxOpen\": [0, 1, 0, 0]"), std::string::npos) << out;
  EXPECT_NE(out.find("{\"id\": 0, \"x\": 100, \"y\": -1, \"rotation\": 0}"), std::string::npos)
      << out;
  EXPECT_NE(out.find("{\"id\": 5, \"x\": 105, \"y\": -6, \"rotation\": 1}"), std::string::npos)
      << out;
  EXPECT_NE(out.find("{\"box\": 3, \"ids\": [5, 0]}"), std::string::npos) << out;
  EXPECT_NE(out.find("{\"box\": 0, \"ids\": [1, 2, 3, 4]}"), std::string::npos) << out;
}

TEST_F(LibraryCommands, InfoRefusesHostileFilesWithAReason) {
  WriteText(dir / "random.qvx", std::string(1000, '\x5A'));
  EXPECT_EQ(Run("info " + (dir / "random.qvx").string()), 1);
  EXPECT_TRUE(out.empty());
  EXPECT_NE(err.find("random.qvx"), std::string::npos) << err;
  EXPECT_EQ(Run("info " + (dir / "missing.qvx").string()), 1);
  EXPECT_FALSE(err.empty());
}

TEST_F(LibraryCommands, CreateRefusesPicturesItCannotUse) {
  WritePicture(dir / "pictures" / "small.bmp", 60, 60);
  EXPECT_NE(Run("create " + (dir / "pictures" / "small.bmp").string() +
                " --name S --choice 0 --play-area 1024x736 --out " + dir.string()),
            0);
  EXPECT_NE(err.find("too small"), std::string::npos) << err;
  EXPECT_FALSE(fs::exists(dir / "S.qvx"));
  WriteText(dir / "pictures" / "broken.jpg", "not a picture");
  EXPECT_NE(Run("create " + (dir / "pictures" / "broken.jpg").string() +
                " --name B --choice 7 --play-area 1024x736 --out " + dir.string()),
            0);
  EXPECT_NE(err.find("cannot load"), std::string::npos) << err;
  EXPECT_EQ(Run("create --name X"), 2);
}

TEST_F(LibraryCommands, PackThenCheckListsThePackAsTheGameLoadsIt) {
  const fs::path puzzles = dir / "root" / "Puzzles";
  ASSERT_EQ(Run("pack " + (dir / "pictures").string() + " --choice 2 --play-area 1024x736 --out " +
                (puzzles / "Sea").string()),
            0)
      << err;
  EXPECT_NE(out.find("[1/2] Big Harbour.bmp: Big Harbour,"), std::string::npos) << out;
  EXPECT_NE(out.find("[2/2] lake.view.bmp: lakeview"), std::string::npos) << out;
  EXPECT_TRUE(fs::exists(puzzles / "Sea" / "Thumb.jpg"));
  fs::create_directories(puzzles / "Empty");
  WriteText(puzzles / "Sea" / "cut.qvx", ReadText(puzzles / "Sea" / "lakeview.qvx").substr(0, 500));
  ASSERT_EQ(Run("check " + (dir / "root").string()), 0) << err;
  const std::size_t pack = out.find("pack Sea (2 puzzles)");
  const std::size_t first = out.find("  Big Harbour [current]: ");
  const std::size_t second = out.find("  lakeview: ");
  EXPECT_NE(pack, std::string::npos) << out;
  EXPECT_LT(pack, first) << out;
  EXPECT_LT(first, second) << out;
  EXPECT_NE(out.find("current pack: Sea"), std::string::npos) << out;
  EXPECT_NE(out.find("skipped " + (puzzles / "Empty").string() + ": no loadable Thumb.jpg"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("skipped " + (puzzles / "Sea" / "cut.qvx").string() + ": "), std::string::npos)
      << out;
}

}  // namespace
