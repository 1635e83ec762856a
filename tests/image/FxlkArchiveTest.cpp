// Writing and reading archives: layout, storage choice, lookups, and every answer code.
#include "image/FxlkArchive.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "FxlkTestSupport.h"
#include "image/FxlkStorage.h"

namespace {

uint32_t U32At(const std::vector<uint8_t>& bytes, std::size_t offset) {
  return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
         static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

bool Same(const std::unique_ptr<uint8_t[]>& got, const std::vector<uint8_t>& expected) {
  return got && std::equal(expected.begin(), expected.end(), got.get());
}

// Archives written to a scratch folder.
class FxlkArchiveTest : public testing::Test {
 protected:
  // Writes an archive of `members` (in this order) and answers its path.
  std::string Write(const std::vector<std::pair<std::string, std::vector<uint8_t>>>& members) {
    const std::string path = (m_folder / "test.fxl").string();
    CFxlkArchive archive;
    EXPECT_EQ(archive.CreateForWriting(path.c_str()), FXLK_OK);
    for (const auto& [name, data] : members) {
      EXPECT_EQ(archive.AddMember(name.c_str(), data.data(), static_cast<uint32_t>(data.size())),
                FXLK_OK);
    }
    EXPECT_EQ(archive.Close(), FXLK_OK);
    return path;
  }

  ScratchFolder m_folder;
};

TEST_F(FxlkArchiveTest, MembersReadBackAsAdded) {
  const std::vector<std::pair<std::string, std::vector<uint8_t>>> members = {
      {"words.txt", WordBytes(30000, 1)},
      {"noise.bin", RandomBytes(5000, 2)},
      {"empty", {}},
      {"one", {42}},
      {"zeros", std::vector<uint8_t>(70000, 0)}};
  const std::string path = Write(members);
  CFxlkArchive archive;
  ASSERT_EQ(archive.OpenForReading(path.c_str()), FXLK_OK);
  EXPECT_TRUE(archive.IsOpen());
  EXPECT_FALSE(archive.IsWriting());
  ASSERT_EQ(archive.Members().size(), members.size());
  for (const auto& [name, data] : members) {
    EXPECT_EQ(archive.MemberSize(name.c_str()), data.size()) << name;
    EXPECT_TRUE(Same(archive.ReadMember(name.c_str()), data)) << name;
  }
  EXPECT_EQ(archive.MemberSize("missing"), 0u);
  EXPECT_EQ(archive.MemberStoredLength("missing"), 0u);
  EXPECT_EQ(archive.ReadMember("missing"), nullptr);
  EXPECT_EQ(archive.ReadMember(nullptr), nullptr);
  EXPECT_EQ(archive.Close(), FXLK_OK);
  EXPECT_FALSE(archive.IsOpen());
  EXPECT_EQ(archive.ReadMember("words.txt"), nullptr);
}

TEST_F(FxlkArchiveTest, FileLayoutHoldsHeaderDirectoryAndMembersInOrder) {
  const std::vector<uint8_t> words = WordBytes(10000, 3);
  const std::vector<uint8_t> noise = RandomBytes(300, 4);
  const std::vector<uint8_t> file = ReadWholeFile(Write({{"Words", words}, {"noise", noise}}));
  ASSERT_GE(file.size(), 12u);
  EXPECT_EQ(std::memcmp(file.data(), "FXLK", 4), 0);
  // Each record: five name bytes, the zero byte, two u32.
  EXPECT_EQ(U32At(file, 4), 2u * (5 + 1 + 8));
  const uint32_t packedDirectory = U32At(file, 8);
  // The noise member is stored scrambled as the last bytes of the file.
  ASSERT_GE(file.size(), 12u + packedDirectory + noise.size());
  const std::size_t wordsStored = file.size() - 12 - packedDirectory - noise.size();
  EXPECT_LT(wordsStored, words.size());
  for (std::size_t i = 0; i < noise.size(); ++i) {
    ASSERT_EQ(file[file.size() - noise.size() + i], noise[i] ^ kFxlkScrambleByte) << i;
  }
  CFxlkArchive archive;
  ASSERT_EQ(archive.OpenForReading(file), FXLK_OK);
  EXPECT_EQ(archive.MemberStoredLength("words"), wordsStored);
  EXPECT_EQ(archive.MemberStoredLength("noise"), noise.size());
}

TEST_F(FxlkArchiveTest, MembersThatDoNotShrinkAreStoredScrambled) {
  const std::vector<uint8_t> noise = RandomBytes(2000, 5);
  const std::vector<uint8_t> text = WordBytes(2000, 6);
  const std::vector<uint8_t> tiny = {'a', 'b'};
  CFxlkArchive archive;
  ASSERT_EQ(archive.OpenForReading(ReadWholeFile(Write({{"n", noise}, {"t", text}, {"s", tiny}}))),
            FXLK_OK);
  EXPECT_EQ(archive.MemberStoredLength("n"), noise.size());
  EXPECT_LT(archive.MemberStoredLength("t"), text.size());
  EXPECT_EQ(archive.MemberStoredLength("s"), tiny.size());
  EXPECT_TRUE(Same(archive.ReadMember("n"), noise));
  EXPECT_TRUE(Same(archive.ReadMember("t"), text));
  EXPECT_TRUE(Same(archive.ReadMember("s"), tiny));
}

TEST_F(FxlkArchiveTest, NamesAreFoundInAnySpelling) {
  const std::vector<uint8_t> sky = WordBytes(500, 7);
  CFxlkArchive archive;
  ASSERT_EQ(archive.OpenForReading(Write({{"pics\\sky.bmp", sky}, {"Pics/Rain.BMP", {1}}}).c_str()),
            FXLK_OK);
  // Names are stored normalised, too.
  EXPECT_EQ(archive.Members()[1].name, "pics\\rain.bmp");
  EXPECT_EQ(archive.MemberSize("Pics/Sky.BMP"), sky.size());
  EXPECT_TRUE(Same(archive.ReadMember("Pics/Sky.BMP"), sky));
  EXPECT_TRUE(Same(archive.ReadMember("PICS\\SKY.bmp"), sky));
  EXPECT_EQ(archive.ReadMember("pics/sky.bm"), nullptr);
}

TEST_F(FxlkArchiveTest, TheFirstOfTwoEqualNamesWins) {
  const std::vector<uint8_t> first = WordBytes(800, 8);
  const std::vector<uint8_t> second = RandomBytes(900, 9);
  const std::vector<uint8_t> third = WordBytes(700, 10);
  CFxlkArchive archive;
  ASSERT_EQ(archive.OpenForReading(
                Write({{"a.txt", first}, {"A.TXT", second}, {"b.txt", third}}).c_str()),
            FXLK_OK);
  EXPECT_EQ(archive.MemberSize("a.txt"), first.size());
  EXPECT_TRUE(Same(archive.ReadMember("a.txt"), first));
  // The member behind both is found past the stored bytes of both.
  EXPECT_TRUE(Same(archive.ReadMember("b.txt"), third));
}

TEST_F(FxlkArchiveTest, MemoryAndFileOpensAgree) {
  const std::string path = Write({{"x", WordBytes(4000, 13)}, {"y", RandomBytes(100, 14)}});
  CFxlkArchive fromFile;
  CFxlkArchive fromMemory;
  ASSERT_EQ(fromFile.OpenForReading(path.c_str()), FXLK_OK);
  ASSERT_EQ(fromMemory.OpenForReading(ReadWholeFile(path)), FXLK_OK);
  for (const char* name : {"x", "y"}) {
    const std::size_t size = fromFile.MemberSize(name);
    EXPECT_EQ(fromMemory.MemberSize(name), size);
    const auto a = fromFile.ReadMember(name);
    const auto b = fromMemory.ReadMember(name);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(std::memcmp(a.get(), b.get(), size), 0) << name;
  }
}

}  // namespace
