// Child processes that fault on purpose: the report they leave in their session log, in order,
// the question asked in a fresh process, the bug-report program started on YES, and the end.
#include "diag/FaultHandler.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "DiagTestFiles.h"
#include "diag/ExceptionHandling.h"
#include "diag/FaultOnPurpose.h"
#include "diag/MemoryExhaustion.h"
#include "diag/SessionLog.h"

namespace {

constexpr char kSeparator[] = "---------------------------------------------------------";

void WriteScript(const std::string& path, const std::string& body) {
  std::ofstream(path) << "#!/bin/sh\n" << body;
  chmod(path.c_str(), 0755);
}

// The game's run in the child: its log, the handler, then the fault.
void FaultInChild(const std::string& logPath, const FaultHandlerSetup& setup, PurposeFault fault) {
  SessionLog log(logPath);
  log.Open();
  log.Write("before the fault\n");
  InstallFaultHandler(setup);
  FaultOnPurpose(fault);
}

class FaultHandlerDeathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir.Path().empty());
    // The stand-ins: the dialog notes its arguments and answers as told; the bug-report program
    // notes where it runs and how many arguments it got.
    WriteBugReportProgram();
    AnswerDialog("1");
  }
  void AnswerDialog(const std::string& answer) {
    WriteScript(dir.File("dialog"),
                "echo \"$@\" > \"" + dir.File("asked") + "\"\nexit " + answer + "\n");
  }
  void WriteBugReportProgram() {
    WriteScript(dir.File("tarsolin"), "pwd > \"" + dir.File("reported") + "\"\necho $# >> \"" +
                                          dir.File("reported") + "\"\n");
  }
  FaultHandlerSetup Setup() const {
    return {dir.File("dialog"), dir.Path().string(),
            BugReportProgramPaths(dir.Path().string(), "/nonexistent")};
  }
  std::vector<std::string> LogLines() const { return SplitLines(ReadWholeFile(logPath)); }
  // The bug-report program runs on its own; give it a moment to write both its lines.
  std::string Reported() const {
    std::string text;
    for (int i = 0; i < 100; ++i, usleep(20000)) {
      text = ReadWholeFile(dir.File("reported"));
      if (std::count(text.begin(), text.end(), '\n') == 2) break;
    }
    return text;
  }

  TempDir dir;
  std::string logPath = SessionLogPath(dir.Path().string());
};

// A line as expected: the text itself, or the text followed by a hexadecimal number ("#") or
// by anything ("*").
bool LineMatches(const std::string& line, const std::string& expected) {
  const char tail = expected.empty() ? '\0' : expected.back();
  if (tail != '#' && tail != '*') return line == expected;
  const std::string head = expected.substr(0, expected.size() - 1);
  if (line.rfind(head, 0) != 0) return false;
  const std::string rest = line.substr(head.size());
  return tail == '*' ||
         (!rest.empty() && rest.find_first_not_of("0123456789ABCDEF") == std::string::npos);
}

// The report after "before the fault": the exception, its address and parameters, the
// registers in order, then the end block and nothing more.
void ExpectReport(const std::vector<std::string>& lines, const std::string& name,
                  const std::vector<std::string>& parameters) {
  std::size_t at = 0;
  while (at < lines.size() && lines[at] != "before the fault") ++at;
  ASSERT_LT(at + 1, lines.size());
  std::vector<std::string> expected{"Exception: " + name, "Address = #"};
  expected.insert(expected.end(), parameters.begin(), parameters.end());
  expected.push_back("Registers:");
  for (const char* r : {"CS", "IP", "GS", "FS", "ES", "DS", "SS", "EAX", "EBX", "ECX", "EDX", "ESI",
                        "EDI", "ESP", "EBP"})
    expected.push_back(std::string(r) + " = #");
  expected.push_back(kSeparator);
  expected.push_back("END SESSION: *");
  expected.push_back(kSeparator);
  ASSERT_EQ(lines.size(), at + 1 + expected.size()) << name;
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_TRUE(LineMatches(lines[at + 1 + i], expected[i]))
        << lines[at + 1 + i] << " is not " << expected[i];
  EXPECT_TRUE(IsTimeStamp(lines[lines.size() - 2].substr(std::strlen("END SESSION: "))));
}

TEST_F(FaultHandlerDeathTest, FaultsAreReportedAskedAndEnded) {
  const struct {
    PurposeFault fault;
    const char* name;
    std::vector<std::string> parameters;
  } faults[] = {
      {PurposeFault::NullPointer, "Access violation", {"Parameter 0 = 1", "Parameter 1 = 0"}},
      {PurposeFault::DivideByZero, "Integer divide by zero", {}},
      {PurposeFault::StackOverflow, "Stack owerflow", {"Parameter 0 = 1", "Parameter 1 = #"}},
  };
  for (const auto& f : faults) {
    std::remove(logPath.c_str());
    std::remove(dir.File("reported").c_str());
    EXPECT_EXIT(FaultInChild(logPath, Setup(), f.fault),
                testing::ExitedWithCode(kFaultReportedStatus), "");
    ExpectReport(LogLines(), f.name, f.parameters);
    EXPECT_EQ(ReadWholeFile(dir.File("asked")),
              std::string(kApplicationErrorSwitch) + " " + f.name + "\n");
    // YES: the bug-report program ran in the program folder with no arguments.
    EXPECT_EQ(Reported(), dir.Path().string() + "\n0\n") << f.name;
  }
}

TEST_F(FaultHandlerDeathTest, NoStartsNothing) {
  AnswerDialog("0");
  EXPECT_EXIT(FaultInChild(logPath, Setup(), PurposeFault::NullPointer),
              testing::ExitedWithCode(kFaultReportedStatus), "");
  ExpectReport(LogLines(), "Access violation", {"Parameter 0 = 1", "Parameter 1 = 0"});
  usleep(200000);
  EXPECT_EQ(ReadWholeFile(dir.File("reported")), "");
}

TEST_F(FaultHandlerDeathTest, SecondFaultWhileReportingEndsAtOnce) {
  // The fault signal arrives again while the handler waits for the answer.
  WriteScript(dir.File("dialog"), "kill -SEGV $PPID\nexec sleep 1 >/dev/null 2>&1\n");
  EXPECT_EXIT(FaultInChild(logPath, Setup(), PurposeFault::DivideByZero),
              testing::KilledBySignal(SIGSEGV), "");
  const std::string log = ReadWholeFile(logPath);
  EXPECT_NE(log.find("Exception: Integer divide by zero\n"), std::string::npos);
  EXPECT_EQ(log.find("END SESSION"), std::string::npos);
  EXPECT_EQ(ReadWholeFile(dir.File("reported")), "");
}

// Tells on standard error what the player would be shown.
class NotingShell final : public ErrorReportShell {
 public:
  void ShowErrorBox(const char* text, const char*) override {
    std::fprintf(stderr, "box: %s\n", text);
  }
  bool AskApplicationError(const char* crashText) override {
    std::fprintf(stderr, "dialog: %s\n", crashText);
    return false;
  }
  void StartBugReportProgram() override { std::fprintf(stderr, "bug report\n"); }
};

// The run routine's catch: the memory-exhaustion handler's raise ends the run with -1.
int RunOutOfMemory(const std::string& logPath) {
  SessionLog log(logPath);
  log.Open();
  InstallMemoryExhaustionHandler();
  try {
    FaultOnPurpose(PurposeFault::MemoryExhaustion);
  } catch (const CGP_Exeption& exception) {
    NotingShell shell;
    HandleRaisedException(exception, shell);
    return -1;
  }
  return 0;
}

TEST_F(FaultHandlerDeathTest, MemoryExhaustionEndsTheRun) {
  EXPECT_EXIT(std::exit(RunOutOfMemory(logPath)), testing::ExitedWithCode(255),
              "dialog: Internal runtime error");
  const std::vector<std::string> lines = LogLines();
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[3], "Line 0 in module Puzzle throw exception:");
  EXPECT_EQ(lines[4], "Error memory allocation");
  EXPECT_EQ(lines[5], "");
  EXPECT_EQ(lines[7].rfind("END SESSION: ", 0), 0u);
}

}  // namespace
