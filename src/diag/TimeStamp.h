// The session log's time stamps: the user's short date, three spaces, the user's time.
#pragma once

#include <ctime>
#include <locale>
#include <string>

// The local time now in the user's locale (from the environment; the classic locale when the
// environment names one that is not installed). Without seconds the time keeps the locale's
// layout and drops only its seconds field.
std::string SessionTimeStamp(bool withSeconds);

// The same for a given broken-down time and locale.
std::string FormatTimeStamp(const std::tm& time, bool withSeconds, const std::locale& locale);
