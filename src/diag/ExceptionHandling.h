// What the run does with a raised CGP_Exeption before it ends: log it and tell the user.
#pragma once

#include "diag/CGP_Exeption.h"

// The windows an error report needs, supplied by the application shell.
class ErrorReportShell {
 public:
  virtual ~ErrorReportShell() = default;
  // A message box with the error icon.
  virtual void ShowErrorBox(const char* text, const char* caption) = 0;
  // The modal "Application error" dialog showing `crashText`; true when the player answers YES.
  virtual bool AskApplicationError(const char* crashText) = 0;
  // Starts the bug-report program from the program directory with no arguments; a failure to
  // start it is not reported.
  virtual void StartBugReportProgram() = 0;
};

// Shows the "Application error" dialog with `crashText` and starts the bug-report program when
// the player answers YES. The crash report of a processor fault ends the same way.
void OfferBugReport(const char* crashText, ErrorReportShell& shell);

// Writes the exception's message and "\n" to the current session log, then shows the message
// box with the user text ("Quenbrook Exception"), or, for a report, the "Application error"
// dialog with the user text or "Internal runtime error". The caller then ends the run.
void HandleRaisedException(const CGP_Exeption& exception, ErrorReportShell& shell);
