// Member names and the directory records: normalisation, layout and a walk that stops in time.
#include "image/FxlkDirectory.h"

#include <gtest/gtest.h>

namespace {

FxlkMember Member(const std::string& name, uint32_t unpacked, uint32_t stored) {
  FxlkMember member;
  member.name = name;
  member.unpackedLength = unpacked;
  member.storedLength = stored;
  return member;
}

TEST(FxlkNames, LowerCaseWithBackslashes) {
  EXPECT_EQ(NormaliseFxlkName("Pics/Sky.BMP"), "pics\\sky.bmp");
  EXPECT_EQ(NormaliseFxlkName("pics\\sky.bmp"), "pics\\sky.bmp");
  EXPECT_EQ(NormaliseFxlkName("A/B/C_Z@[`{"), "a\\b\\c_z@[`{");
  EXPECT_EQ(NormaliseFxlkName(""), "");
  // Bytes outside ASCII stay as they are, whatever the locale.
  EXPECT_EQ(NormaliseFxlkName("\xC4\xD6.TGA"), "\xC4\xD6.tga");
}

TEST(FxlkDirectory, RecordsAreNameZeroAndTwoLittleEndianLengths) {
  const std::vector<uint8_t> directory =
      BuildFxlkDirectory({Member("ab", 0x04030201, 0x0A0B0C0D), Member("", 7, 7)});
  const std::vector<uint8_t> expected = {'a',  'b', 0, 1, 2, 3, 4, 0x0D, 0x0C, 0x0B,
                                         0x0A, 0,   7, 0, 0, 0, 7, 0,    0,    0};
  EXPECT_EQ(directory, expected);
  EXPECT_EQ(directory.size(), FxlkRecordLength("ab") + FxlkRecordLength(""));
}

TEST(FxlkDirectory, WalkGivesBackTheMembersNormalised) {
  const std::vector<FxlkMember> members = {Member("Pics/Sky.BMP", 100, 40),
                                           Member("readme.txt", 5, 5), Member("x", 0, 0)};
  const std::vector<FxlkMember> walked = ParseFxlkDirectory(BuildFxlkDirectory(members));
  ASSERT_EQ(walked.size(), 3u);
  EXPECT_EQ(walked[0].name, "pics\\sky.bmp");
  EXPECT_EQ(walked[0].unpackedLength, 100u);
  EXPECT_EQ(walked[0].storedLength, 40u);
  EXPECT_EQ(walked[1].name, "readme.txt");
  EXPECT_EQ(walked[2].storedLength, 0u);
}

TEST(FxlkDirectory, WalkStopsAtTheEndOfMalformedRecords) {
  const std::vector<uint8_t> whole =
      BuildFxlkDirectory({Member("first", 1, 1), Member("second", 2, 2)});
  const std::size_t firstEnd = FxlkRecordLength("first");
  for (std::size_t length = 0; length <= whole.size(); ++length) {
    const std::vector<FxlkMember> walked = ParseFxlkDirectory(std::span(whole).first(length));
    const std::size_t expected = length == whole.size() ? 2 : length >= firstEnd ? 1 : 0;
    EXPECT_EQ(walked.size(), expected) << length;
  }
  // A name that never ends.
  const std::vector<uint8_t> unterminated(100, 'n');
  EXPECT_TRUE(ParseFxlkDirectory(unterminated).empty());
  EXPECT_TRUE(ParseFxlkDirectory({}).empty());
}

}  // namespace
