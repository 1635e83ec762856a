// Formatting the crash report of a fault record.
#include "diag/CrashReport.h"

#include <algorithm>

#include "diag/ExceptionNames.h"
#include "diag/FixedText.h"

namespace {

struct RegisterLine {
  const char* label;
  uint64_t FaultRegisters::*value;
};

constexpr RegisterLine kRegisterLines[] = {
    {"CS = ", &FaultRegisters::cs},   {"IP = ", &FaultRegisters::ip},
    {"GS = ", &FaultRegisters::gs},   {"FS = ", &FaultRegisters::fs},
    {"ES = ", &FaultRegisters::es},   {"DS = ", &FaultRegisters::ds},
    {"SS = ", &FaultRegisters::ss},   {"EAX = ", &FaultRegisters::eax},
    {"EBX = ", &FaultRegisters::ebx}, {"ECX = ", &FaultRegisters::ecx},
    {"EDX = ", &FaultRegisters::edx}, {"ESI = ", &FaultRegisters::esi},
    {"EDI = ", &FaultRegisters::edi}, {"ESP = ", &FaultRegisters::esp},
    {"EBP = ", &FaultRegisters::ebp},
};

void AppendParameters(const FaultRecord& fault, FixedText& text) {
  const std::size_t count = std::min(fault.parameterCount, kMaxFaultParameters);
  for (std::size_t i = 0; i < count; ++i) {
    text.Append("Parameter ").AppendDecimal(static_cast<int64_t>(i)).Append(" = ");
    // Parameter 1 of an access violation is an address, hence hexadecimal.
    if (i == 1) {
      text.AppendHex(fault.parameters[i]);
    } else {
      text.AppendDecimal(static_cast<int64_t>(fault.parameters[i]));
    }
    text.Append("\n");
  }
}

}  // namespace

std::size_t FormatCrashReport(const FaultRecord& fault, char* buffer, std::size_t capacity) {
  FixedText text(buffer, capacity);
  text.Append("Exception: ").Append(ExceptionName(fault.code)).Append("\n");
  text.Append("Address = ").AppendHex(fault.address).Append("\n");
  AppendParameters(fault, text);
  text.Append("Registers:\n");
  for (const RegisterLine& line : kRegisterLines) {
    text.Append(line.label).AppendHex(fault.registers.*line.value).Append("\n");
  }
  return text.Length();
}
