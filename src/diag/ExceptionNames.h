// Names of the exception codes that the crash report writes.
#pragma once

#include <cstdint>

// The exception codes that faults are reported under.
enum ExceptionCode : uint32_t {
  kCodeDatatypeMisalignment = 0x80000002,
  kCodeAccessViolation = 0xC0000005,
  kCodeInPageError = 0xC0000006,
  kCodeIllegalInstruction = 0xC000001D,
  kCodeArrayBoundsExceeded = 0xC000008C,
  kCodeFloatDivideByZero = 0xC000008E,
  kCodeFloatInexactResult = 0xC000008F,
  kCodeFloatInvalidOperation = 0xC0000090,
  kCodeFloatOverflow = 0xC0000091,
  kCodeFloatUnderflow = 0xC0000093,
  kCodeIntegerDivideByZero = 0xC0000094,
  kCodeIntegerOverflow = 0xC0000095,
  kCodePrivilegedInstruction = 0xC0000096,
  kCodeStackOverflow = 0xC00000FD,
};

// The code's name, or "Unhandled Exeption" for a code that has none. The texts are static, so
// this is safe inside a signal handler.
const char* ExceptionName(uint32_t code);
