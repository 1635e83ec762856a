// The crash report's text, the exception names and the fixed-buffer number formatting.
#include "diag/CrashReport.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <string>

#include "diag/ExceptionNames.h"
#include "diag/FixedText.h"

namespace {

std::string Report(const FaultRecord& fault) {
  char buffer[kCrashReportCapacity];
  const std::size_t length = FormatCrashReport(fault, buffer, sizeof buffer);
  EXPECT_EQ(length, std::strlen(buffer));
  return std::string(buffer, length);
}

FaultRecord AccessViolation() {
  FaultRecord fault;
  fault.code = 0xC0000005;
  fault.address = 0x401A2B;
  fault.parameterCount = 2;
  fault.parameters[0] = 1;
  fault.parameters[1] = 0xDEADBEEF;
  fault.registers = {0x33, 0x401A2B, 0x63, 0x2B, 0,  0,      0x2B,  10,
                     11,   12,       13,   14,   15, 0x7FF0, 0x7FF8};
  return fault;
}

TEST(CrashReport, AccessViolationLines) {
  EXPECT_EQ(Report(AccessViolation()),
            "Exception: Access violation\n"
            "Address = 401A2B\n"
            "Parameter 0 = 1\n"
            "Parameter 1 = DEADBEEF\n"
            "Registers:\n"
            "CS = 33\nIP = 401A2B\nGS = 63\nFS = 2B\nES = 0\nDS = 0\nSS = 2B\n"
            "EAX = A\nEBX = B\nECX = C\nEDX = D\nESI = E\nEDI = F\nESP = 7FF0\nEBP = 7FF8\n");
}

TEST(CrashReport, NoParametersNoParameterLines) {
  FaultRecord fault;
  fault.code = 0xC0000094;
  EXPECT_TRUE(Report(fault).starts_with(
      "Exception: Integer divide by zero\nAddress = 0\nRegisters:\nCS = 0\n"));
}

TEST(CrashReport, UnknownCodeIsUnhandled) {
  FaultRecord fault;
  fault.code = 0x12345678;
  EXPECT_TRUE(Report(fault).starts_with("Exception: Unhandled Exeption\nAddress = 0\n"));
  EXPECT_STREQ(ExceptionName(0xC0000004), "Unhandled Exeption");
  // Zero is a named code, not a missing one.
  EXPECT_STREQ(ExceptionName(0), "Wait 0");
  EXPECT_STREQ(ExceptionName(0xC00000FD), "Stack owerflow");
  EXPECT_STREQ(ExceptionName(0xC00002C0), "Illegal VLM reference");
}

TEST(CrashReport, WidestReportFitsAndParameterCountIsCapped) {
  FaultRecord fault;
  fault.code = 0x12345678;
  fault.address = UINT64_MAX;
  fault.parameterCount = 1000;
  fault.parameters.fill(0x8000000000000000u);
  constexpr uint64_t m = UINT64_MAX;
  fault.registers = {m, m, m, m, m, m, m, m, m, m, m, m, m, m, m};
  const std::string text = Report(fault);
  EXPECT_LT(text.size() + 1, kCrashReportCapacity);
  EXPECT_NE(text.find("Parameter 14 = -9223372036854775808\nRegisters:\n"), std::string::npos);
  EXPECT_EQ(text.find("Parameter 15"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 23), "EBP = FFFFFFFFFFFFFFFF\n");
}

TEST(CrashReport, SmallBufferGetsATerminatedPrefix) {
  const std::string full = Report(AccessViolation());
  char small[17];
  std::memset(small, '#', sizeof small);
  EXPECT_EQ(FormatCrashReport(AccessViolation(), small, sizeof small), 16u);
  EXPECT_EQ(std::string(small), full.substr(0, 16));
  char untouched = '#';
  EXPECT_EQ(FormatCrashReport(AccessViolation(), &untouched, 0), 0u);
  EXPECT_EQ(untouched, '#');
}

TEST(FixedText, NumbersMatchPrintf) {
  const uint64_t values[] = {0,
                             1,
                             9,
                             10,
                             15,
                             16,
                             255,
                             0x7FFFFFFF,
                             0x80000000,
                             0xFFFFFFFF,
                             0x123456789ABCDEF0u,
                             0x8000000000000000u,
                             UINT64_MAX};
  for (const uint64_t value : values) {
    char ours[64];
    char theirs[64];
    FixedText(ours, sizeof ours).AppendHex(value);
    std::snprintf(theirs, sizeof theirs, "%" PRIX64, value);
    EXPECT_STREQ(ours, theirs);
    const auto signedValue = static_cast<int64_t>(value);
    FixedText(ours, sizeof ours).AppendDecimal(signedValue);
    std::snprintf(theirs, sizeof theirs, "%" PRId64, signedValue);
    EXPECT_STREQ(ours, theirs);
  }
}

}  // namespace
