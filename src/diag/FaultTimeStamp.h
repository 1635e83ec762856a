// The session log's time stamp written from the fault handler, where the locale cannot be used.
#pragma once

#include <cstddef>
#include <ctime>

// Learns the user's time-stamp layout and the local time's offset from UTC, so that the stamp
// can later be written without the locale, the time-zone lock or memory. Not signal-safe: call
// it at start-up. A layout it cannot learn (names of months, say) falls back to the numeric
// month/day/year and 24-hour time.
void PrepareFaultTimeStamp();

// Writes "<date>   <time>" with seconds for the given UTC seconds, NUL-terminated and cut to
// `capacity`, in the layout learnt by PrepareFaultTimeStamp(). Safe inside a signal handler.
// Answers the length.
std::size_t FormatFaultTimeStamp(std::time_t utcSeconds, char* buffer, std::size_t capacity);

// The same for the current time.
std::size_t FormatFaultTimeStampNow(char* buffer, std::size_t capacity);
