// Faults made on purpose, so that tests can watch the crash report of the real game.
#pragma once

// The environment variable that makes the game fault at the first join: "null", "divide",
// "stack" or "memory". Unset, or any other value, nothing happens.
inline constexpr char kFaultOnPurposeVariable[] = "PAVLEMIR_FAULT";

enum class PurposeFault { None, NullPointer, DivideByZero, StackOverflow, MemoryExhaustion };

PurposeFault PurposeFaultFromName(const char* name);

// Writes through a null pointer, divides an integer by zero, recurses until the stack is full,
// or calls the installed memory-exhaustion handler as a failed allocation would. Returns only
// for None or when no handler is installed.
void FaultOnPurpose(PurposeFault fault);
