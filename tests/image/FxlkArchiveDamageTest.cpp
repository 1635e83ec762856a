// Cut, corrupted and inconsistent archives: nothing is read or written out of bounds, and
// whatever a member read answers is either null or the member's true bytes.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "FxlkTestSupport.h"
#include "image/FxlkArchive.h"
#include "image/FxlkEndian.h"
#include "image/FxlkStorage.h"
#include "image/LzariCoder.h"

namespace {

using Members = std::map<std::string, std::vector<uint8_t>>;

std::vector<uint8_t> ArchiveBytes(const Members& members) {
  ScratchFolder folder;
  const std::string path = (folder / "a.fxl").string();
  CFxlkArchive archive;
  EXPECT_EQ(archive.CreateForWriting(path.c_str()), FXLK_OK);
  for (const auto& [name, data] : members) {
    EXPECT_EQ(archive.AddMember(name.c_str(), data.data(), static_cast<uint32_t>(data.size())),
              FXLK_OK);
  }
  EXPECT_EQ(archive.Close(), FXLK_OK);
  return ReadWholeFile(path);
}

// An archive with a directory made by hand, followed by `data`.
std::vector<uint8_t> HandMadeArchive(const std::vector<FxlkMember>& records,
                                     const std::vector<uint8_t>& data) {
  const std::vector<uint8_t> directory = BuildFxlkDirectory(records);
  std::vector<uint8_t> packed;
  EXPECT_TRUE(std::make_unique<CLzariCoder>()->Compress(directory, packed, SIZE_MAX));
  std::vector<uint8_t> bytes = {'F', 'X', 'L', 'K'};
  AppendFxlkU32(bytes, static_cast<uint32_t>(directory.size()));
  AppendFxlkU32(bytes, static_cast<uint32_t>(packed.size()));
  bytes.insert(bytes.end(), packed.begin(), packed.end());
  bytes.insert(bytes.end(), data.begin(), data.end());
  return bytes;
}

FxlkMember Record(const char* name, uint32_t unpacked, uint32_t stored) {
  FxlkMember member;
  member.name = name;
  member.unpackedLength = unpacked;
  member.storedLength = stored;
  return member;
}

// Reads every listed member; each must be null or, when `originals` knows it, its bytes.
// Touching every byte of a result lets the address checker catch a short buffer.
void ExpectSafeReads(CFxlkArchive& archive, const Members& originals) {
  const std::vector<FxlkMember> listed = archive.Members();
  for (const FxlkMember& member : listed) {
    const std::unique_ptr<uint8_t[]> data = archive.ReadMember(member.name.c_str());
    if (!data) continue;
    // The first member of a name answers for every member of that name.
    const uint32_t length = archive.MemberSize(member.name.c_str());
    unsigned sum = 0;
    for (uint32_t i = 0; i < length; ++i) sum += data[i];
    const auto original = originals.find(member.name);
    if (original == originals.end()) continue;
    ASSERT_EQ(length, original->second.size()) << member.name;
    EXPECT_TRUE(std::equal(original->second.begin(), original->second.end(), data.get()))
        << member.name << " " << sum;
  }
}

const Members kSample = {{"a.txt", WordBytes(3000, 1)},
                         {"b.bin", RandomBytes(400, 2)},
                         {"c.txt", WordBytes(900, 3)},
                         {"d", {}}};

TEST(FxlkArchiveDamage, EveryCutArchiveReadsSafely) {
  const std::vector<uint8_t> whole = ArchiveBytes(kSample);
  for (std::size_t length = 0; length <= whole.size(); ++length) {
    CFxlkArchive archive;
    if (archive.OpenForReading(std::span(whole).first(length)) != FXLK_OK) continue;
    ExpectSafeReads(archive, kSample);
    if (length == whole.size()) {
      for (const auto& [name, data] : kSample) EXPECT_NE(archive.ReadMember(name.c_str()), nullptr);
    }
  }
  // The last member read from a cut archive is missing.
  CFxlkArchive archive;
  ASSERT_EQ(archive.OpenForReading(std::span(whole).first(whole.size() - 1)), FXLK_OK);
  EXPECT_EQ(archive.ReadMember("c.txt"), nullptr);
}

TEST(FxlkArchiveDamage, CorruptedArchivesReadSafely) {
  const std::vector<uint8_t> whole = ArchiveBytes(kSample);
  std::mt19937 random(4);
  int opened = 0;
  for (int trial = 0; trial < 400; ++trial) {
    std::vector<uint8_t> damaged = whole;
    for (int changes = 1 + trial % 3; changes > 0; --changes) {
      // Half of the damage goes to the header and directory, where it matters most.
      const std::size_t at = trial % 2 ? random() % 40 : random() % damaged.size();
      damaged[at] = static_cast<uint8_t>(random());
    }
    CFxlkArchive archive;
    if (archive.OpenForReading(damaged) != FXLK_OK) continue;
    ++opened;
    ExpectSafeReads(archive, {});
  }
  EXPECT_GT(opened, 0);
}

TEST(FxlkArchiveDamage, InconsistentRecordsReadAsNull) {
  const std::vector<uint8_t> data(64, 0x11);
  CFxlkArchive archive;
  ASSERT_EQ(archive.OpenForReading(HandMadeArchive(
                {Record("longer", 10, 20), Record("beyond", 200, 100),
                 Record("huge", 0xFFFFFFFF, 4), Record("lost", 10, 5), Record("fine", 4, 4)},
                data)),
            FXLK_OK);
  // Stored longer than unpacked.
  EXPECT_EQ(archive.ReadMember("longer"), nullptr);
  // Stored bytes beyond the end of the file.
  EXPECT_EQ(archive.ReadMember("beyond"), nullptr);
  EXPECT_EQ(archive.MemberSize("huge"), 0xFFFFFFFFu);
  EXPECT_EQ(archive.ReadMember("huge"), nullptr);
  // Past the end of the file too: 20 + 100 + 4 bytes come before it.
  EXPECT_EQ(archive.ReadMember("lost"), nullptr);
}

TEST(FxlkArchiveDamage, AStreamTooShortForItsMemberReadsAsNull) {
  // Five stored bytes of zeros cannot make 10000 bytes of anything.
  CFxlkArchive archive;
  ASSERT_EQ(
      archive.OpenForReading(HandMadeArchive({Record("z", 10000, 5)}, std::vector<uint8_t>(5, 0))),
      FXLK_OK);
  EXPECT_EQ(archive.ReadMember("z"), nullptr);
}

TEST(FxlkArchiveDamage, AMalformedLastRecordIsDropped) {
  std::vector<uint8_t> directory = BuildFxlkDirectory({Record("kept", 3, 3)});
  directory.insert(directory.end(), {'c', 'u', 't', 0, 1, 2});
  std::vector<uint8_t> packed;
  ASSERT_TRUE(CLzariCoder().Compress(directory, packed, SIZE_MAX));
  std::vector<uint8_t> bytes = {'F', 'X', 'L', 'K'};
  AppendFxlkU32(bytes, static_cast<uint32_t>(directory.size()));
  AppendFxlkU32(bytes, static_cast<uint32_t>(packed.size()));
  bytes.insert(bytes.end(), packed.begin(), packed.end());
  for (const uint8_t b : {'a', 'b', 'c'}) bytes.push_back(b ^ kFxlkScrambleByte);
  CFxlkArchive archive;
  ASSERT_EQ(archive.OpenForReading(bytes), FXLK_OK);
  ASSERT_EQ(archive.Members().size(), 1u);
  const auto kept = archive.ReadMember("kept");
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(std::string(kept.get(), kept.get() + 3), "abc");
}

}  // namespace
