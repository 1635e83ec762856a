// The error windows of a failed run: the error message box and the "Application error" question.
#pragma once

#include <QString>

#include "diag/ExceptionHandling.h"

// Shows the error windows with Qt and starts the bug-report program from the program directory.
class ErrorReportDialogs final : public ErrorReportShell {
 public:
  explicit ErrorReportDialogs(QString programDirectory)
      : programDirectory_(std::move(programDirectory)) {}

  void ShowErrorBox(const char* text, const char* caption) override;
  bool AskApplicationError(const char* crashText) override;
  void StartBugReportProgram() override;

 private:
  QString programDirectory_;
};
