// Every answer of the archive, and failed opens that leave it closed with no file held.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "FxlkTestSupport.h"
#include "image/FxlkArchive.h"

namespace {

// Archives in a scratch folder, and the check that a failed open holds nothing.
class FxlkArchiveCodes : public testing::Test {
 protected:
  std::string PathOf(const char* name) const { return (m_folder / name).string(); }

  // An archive holding one member "m" of `data`.
  std::string WriteOneMember(const std::vector<uint8_t>& data) {
    const std::string path = PathOf("one.fxl");
    CFxlkArchive archive;
    EXPECT_EQ(archive.CreateForWriting(path.c_str()), FXLK_OK);
    EXPECT_EQ(archive.AddMember("m", data.data(), static_cast<uint32_t>(data.size())), FXLK_OK);
    EXPECT_EQ(archive.Close(), FXLK_OK);
    return path;
  }

  // Opening `path` answers `expected`, leaves the archive closed and holds no file open.
  void ExpectFailedOpen(const std::string& path, int expected) {
    CFxlkArchive archive;
    const int descriptors = OpenDescriptorCount();
    EXPECT_EQ(archive.OpenForReading(path.c_str()), expected);
    EXPECT_FALSE(archive.IsOpen());
    EXPECT_EQ(OpenDescriptorCount(), descriptors);
    EXPECT_TRUE(archive.Members().empty());
    EXPECT_EQ(archive.Close(), FXLK_NOT_OPEN);
  }

  ScratchFolder m_folder;
};

TEST_F(FxlkArchiveCodes, EveryCodeHasItsOwnText) {
  const int codes[] = {FXLK_OK,       FXLK_CANNOT_OPEN,  FXLK_CANNOT_CREATE, FXLK_ALREADY_OPEN,
                       FXLK_NOT_OPEN, FXLK_NOT_WRITING,  FXLK_WRONG_MAGIC,   FXLK_EMPTY_DIRECTORY,
                       FXLK_DAMAGED,  FXLK_WRITE_FAILED, FXLK_BAD_MEMBER};
  std::set<std::string> texts;
  for (const int code : codes) texts.insert(FxlkResultText(code));
  EXPECT_EQ(texts.size(), std::size(codes));
  EXPECT_EQ(texts.count(FxlkResultText(1)), 0u);
}

TEST_F(FxlkArchiveCodes, MissingFileIsFiveUncreatableIsSix) {
  ExpectFailedOpen(PathOf("absent.fxl"), FXLK_CANNOT_OPEN);
  CFxlkArchive archive;
  EXPECT_EQ(archive.OpenForReading(static_cast<const char*>(nullptr)), FXLK_CANNOT_OPEN);
  EXPECT_EQ(archive.CreateForWriting(PathOf("no/such/folder.fxl").c_str()), FXLK_CANNOT_CREATE);
  EXPECT_EQ(archive.CreateForWriting(nullptr), FXLK_CANNOT_CREATE);
  EXPECT_FALSE(archive.IsOpen());
}

TEST_F(FxlkArchiveCodes, OpeningAnOpenArchiveIsTen) {
  const std::string path = WriteOneMember({1, 2, 3});
  CFxlkArchive archive;
  ASSERT_EQ(archive.OpenForReading(path.c_str()), FXLK_OK);
  EXPECT_EQ(archive.OpenForReading(path.c_str()), FXLK_ALREADY_OPEN);
  EXPECT_EQ(archive.CreateForWriting(PathOf("other.fxl").c_str()), FXLK_ALREADY_OPEN);
  EXPECT_TRUE(archive.IsOpen());
  EXPECT_EQ(archive.Close(), FXLK_OK);
  ASSERT_EQ(archive.CreateForWriting(PathOf("w.fxl").c_str()), FXLK_OK);
  EXPECT_EQ(archive.OpenForReading(path.c_str()), FXLK_ALREADY_OPEN);
  EXPECT_TRUE(archive.IsWriting());
}

TEST_F(FxlkArchiveCodes, AddingOrClosingWithoutAnArchiveIsEleven) {
  CFxlkArchive archive;
  const uint8_t byte = 0;
  EXPECT_EQ(archive.AddMember("m", &byte, 1), FXLK_NOT_OPEN);
  EXPECT_EQ(archive.AddFile(PathOf("x").c_str()), FXLK_NOT_OPEN);
  EXPECT_EQ(archive.Close(), FXLK_NOT_OPEN);
}

TEST_F(FxlkArchiveCodes, AddingToAnArchiveOpenForReadingIsTwelve) {
  const std::string path = WriteOneMember({1, 2, 3});
  CFxlkArchive archive;
  ASSERT_EQ(archive.OpenForReading(path.c_str()), FXLK_OK);
  const uint8_t byte = 0;
  EXPECT_EQ(archive.AddMember("m2", &byte, 1), FXLK_NOT_WRITING);
  EXPECT_EQ(archive.AddFile(path.c_str()), FXLK_NOT_WRITING);
  EXPECT_EQ(archive.Members().size(), 1u);
}

TEST_F(FxlkArchiveCodes, WrongMagicIsThirteenAndClosesTheFile) {
  std::vector<uint8_t> bytes = ReadWholeFile(WriteOneMember({1, 2, 3}));
  bytes[3] = 'X';
  WriteWholeFile(PathOf("magic.fxl"), bytes);
  ExpectFailedOpen(PathOf("magic.fxl"), FXLK_WRONG_MAGIC);
  WriteWholeFile(PathOf("short.fxl"), {'F', 'X', 'L'});
  ExpectFailedOpen(PathOf("short.fxl"), FXLK_WRONG_MAGIC);
  WriteWholeFile(PathOf("empty.fxl"), {});
  ExpectFailedOpen(PathOf("empty.fxl"), FXLK_WRONG_MAGIC);
}

TEST_F(FxlkArchiveCodes, AnArchiveWithoutMembersIsFourteenAndClosesTheFile) {
  const std::string path = PathOf("none.fxl");
  CFxlkArchive archive;
  ASSERT_EQ(archive.CreateForWriting(path.c_str()), FXLK_OK);
  ASSERT_EQ(archive.Close(), FXLK_OK);
  const std::vector<uint8_t> file = ReadWholeFile(path);
  ASSERT_GE(file.size(), 12u);
  // D is 0.
  EXPECT_EQ(std::vector<uint8_t>(file.begin() + 4, file.begin() + 8), std::vector<uint8_t>(4, 0));
  ExpectFailedOpen(path, FXLK_EMPTY_DIRECTORY);
  // The failed open left nothing behind: the next one starts afresh.
  EXPECT_EQ(archive.OpenForReading(path.c_str()), FXLK_EMPTY_DIRECTORY);
  EXPECT_EQ(archive.OpenForReading(file), FXLK_EMPTY_DIRECTORY);
}

TEST_F(FxlkArchiveCodes, DamagedHeadersAndDirectoriesAreFifteen) {
  const std::vector<uint8_t> good = ReadWholeFile(WriteOneMember({5, 6, 7, 8}));
  CFxlkArchive archive;
  // Cut inside the header, and inside the packed directory.
  EXPECT_EQ(archive.OpenForReading(std::span(good).first(8)), FXLK_DAMAGED);
  const uint32_t packed = good[8];
  EXPECT_EQ(archive.OpenForReading(std::span(good).first(12 + packed - 1)), FXLK_DAMAGED);
  // A directory length beyond the limit, and one far longer than its packed bytes hold.
  std::vector<uint8_t> huge = good;
  huge[7] = 0x7F;
  EXPECT_EQ(archive.OpenForReading(huge), FXLK_DAMAGED);
  std::vector<uint8_t> longer = good;
  longer[5] = 0x40;
  EXPECT_EQ(archive.OpenForReading(longer), FXLK_DAMAGED);
  std::vector<uint8_t> packedTooLong = good;
  packedTooLong[11] = 0x01;
  EXPECT_EQ(archive.OpenForReading(packedTooLong), FXLK_DAMAGED);
  EXPECT_FALSE(archive.IsOpen());
  WriteWholeFile(PathOf("damaged.fxl"), std::vector<uint8_t>(good.begin(), good.begin() + 10));
  ExpectFailedOpen(PathOf("damaged.fxl"), FXLK_DAMAGED);
}

TEST_F(FxlkArchiveCodes, AnArchiveThatCannotBeWrittenIsSixteen) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  CFxlkArchive archive;
  ASSERT_EQ(archive.CreateForWriting("/dev/full"), FXLK_OK);
  const std::vector<uint8_t> data = RandomBytes(10000, 1);
  ASSERT_EQ(archive.AddMember("m", data.data(), static_cast<uint32_t>(data.size())), FXLK_OK);
  EXPECT_EQ(archive.Close(), FXLK_WRITE_FAILED);
  EXPECT_FALSE(archive.IsOpen());
}

TEST_F(FxlkArchiveCodes, MembersThatCannotBeAddedAreSeventeen) {
  CFxlkArchive archive;
  ASSERT_EQ(archive.CreateForWriting(PathOf("w.fxl").c_str()), FXLK_OK);
  const uint8_t byte = 1;
  EXPECT_EQ(archive.AddMember(nullptr, &byte, 1), FXLK_BAD_MEMBER);
  EXPECT_EQ(archive.AddMember("m", nullptr, 1), FXLK_BAD_MEMBER);
  EXPECT_EQ(archive.AddMember("m", &byte, kFxlkMaxMemberLength + 1), FXLK_BAD_MEMBER);
  EXPECT_EQ(archive.AddFile(PathOf("absent").c_str()), FXLK_BAD_MEMBER);
  EXPECT_EQ(archive.AddFile(nullptr), FXLK_BAD_MEMBER);
  EXPECT_TRUE(archive.Members().empty());
  // An empty member is a member.
  EXPECT_EQ(archive.AddMember("empty", nullptr, 0), FXLK_OK);
  EXPECT_EQ(archive.Members().size(), 1u);
}

TEST_F(FxlkArchiveCodes, AMemberCannotBeReadWhileWriting) {
  CFxlkArchive archive;
  ASSERT_EQ(archive.CreateForWriting(PathOf("w.fxl").c_str()), FXLK_OK);
  const uint8_t byte = 1;
  ASSERT_EQ(archive.AddMember("m", &byte, 1), FXLK_OK);
  EXPECT_EQ(archive.MemberSize("m"), 1u);
  EXPECT_EQ(archive.ReadMember("m"), nullptr);
}

}  // namespace
