// Learning the time-stamp layout from sample times and filling it in without the locale.
#include "diag/FaultTimeStamp.h"

#include <array>
#include <cstring>
#include <iomanip>
#include <locale>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "diag/FixedText.h"
#include "diag/TimeStamp.h"

namespace {

enum class Field : char { Literal, Year4, Year2, Month, Day, Hour24, Hour12, Minute, Second, AmPm };

struct Item {
  Field field = Field::Literal;
  char literal = 0;
};

constexpr std::size_t kMaxItems = 96;
constexpr std::size_t kMaxMarker = 16;

struct Layout {
  std::array<Item, kMaxItems> items{};
  std::size_t count = 0;
  bool padded = true;
  char am[kMaxMarker] = "AM";
  char pm[kMaxMarker] = "PM";
};

Layout layout;
long utcOffset = 0;
bool prepared = false;

struct Civil {
  long year;
  int month, day, hour, minute, second;
};

// Days since 1970-01-01 to the civil date (proleptic Gregorian).
Civil CivilFromSeconds(long long seconds) {
  long long days = seconds / 86400;
  long long rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  days += 719468;
  const long long era = (days >= 0 ? days : days - 146096) / 146097;
  const long long dayOfEra = days - era * 146097;
  const long long yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long long shifted = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * shifted + 2) / 5 + 1);
  const int month = static_cast<int>(shifted < 10 ? shifted + 3 : shifted - 9);
  const long year = static_cast<long>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
  return {year,
          month,
          day,
          static_cast<int>(rest / 3600),
          static_cast<int>(rest / 60 % 60),
          static_cast<int>(rest % 60)};
}

void AppendNumber(FixedText& text, long value, bool padded) {
  if (padded && value < 10) text.Append("0");
  text.AppendDecimal(value);
}

void Render(const Layout& l, const Civil& t, FixedText& text) {
  const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
  for (std::size_t i = 0; i < l.count; ++i) {
    const Item& item = l.items[i];
    switch (item.field) {
      case Field::Literal: {
        const char one[2] = {item.literal, '\0'};
        text.Append(one);
        break;
      }
      case Field::Year4:
        text.AppendDecimal(t.year);
        break;
      case Field::Year2:
        AppendNumber(text, t.year % 100, true);
        break;
      case Field::Month:
        AppendNumber(text, t.month, l.padded);
        break;
      case Field::Day:
        AppendNumber(text, t.day, l.padded);
        break;
      case Field::Hour24:
        AppendNumber(text, t.hour, l.padded);
        break;
      case Field::Hour12:
        AppendNumber(text, hour12, l.padded);
        break;
      case Field::Minute:
        AppendNumber(text, t.minute, true);
        break;
      case Field::Second:
        AppendNumber(text, t.second, true);
        break;
      case Field::AmPm:
        text.Append(t.hour < 12 ? l.am : l.pm);
        break;
    }
  }
}

std::tm BrokenDown(const Civil& t) {
  std::tm tm{};
  tm.tm_year = static_cast<int>(t.year - 1900);
  tm.tm_mon = t.month - 1;
  tm.tm_mday = t.day;
  tm.tm_hour = t.hour;
  tm.tm_min = t.minute;
  tm.tm_sec = t.second;
  return tm;
}

// The sample's fields are all different, so each digit group names its field.
constexpr Civil kSample{2033, 11, 22, 15, 44, 58};
constexpr Civil kCheck{2034, 3, 5, 4, 6, 7};

bool Learn(const std::string& sample, std::string_view pm, Layout& l) {
  const std::pair<std::string_view, Field> tokens[] = {
      {"2033", Field::Year4}, {"33", Field::Year2},  {"11", Field::Month},
      {"22", Field::Day},     {"15", Field::Hour24}, {"03", Field::Hour12},
      {"44", Field::Minute},  {"58", Field::Second}, {"3", Field::Hour12}};
  l.count = 0;
  for (std::size_t at = 0; at < sample.size();) {
    if (l.count == kMaxItems) return false;
    Item item{Field::Literal, sample[at]};
    std::size_t length = 1;
    for (const auto& [text, field] : tokens) {
      if (sample.compare(at, text.size(), text) == 0) {
        item.field = field;
        length = text.size();
        break;
      }
    }
    if (item.field == Field::Literal && !pm.empty() && sample.compare(at, pm.size(), pm) == 0) {
      item.field = Field::AmPm;
      length = pm.size();
    }
    l.items[l.count++] = item;
    at += length;
  }
  return true;
}

std::string RenderToString(const Layout& l, const Civil& t) {
  char buffer[256];
  FixedText text(buffer, sizeof buffer);
  Render(l, t, text);
  return buffer;
}

std::string Marker(const Civil& t, const std::locale& locale) {
  const std::tm tm = BrokenDown(t);
  std::ostringstream out;
  out.imbue(locale);
  out << std::put_time(&tm, "%p");
  return out.str();
}

// A layout that reproduces the locale's stamps of two unlike times, padded or not.
bool LearnFrom(const std::locale& locale, Layout& l) {
  const std::string pm = Marker(kSample, locale), am = Marker(kCheck, locale);
  if (pm.size() >= kMaxMarker || am.size() >= kMaxMarker) return false;
  std::strcpy(l.pm, pm.c_str());
  std::strcpy(l.am, am.c_str());
  if (!Learn(FormatTimeStamp(BrokenDown(kSample), true, locale), pm, l)) return false;
  const std::string expected = FormatTimeStamp(BrokenDown(kCheck), true, locale);
  for (bool padded : {true, false}) {
    l.padded = padded;
    if (RenderToString(l, kCheck) == expected) return true;
  }
  return false;
}

}  // namespace

void PrepareFaultTimeStamp() {
  std::locale user = std::locale::classic();
  try {
    user = std::locale("");
  } catch (const std::runtime_error&) {
  }
  if (!LearnFrom(user, layout)) LearnFrom(std::locale::classic(), layout);
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  utcOffset = local.tm_gmtoff;
  prepared = true;
}

std::size_t FormatFaultTimeStamp(std::time_t utcSeconds, char* buffer, std::size_t capacity) {
  FixedText text(buffer, capacity);
  if (prepared) Render(layout, CivilFromSeconds(utcSeconds + utcOffset), text);
  return text.Length();
}

std::size_t FormatFaultTimeStampNow(char* buffer, std::size_t capacity) {
  struct timespec now {};
  clock_gettime(CLOCK_REALTIME, &now);
  return FormatFaultTimeStamp(now.tv_sec, buffer, capacity);
}
