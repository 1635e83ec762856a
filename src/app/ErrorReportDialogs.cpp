// Error windows with Qt, and the bug-report program started beside the game.
#include "ErrorReportDialogs.h"

#include "diag/FaultHandler.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>

#include "ApplicationErrorDialog.h"

void ErrorReportDialogs::ShowErrorBox(const char* text, const char* caption) {
  QMessageBox::critical(nullptr, QString::fromUtf8(caption), QString::fromUtf8(text));
}

bool ErrorReportDialogs::AskApplicationError(const char* crashText) {
  return ::AskApplicationError(QString::fromUtf8(crashText));
}

void ErrorReportDialogs::StartBugReportProgram() {
  const std::vector<std::string> paths = BugReportProgramPaths(
      programDirectory_.toStdString(), QCoreApplication::applicationDirPath().toStdString());
  for (const std::string& path : paths) {
    const QFileInfo program(QString::fromStdString(path));
    if (!program.isFile() || !program.isExecutable()) continue;
    QProcess::startDetached(program.filePath(), {}, programDirectory_);
    return;
  }
}
