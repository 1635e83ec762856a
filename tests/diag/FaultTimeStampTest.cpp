// The fault handler's time stamp: the same text as the session log's own stamps, made without
// the locale or the time-zone functions.
#include "diag/FaultTimeStamp.h"

#include <gtest/gtest.h>

#include <locale>
#include <stdexcept>

#include "diag/TimeStamp.h"

namespace {

TEST(FaultTimeStamp, WritesWhatTheLogsStampsWrite) {
  PrepareFaultTimeStamp();
  std::locale user = std::locale::classic();
  try {
    user = std::locale("");
  } catch (const std::runtime_error&) {
  }
  // Midnight and noon, single-digit fields, a leap day, a date past 2038.
  const std::time_t now = std::time(nullptr);
  std::tm current{};
  localtime_r(&now, &current);
  for (const std::time_t utc : {now, now - now % 86400, now - now % 86400 + 43200,
                                std::time_t{951782400}, std::time_t{2240611199}}) {
    std::tm local{};
    localtime_r(&utc, &local);
    // Only times in the offset that was learnt: a change to summer time later is not followed.
    if (local.tm_gmtoff != current.tm_gmtoff) continue;
    char stamp[128];
    const std::size_t length = FormatFaultTimeStamp(utc, stamp, sizeof stamp);
    EXPECT_EQ(std::string(stamp, length), FormatTimeStamp(local, true, user)) << utc;
  }
  char tiny[6];
  EXPECT_EQ(FormatFaultTimeStamp(now, tiny, sizeof tiny), 5u);
}

}  // namespace
