// The name dialog's rules: the first text, dots, the width cut, refusals and taken names.
#include <gtest/gtest.h>

#include "QvxTestFile.h"
#include "library/PuzzleNames.h"

namespace {

// Ten pixels a byte: a name of 18 bytes is the widest that fits (190 pixels do not).
int TenPerByte(std::string_view text) {
  return static_cast<int>(text.size()) * 10;
}

TEST(PuzzleNames, InitialNameIsTheFileNameWithoutItsExtension) {
  EXPECT_EQ(InitialPuzzleName("/home/me/sunset.beach.jpg"), "sunset.beach");
  EXPECT_EQ(InitialPuzzleName("/home/me.d/noextension"), "noextension");
  EXPECT_EQ(InitialPuzzleName("Mine"), "Mine");
}

TEST(PuzzleNames, DotsGoAndLongNamesAreCutToTheirWidth) {
  TempFolder pack;
  EXPECT_EQ(CheckPuzzleName("sunset.beach", TenPerByte, pack.Path()).name, "sunsetbeach");
  const NameCheck cut = CheckPuzzleName("abcdefghijklmnopqrstuvwxyz", TenPerByte, pack.Path());
  EXPECT_TRUE(cut.Accepted());
  EXPECT_EQ(cut.name, "abcdefghijklmnopqr");
  // Characters of several bytes are cut whole.
  const NameCheck wide = CheckPuzzleName(
      "\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9", TenPerByte, pack.Path());
  EXPECT_EQ(wide.name, "\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9");
}

TEST(PuzzleNames, RefusesEmptyUnusableAndTakenNames) {
  TempFolder pack;
  WriteBytes(pack.Path() / "Taken.qvx", {1});
  EXPECT_EQ(CheckPuzzleName("...", TenPerByte, pack.Path()).refusal, kNameEmptyText);
  EXPECT_EQ(CheckPuzzleName("  ", TenPerByte, pack.Path()).refusal, kNameEmptyText);
  for (const char* bad : {"a/b", "a\\b", "what?", "x\ty", "a|b"})
    EXPECT_EQ(CheckPuzzleName(bad, TenPerByte, pack.Path()).refusal, kNameCharactersText) << bad;
  EXPECT_EQ(CheckPuzzleName("Taken", TenPerByte, pack.Path()).refusal, kNameTakenText);
  EXPECT_EQ(CheckPuzzleName("Ta.ken", TenPerByte, pack.Path()).refusal, kNameTakenText);
  EXPECT_TRUE(CheckPuzzleName("taken", TenPerByte, pack.Path()).Accepted());
}

}  // namespace
