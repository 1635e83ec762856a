// Name order: letters without regard to case, multi-byte characters kept whole.
#include <gtest/gtest.h>

#include "library/NameOrder.h"

namespace {

TEST(NameOrder, IgnoresTheCaseOfLetters) {
  EXPECT_EQ(CompareNamesIgnoringCase("Animals", "animals"), 0);
  EXPECT_LT(CompareNamesIgnoringCase("Animals", "birds"), 0);
  EXPECT_LT(CompareNamesIgnoringCase("birds", "Cars"), 0);
  EXPECT_GT(CompareNamesIgnoringCase("b", "A"), 0);
}

TEST(NameOrder, ShorterPrefixComesFirst) {
  EXPECT_LT(CompareNamesIgnoringCase("Cat", "cats"), 0);
  EXPECT_GT(CompareNamesIgnoringCase("cats", "CAT"), 0);
  EXPECT_LT(CompareNamesIgnoringCase("", "a"), 0);
}

TEST(NameOrder, FoldsLettersBeyondAscii) {
  EXPECT_EQ(CompareNamesIgnoringCase("\xC3\x89t\xC3\xA9", "\xC3\xA9T\xC3\x89"), 0);  // Été / éTÉ
  EXPECT_EQ(CompareNamesIgnoringCase("\xC5\x81\xC3\xB3"
                                     "d\xC5\xBA",
                                     "\xC5\x82\xC3\x93"
                                     "D\xC5\xB9"),
            0);                                                                    // Łódź
  EXPECT_EQ(CompareNamesIgnoringCase("\xCE\x91\xCE\xB8", "\xCE\xB1\xCE\x98"), 0);  // Αθ / αΘ
  EXPECT_EQ(CompareNamesIgnoringCase("\xD0\x9C\xD0\xB8\xD1\x80", "\xD0\xBC\xD0\x98\xD0\xA0"),
            0);                                                    // Мир
  EXPECT_EQ(CompareNamesIgnoringCase("\xD0\x81", "\xD1\x91"), 0);  // Ё / ё
}

TEST(NameOrder, FoldedLettersKeepTheirPlaceAmongOthers) {
  // "Ébène" folds to "ébène"; é (U+00E9) comes after every ASCII letter.
  EXPECT_GT(CompareNamesIgnoringCase("\xC3\x89"
                                     "b\xC3\xA8ne",
                                     "ezz"),
            0);
  EXPECT_GT(CompareNamesIgnoringCase("\xC3\x89"
                                     "c",
                                     "\xC3\xA9"
                                     "b"),
            0);  // Éc after éb
}

TEST(NameOrder, StrayBytesSortAfterEveryCharacterAndStayDistinct) {
  EXPECT_GT(CompareNamesIgnoringCase("\xFF", "\xF4\x8F\xBF\xBF"), 0);
  EXPECT_NE(CompareNamesIgnoringCase("\xC3", "\xC4"), 0);
  EXPECT_GT(CompareNamesIgnoringCase("a\xC3", "a"), 0) << "a cut character is not lost";
}

}  // namespace
