// Fault signals: their exception codes, fault records from a made-up context and a real fault.
#include "diag/SignalFault.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <ucontext.h>
#include <unistd.h>

#include <cinttypes>
#include <cstdio>
#include <string>

#include "diag/CrashReport.h"
#include "diag/ExceptionNames.h"

namespace {

TEST(SignalFault, SignalsNameTheirExceptions) {
  const struct {
    int signalNumber;
    int signalCode;
    const char* name;
  } rows[] = {
      {SIGSEGV, SEGV_MAPERR, "Access violation"},
      {SIGSEGV, SEGV_ACCERR, "Access violation"},
      {SIGFPE, FPE_INTDIV, "Integer divide by zero"},
      {SIGFPE, FPE_INTOVF, "Integer overflow"},
      {SIGFPE, FPE_FLTDIV, "Float divide by zero"},
      {SIGFPE, FPE_FLTOVF, "Float overflow"},
      {SIGFPE, FPE_FLTUND, "Float underflow"},
      {SIGFPE, FPE_FLTRES, "Float inexact result"},
      {SIGFPE, FPE_FLTINV, "Float invalid operation"},
      {SIGFPE, FPE_FLTSUB, "Array bounds exceed"},
      {SIGBUS, BUS_ADRALN, "Datatype misalignment"},
      {SIGBUS, BUS_ADRERR, "In page error"},
      {SIGBUS, BUS_OBJERR, "In page error"},
      {SIGILL, ILL_ILLOPC, "Illegal instruction"},
      {SIGILL, ILL_ILLOPN, "Illegal instruction"},
      {SIGILL, ILL_PRVOPC, "Privileged instruction"},
      {SIGILL, ILL_PRVREG, "Privileged instruction"},
      {SIGTERM, SI_USER, "Unhandled Exeption"},
  };
  for (const auto& row : rows) {
    EXPECT_STREQ(ExceptionName(ExceptionCodeForSignal(row.signalNumber, row.signalCode)), row.name)
        << row.signalNumber << "/" << row.signalCode;
  }
}

siginfo_t MakeInfo(int signalNumber, int signalCode, uintptr_t address) {
  siginfo_t info{};
  info.si_signo = signalNumber;
  info.si_code = signalCode;
  info.si_addr = reinterpret_cast<void*>(address);
  return info;
}

TEST(SignalFault, WithoutContextTheAddressIsTheSignals) {
  const FaultRecord fault = FaultRecordFromSignal(MakeInfo(SIGSEGV, SEGV_MAPERR, 0x1234), nullptr);
  EXPECT_EQ(fault.address, 0x1234u);
  ASSERT_EQ(fault.parameterCount, 2u);
  EXPECT_EQ(fault.parameters[1], 0x1234u);
  EXPECT_EQ(fault.registers.ip, 0u);
}

TEST(SignalFault, SentSignalHasNoAddress) {
  siginfo_t info = MakeInfo(SIGSEGV, SI_USER, 0);
  info.si_pid = 4321;
  const FaultRecord fault = FaultRecordFromSignal(info, nullptr);
  EXPECT_EQ(fault.address, 0u);
  EXPECT_EQ(fault.parameters[1], 0u);
}

TEST(SignalFault, ArithmeticFaultHasNoParameters) {
  const FaultRecord fault = FaultRecordFromSignal(MakeInfo(SIGFPE, FPE_INTDIV, 0x4010), nullptr);
  EXPECT_EQ(fault.code, static_cast<uint32_t>(kCodeIntegerDivideByZero));
  EXPECT_EQ(fault.parameterCount, 0u);
  EXPECT_EQ(fault.address, 0x4010u);
}

#if defined(__x86_64__) && defined(__linux__)

ucontext_t MadeUpContext(greg_t errorCode) {
  ucontext_t context{};
  greg_t* r = context.uc_mcontext.gregs;
  r[REG_CSGSFS] = 0x33 | (greg_t{0x63} << 16) | (greg_t{0x2B} << 32);
  r[REG_RIP] = 0x401A2B;
  r[REG_RAX] = 1;
  r[REG_RBX] = 2;
  r[REG_RCX] = 3;
  r[REG_RDX] = 4;
  r[REG_RSI] = 5;
  r[REG_RDI] = 6;
  r[REG_RSP] = 0x7FFC0000;
  r[REG_RBP] = 0x7FFC0100;
  r[REG_ERR] = errorCode;
  return context;
}

TEST(SignalFault, RegistersComeFromTheContext) {
  const ucontext_t context = MadeUpContext(0x6);
  const FaultRecord fault = FaultRecordFromSignal(MakeInfo(SIGSEGV, SEGV_MAPERR, 0x10), &context);
  char text[kCrashReportCapacity];
  FormatCrashReport(fault, text, sizeof text);
  EXPECT_STREQ(text,
               "Exception: Access violation\n"
               "Address = 401A2B\n"
               "Parameter 0 = 1\n"
               "Parameter 1 = 10\n"
               "Registers:\n"
               "CS = 33\nIP = 401A2B\nGS = 63\nFS = 2B\nES = 0\nDS = 0\nSS = 0\n"
               "EAX = 1\nEBX = 2\nECX = 3\nEDX = 4\nESI = 5\nEDI = 6\n"
               "ESP = 7FFC0000\nEBP = 7FFC0100\n");
}

TEST(SignalFault, AccessKindFromThePageFaultErrorCode) {
  const struct {
    greg_t errorCode;
    uint64_t kind;
  } rows[] = {{0x4, 0}, {0x6, 1}, {0x14, 8}, {0x15, 8}};
  for (const auto& row : rows) {
    const ucontext_t context = MadeUpContext(row.errorCode);
    const FaultRecord fault = FaultRecordFromSignal(MakeInfo(SIGSEGV, SEGV_ACCERR, 0x10), &context);
    EXPECT_EQ(fault.parameters[0], row.kind) << row.errorCode;
  }
}

#endif

constexpr int kReportedExit = 3;

void ReportAndExit(int, siginfo_t* info, void* context) {
  static char text[kCrashReportCapacity];
  const std::size_t length =
      FormatCrashReport(FaultRecordFromSignal(*info, context), text, sizeof text);
  if (write(STDERR_FILENO, text, length) < 0) _exit(kReportedExit + 1);
  _exit(kReportedExit);
}

void WriteThroughHandler(volatile char* target) {
  struct sigaction action {};
  action.sa_sigaction = &ReportAndExit;
  action.sa_flags = SA_SIGINFO;
  sigaction(SIGSEGV, &action, nullptr);
  *target = 1;
}

TEST(SignalFaultDeathTest, RealWriteFaultIsReportedAsAccessViolation) {
  const long pageSize = sysconf(_SC_PAGESIZE);
  void* page = mmap(nullptr, static_cast<std::size_t>(pageSize), PROT_NONE,
                    MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(page, MAP_FAILED);
  volatile char* target = static_cast<char*>(page) + 0x10;
  char expected[128];
  std::snprintf(expected, sizeof expected,
                "Exception: Access violation\nAddress = [0-9A-F]+\n"
                "Parameter 0 = 1\nParameter 1 = %" PRIXPTR "\nRegisters:\nCS = ",
                reinterpret_cast<uintptr_t>(target));
  EXPECT_EXIT(WriteThroughHandler(target), testing::ExitedWithCode(kReportedExit), expected);
  munmap(page, static_cast<std::size_t>(pageSize));
}

}  // namespace
