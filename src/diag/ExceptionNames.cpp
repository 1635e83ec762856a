// The exception-name table.
#include "diag/ExceptionNames.h"

namespace {

struct NamedCode {
  uint32_t code;
  const char* name;
};

constexpr NamedCode kNames[] = {
    {0x00000000, "Wait 0"},
    {0x00000080, "Abandoned wait 0"},
    {0x000000C0, "User APC"},
    {0x00000102, "Timeout"},
    {0x00000103, "Pending"},
    {0x40000005, "Segment notification"},
    {0x80000001, "Guard page violation"},
    {0x80000002, "Datatype misalignment"},
    {0x80000003, "Breakpoint"},
    {0x80000004, "Single step"},
    {0xC0000005, "Access violation"},
    {0xC0000006, "In page error"},
    {0xC0000008, "Invalid handle"},
    {0xC0000017, "No memory"},
    {0xC000001D, "Illegal instruction"},
    {0xC0000025, "Noncontinuable exeption"},
    {0xC0000026, "Invalid disposition"},
    {0xC000008C, "Array bounds exceed"},
    {0xC000008D, "Float denormal operand"},
    {0xC000008E, "Float divide by zero"},
    {0xC000008F, "Float inexact result"},
    {0xC0000090, "Float invalid operation"},
    {0xC0000091, "Float overflow"},
    {0xC0000092, "Float stack check"},
    {0xC0000093, "Float underflow"},
    {0xC0000094, "Integer divide by zero"},
    {0xC0000095, "Integer overflow"},
    {0xC0000096, "Privileged instruction"},
    {0xC00000FD, "Stack owerflow"},
    {0xC000013A, "Control C exit"},
    {0xC00002B4, "Float multiple faults"},
    {0xC00002B5, "Float multiple traps"},
    {0xC00002C0, "Illegal VLM reference"},
};

}  // namespace

const char* ExceptionName(uint32_t code) {
  for (const NamedCode& entry : kNames) {
    if (entry.code == code) return entry.name;
  }
  return "Unhandled Exeption";
}
