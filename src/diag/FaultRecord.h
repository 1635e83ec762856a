// What the fault handler knows about a processor fault: its code, address, parameters, registers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The faulting thread's registers under the names the crash report uses. On x86-64 the general
// registers are the 64-bit ones (IP is rip, EAX is rax, ...); segment registers the context does
// not hold are 0.
struct FaultRegisters {
  uint64_t cs = 0;
  uint64_t ip = 0;
  uint64_t gs = 0;
  uint64_t fs = 0;
  uint64_t es = 0;
  uint64_t ds = 0;
  uint64_t ss = 0;
  uint64_t eax = 0;
  uint64_t ebx = 0;
  uint64_t ecx = 0;
  uint64_t edx = 0;
  uint64_t esi = 0;
  uint64_t edi = 0;
  uint64_t esp = 0;
  uint64_t ebp = 0;
};

inline constexpr std::size_t kMaxFaultParameters = 15;

// A fault as the crash report sees it. For an access violation parameter 0 is the kind of access
// (0 read, 1 write, 8 execute) and parameter 1 the address that was accessed. Counts above
// kMaxFaultParameters are treated as kMaxFaultParameters.
struct FaultRecord {
  uint32_t code = 0;
  uint64_t address = 0;
  std::size_t parameterCount = 0;
  std::array<uint64_t, kMaxFaultParameters> parameters{};
  FaultRegisters registers;
};
