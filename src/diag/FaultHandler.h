// The crash report of processor faults: the fault signals' handler and what it starts.
#pragma once

#include <string>
#include <vector>

// The internal switch that makes the game binary show only the "Application error" dialog for
// the crash text that follows it, answering YES with exit status kApplicationErrorYes.
inline constexpr char kApplicationErrorSwitch[] = "--application-error";
inline constexpr int kApplicationErrorYes = 1;

inline constexpr char kBugReportProgramName[] = "tarsolin";

// The status the process ends with after a fault was reported: the run counts as ended.
inline constexpr int kFaultReportedStatus = 0;

struct FaultHandlerSetup {
  // Started as `dialogProgram --application-error CRASH_TEXT`; its exit status is the answer.
  std::string dialogProgram;
  // The bug-report program's working directory.
  std::string programDirectory;
  // Where the bug-report program may be; the first that can be run is started.
  std::vector<std::string> bugReportPrograms;
};

// The bug-report program in the program directory, then beside the game (where an installed
// game keeps it).
std::vector<std::string> BugReportProgramPaths(const std::string& programDirectory,
                                               const std::string& gameDirectory);

// Installs the handler for SIGSEGV, SIGBUS, SIGFPE and SIGILL, running on an alternate stack of
// the calling thread so that a stack overflow is reported too. On a fault it writes the crash
// report to the current session log, asks the player in a fresh process, starts the bug-report
// program on YES, closes the log and ends the process with kFaultReportedStatus. It uses only
// async-signal-safe calls and memory prepared here; a fault while it runs ends the process at
// once by that signal.
void InstallFaultHandler(const FaultHandlerSetup& setup);
