// The faults made on purpose. The sanitizers are kept out of them: each must reach the
// processor (or the handler) as it would in a player's game.
#include "diag/FaultOnPurpose.h"

#include <climits>
#include <cstring>
#include <new>

namespace {

__attribute__((no_sanitize("address", "undefined"))) void WriteThroughNull() {
  int* volatile target = nullptr;
  *target = 1;
}

__attribute__((no_sanitize("address", "undefined"))) int DivideByZero() {
  // Both unknown to the compiler, which would otherwise turn 1 / x into a comparison.
  volatile int dividend = 100;
  volatile int zero = 0;
  return dividend / zero;
}

volatile int recursionLimit = INT_MAX;

__attribute__((noinline, no_sanitize("address", "undefined"))) int Recurse(int depth) {
  volatile char frame[512];
  frame[0] = static_cast<char>(depth);
  if (depth == recursionLimit) return frame[0];
  return Recurse(depth + 1) + frame[0];
}

}  // namespace

PurposeFault PurposeFaultFromName(const char* name) {
  if (name == nullptr) return PurposeFault::None;
  const struct {
    const char* name;
    PurposeFault fault;
  } names[] = {{"null", PurposeFault::NullPointer},
               {"divide", PurposeFault::DivideByZero},
               {"stack", PurposeFault::StackOverflow},
               {"memory", PurposeFault::MemoryExhaustion}};
  for (const auto& entry : names) {
    if (std::strcmp(name, entry.name) == 0) return entry.fault;
  }
  return PurposeFault::None;
}

void FaultOnPurpose(PurposeFault fault) {
  switch (fault) {
    case PurposeFault::None:
      return;
    case PurposeFault::NullPointer:
      WriteThroughNull();
      return;
    case PurposeFault::DivideByZero:
      DivideByZero();
      return;
    case PurposeFault::StackOverflow:
      Recurse(0);
      return;
    case PurposeFault::MemoryExhaustion:
      if (std::new_handler handler = std::get_new_handler()) handler();
      return;
  }
}
