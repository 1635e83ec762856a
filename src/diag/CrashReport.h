// The text that the crash report writes to the session log for a processor fault.
#pragma once

#include <cstddef>

#include "diag/FaultRecord.h"

// Enough for the longest report: every parameter and register at full width.
inline constexpr std::size_t kCrashReportCapacity = 2048;

// Formats, into `buffer` of `capacity` bytes and NUL-terminated, the lines
//   Exception: <name>
//   Address = <hex>
//   Parameter <i> = <decimal>   (parameter 1 in hexadecimal)
//   Registers:
//   CS = <hex> ... EBP = <hex>
// Safe inside a signal handler: no allocation, no stdio, no locale. Returns the text's length;
// a buffer that is too small gets the text cut short.
std::size_t FormatCrashReport(const FaultRecord& fault, char* buffer, std::size_t capacity);
