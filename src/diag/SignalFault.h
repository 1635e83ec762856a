// Processor faults delivered as POSIX signals, turned into the crash report's fault records.
#pragma once

#include <csignal>
#include <cstdint>

#include "diag/FaultRecord.h"

// The code reported for a signal that no exception code matches; its name is the table's
// "Unhandled Exeption".
inline constexpr uint32_t kCodeUnmappedSignal = 0xE0000000;

// The exception code of a fault signal (SIGSEGV, SIGBUS, SIGFPE, SIGILL) and its si_code.
uint32_t ExceptionCodeForSignal(int signalNumber, int signalCode);

// The fault record of a signal as an SA_SIGINFO handler receives it; `context` is the handler's
// third argument (a ucontext_t) or null. The address is where the faulting instruction is (the
// signal's address when there is no context). Access faults carry two parameters: the kind of
// access and the address accessed. An access violation next to the stack pointer is a stack
// overflow. Safe inside a signal handler.
FaultRecord FaultRecordFromSignal(const siginfo_t& info, const void* context);
