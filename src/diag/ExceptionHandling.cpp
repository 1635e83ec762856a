// Logging a raised CGP_Exeption and showing the user what it asks for.
#include "diag/ExceptionHandling.h"

#include <new>
#include <string>

#include "diag/SessionLog.h"

namespace {

// Memory may be what ran out: a message that cannot be built is replaced by the internal text,
// which needs no memory.
void LogMessage(const CGP_Exeption& exception) {
  try {
    WriteSessionLog(exception.BuildMessage());
  } catch (const std::bad_alloc&) {
    WriteSessionLog(exception.InternalText());
  }
  WriteSessionLog("\n");
}

}  // namespace

void OfferBugReport(const char* crashText, ErrorReportShell& shell) {
  if (shell.AskApplicationError(crashText)) shell.StartBugReportProgram();
}

void HandleRaisedException(const CGP_Exeption& exception, ErrorReportShell& shell) {
  LogMessage(exception);
  if (exception.Report()) {
    const char* userText = exception.UserText();
    OfferBugReport(userText != nullptr ? userText : "Internal runtime error", shell);
  } else if (exception.UserText() != nullptr) {
    shell.ShowErrorBox(exception.UserText(), "Quenbrook Exception");
  }
}
