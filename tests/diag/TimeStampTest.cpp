// Time stamps in the classic locale, whose date and time layouts are fixed.
#include "diag/TimeStamp.h"

#include <gtest/gtest.h>

#include "DiagTestFiles.h"

namespace {

std::tm MakeTime(int year, int month, int day, int hour, int minute, int second) {
  std::tm time{};
  time.tm_year = year - 1900;
  time.tm_mon = month - 1;
  time.tm_mday = day;
  time.tm_hour = hour;
  time.tm_min = minute;
  time.tm_sec = second;
  return time;
}

TEST(TimeStamp, DateThreeSpacesAndTimeWithSeconds) {
  const std::tm time = MakeTime(2024, 3, 14, 9, 5, 7);
  EXPECT_EQ(FormatTimeStamp(time, true, std::locale::classic()), "03/14/24   09:05:07");
}

TEST(TimeStamp, WithoutSecondsDropsOnlyTheSecondsField) {
  const std::locale& c = std::locale::classic();
  EXPECT_EQ(FormatTimeStamp(MakeTime(2024, 3, 14, 9, 5, 7), false, c), "03/14/24   09:05");
  // Hours, minutes and seconds alike, and minutes equal to the hours: the right field goes.
  EXPECT_EQ(FormatTimeStamp(MakeTime(2001, 1, 2, 10, 10, 10), false, c), "01/02/01   10:10");
  EXPECT_EQ(FormatTimeStamp(MakeTime(2001, 1, 2, 10, 10, 5), false, c), "01/02/01   10:10");
  EXPECT_EQ(FormatTimeStamp(MakeTime(2001, 1, 2, 23, 5, 23), false, c), "01/02/01   23:05");
}

TEST(TimeStamp, NowHasDateAndTimeApart) {
  EXPECT_TRUE(IsTimeStamp(SessionTimeStamp(true))) << SessionTimeStamp(true);
}

}  // namespace
