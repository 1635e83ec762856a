// Time stamps from the locale's date and time representations.
#include "diag/TimeStamp.h"

#include <iomanip>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace {

std::string Put(const std::tm& time, const char* format, const std::locale& locale) {
  std::ostringstream out;
  out.imbue(locale);
  out << std::put_time(&time, format);
  return out.str();
}

std::locale UserLocale() {
  try {
    return std::locale("");
  } catch (const std::runtime_error&) {
    return std::locale::classic();
  }
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Removes "<separator><seconds>" that follows the minutes in the locale's time text. A layout
// where that cannot be found (other digits, say) keeps its seconds.
std::string DropSeconds(std::string time, const std::string& minutes, const std::string& seconds) {
  const std::size_t fieldLength = minutes.size() + 1 + seconds.size();
  for (std::size_t at = 0; at + fieldLength <= time.size(); ++at) {
    const std::size_t separator = at + minutes.size();
    if (time.compare(at, minutes.size(), minutes) == 0 && !IsDigit(time[separator]) &&
        time.compare(separator + 1, seconds.size(), seconds) == 0 &&
        (at + fieldLength == time.size() || !IsDigit(time[at + fieldLength]))) {
      return time.erase(separator, 1 + seconds.size());
    }
  }
  return time;
}

}  // namespace

std::string FormatTimeStamp(const std::tm& time, bool withSeconds, const std::locale& locale) {
  std::string clock = Put(time, "%X", locale);
  if (!withSeconds) {
    clock = DropSeconds(std::move(clock), Put(time, "%M", locale), Put(time, "%S", locale));
  }
  return Put(time, "%x", locale) + "   " + clock;
}

std::string SessionTimeStamp(bool withSeconds) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return FormatTimeStamp(local, withSeconds, UserLocale());
}
