// The fault signals' handler: report, question, bug-report program, end.
#include "diag/FaultHandler.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "diag/CrashReport.h"
#include "diag/ExceptionNames.h"
#include "diag/FaultTimeStamp.h"
#include "diag/SessionLog.h"
#include "diag/SignalFault.h"

extern char** environ;

namespace {

constexpr int kFaultSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL};
constexpr std::size_t kPathCapacity = 4096;
constexpr std::size_t kMaxBugReportPrograms = 4;
// Room for the report's formatting and the process starts, also with the sanitizers' frames.
constexpr std::size_t kAlternateStackSize = 256 * 1024;

// Everything the handler uses, made before any fault.
struct Prepared {
  char dialogProgram[kPathCapacity] = {};
  char programDirectory[kPathCapacity] = {};
  char bugReportPrograms[kMaxBugReportPrograms][kPathCapacity] = {};
  char report[kCrashReportCapacity] = {};
};

Prepared prepared;
alignas(16) char alternateStack[kAlternateStackSize];
volatile sig_atomic_t handling = 0;

void CopyPath(const std::string& from, char (&to)[kPathCapacity]) {
  // A path that does not fit is left empty rather than cut into another path.
  to[0] = '\0';
  if (from.size() < kPathCapacity) std::memcpy(to, from.c_str(), from.size() + 1);
}

// A new process running `argv[0]`, without the fork handlers of the libraries (which may take
// the very locks the fault interrupted). The child gets the default signal mask back, since the
// handler's own signal may be blocked here.
pid_t Start(char* const argv[], const char* workingDirectory) {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || __GLIBC_MINOR__ >= 34)
  const pid_t child = _Fork();
#else
  const pid_t child = fork();
#endif
  if (child != 0) return child;
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  if (workingDirectory != nullptr && chdir(workingDirectory) != 0) _exit(127);
  execve(argv[0], argv, environ);
  _exit(127);
}

bool AskPlayer(const char* crashText) {
  if (prepared.dialogProgram[0] == '\0') return false;
  char* argv[] = {prepared.dialogProgram, const_cast<char*>(kApplicationErrorSwitch),
                  const_cast<char*>(crashText), nullptr};
  const pid_t child = Start(argv, nullptr);
  if (child < 0) return false;
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return false;
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == kApplicationErrorYes;
}

// Not waited for: it outlives the game.
void StartBugReportProgram() {
  for (char* program : prepared.bugReportPrograms) {
    if (program[0] == '\0' || access(program, X_OK) != 0) continue;
    char* argv[] = {program, nullptr};
    Start(argv, prepared.programDirectory);
    return;
  }
}

[[noreturn]] void EndBySignal(int signalNumber) {
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigaction(signalNumber, &fallback, nullptr);
  raise(signalNumber);
  _exit(128 + signalNumber);
}

void OnFault(int signalNumber, siginfo_t* info, void* context) {
  if (handling != 0) EndBySignal(signalNumber);
  handling = 1;
  const FaultRecord fault = FaultRecordFromSignal(*info, context);
  const std::size_t length = FormatCrashReport(fault, prepared.report, sizeof prepared.report);
  SessionLog* log = CurrentSessionLog();
  if (log != nullptr) log->Write(std::string_view(prepared.report, length));
  if (AskPlayer(ExceptionName(fault.code))) StartBugReportProgram();
  if (log != nullptr) log->CloseAfterFault();
  _exit(kFaultReportedStatus);
}

}  // namespace

std::vector<std::string> BugReportProgramPaths(const std::string& programDirectory,
                                               const std::string& gameDirectory) {
  std::vector<std::string> paths{programDirectory + "/" + kBugReportProgramName};
  if (gameDirectory != programDirectory)
    paths.push_back(gameDirectory + "/" + kBugReportProgramName);
  return paths;
}

void InstallFaultHandler(const FaultHandlerSetup& setup) {
  PrepareFaultTimeStamp();
  CopyPath(setup.dialogProgram, prepared.dialogProgram);
  CopyPath(setup.programDirectory, prepared.programDirectory);
  for (std::size_t i = 0; i < kMaxBugReportPrograms; ++i) {
    CopyPath(i < setup.bugReportPrograms.size() ? setup.bugReportPrograms[i] : std::string(),
             prepared.bugReportPrograms[i]);
  }
  stack_t stack{};
  stack.ss_sp = alternateStack;
  stack.ss_size = sizeof alternateStack;
  sigaltstack(&stack, nullptr);
  struct sigaction action {};
  action.sa_sigaction = &OnFault;
  // Not deferred: a second fault inside the handler reaches it and ends the process.
  action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_NODEFER;
  sigemptyset(&action.sa_mask);
  for (int signalNumber : kFaultSignals) sigaction(signalNumber, &action, nullptr);
}
