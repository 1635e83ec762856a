// Mapping fault signals to exception codes and reading the faulting thread's registers.
#include "diag/SignalFault.h"

#include <ucontext.h>

#include "diag/ExceptionNames.h"

namespace {

uint32_t CodeForFloatingPoint(int signalCode) {
  switch (signalCode) {
    case FPE_INTDIV:
      return kCodeIntegerDivideByZero;
    case FPE_INTOVF:
      return kCodeIntegerOverflow;
    case FPE_FLTDIV:
      return kCodeFloatDivideByZero;
    case FPE_FLTOVF:
      return kCodeFloatOverflow;
    case FPE_FLTUND:
      return kCodeFloatUnderflow;
    case FPE_FLTRES:
      return kCodeFloatInexactResult;
    case FPE_FLTSUB:
      return kCodeArrayBoundsExceeded;
    default:
      return kCodeFloatInvalidOperation;
  }
}

uint32_t CodeForBus(int signalCode) {
  return signalCode == BUS_ADRALN ? kCodeDatatypeMisalignment : kCodeInPageError;
}

uint32_t CodeForIllegal(int signalCode) {
  const bool privileged = signalCode == ILL_PRVOPC || signalCode == ILL_PRVREG;
  return privileged ? kCodePrivilegedInstruction : kCodeIllegalInstruction;
}

bool IsAccessFault(uint32_t code) {
  return code == kCodeAccessViolation || code == kCodeInPageError || code == kCodeStackOverflow;
}

// An access this close to the stack pointer can only have run into the stack's guard: the
// stack is full.
constexpr uint64_t kStackReach = 64 * 1024;

bool NearStackPointer(uint64_t accessed, uint64_t stackPointer) {
  return stackPointer != 0 && accessed + kStackReach >= stackPointer &&
         accessed <= stackPointer + kStackReach;
}

uint64_t AddressValue(const void* address) {
  return reinterpret_cast<uintptr_t>(address);
}

#if defined(__x86_64__) && defined(__linux__)

// The page-fault error code's write and instruction-fetch bits.
constexpr greg_t kErrorWrite = 0x2;
constexpr greg_t kErrorFetch = 0x10;

uint64_t Reg(const ucontext_t& context, int index) {
  return static_cast<uint64_t>(context.uc_mcontext.gregs[index]);
}

// Reads the registers and the kind of access (0 read, 1 write, 8 execute) from the context.
uint64_t ReadContext(const void* context, FaultRegisters& registers) {
  const ucontext_t& uc = *static_cast<const ucontext_t*>(context);
  // REG_CSGSFS packs cs, gs and fs as three 16-bit fields, low to high.
  const uint64_t segments = Reg(uc, REG_CSGSFS);
  registers.cs = segments & 0xFFFF;
  registers.gs = (segments >> 16) & 0xFFFF;
  registers.fs = (segments >> 32) & 0xFFFF;
  registers.ip = Reg(uc, REG_RIP);
  registers.eax = Reg(uc, REG_RAX);
  registers.ebx = Reg(uc, REG_RBX);
  registers.ecx = Reg(uc, REG_RCX);
  registers.edx = Reg(uc, REG_RDX);
  registers.esi = Reg(uc, REG_RSI);
  registers.edi = Reg(uc, REG_RDI);
  registers.esp = Reg(uc, REG_RSP);
  registers.ebp = Reg(uc, REG_RBP);
  const greg_t error = uc.uc_mcontext.gregs[REG_ERR];
  if ((error & kErrorFetch) != 0) return 8;
  return (error & kErrorWrite) != 0 ? 1 : 0;
}

#else

// Other processors: their registers are not named in the report, which then shows zeros.
uint64_t ReadContext(const void*, FaultRegisters&) {
  return 0;
}

#endif

}  // namespace

uint32_t ExceptionCodeForSignal(int signalNumber, int signalCode) {
  switch (signalNumber) {
    case SIGSEGV:
      return kCodeAccessViolation;
    case SIGBUS:
      return CodeForBus(signalCode);
    case SIGFPE:
      return CodeForFloatingPoint(signalCode);
    case SIGILL:
      return CodeForIllegal(signalCode);
    default:
      return kCodeUnmappedSignal;
  }
}

FaultRecord FaultRecordFromSignal(const siginfo_t& info, const void* context) {
  FaultRecord fault;
  fault.code = ExceptionCodeForSignal(info.si_signo, info.si_code);
  // A signal sent by a process (si_code not above 0) holds its sender, not an address.
  const uint64_t accessed = info.si_code > 0 ? AddressValue(info.si_addr) : 0;
  fault.address = accessed;
  uint64_t accessKind = 0;
  if (context != nullptr) {
    accessKind = ReadContext(context, fault.registers);
    if (fault.registers.ip != 0) fault.address = fault.registers.ip;
    if (fault.code == kCodeAccessViolation && NearStackPointer(accessed, fault.registers.esp))
      fault.code = kCodeStackOverflow;
  }
  if (IsAccessFault(fault.code)) {
    fault.parameterCount = 2;
    fault.parameters[0] = accessKind;
    fault.parameters[1] = accessed;
  }
  return fault;
}
