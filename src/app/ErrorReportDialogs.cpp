// Error windows with Qt message boxes.
#include "ErrorReportDialogs.h"

#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

namespace {

// The bug-report program beside the game.
constexpr char kBugReportProgram[] = "tarsolin";

}  // namespace

void ErrorReportDialogs::ShowErrorBox(const char* text, const char* caption) {
  QMessageBox::critical(nullptr, QString::fromUtf8(caption), QString::fromUtf8(text));
}

bool ErrorReportDialogs::AskApplicationError(const char* crashText) {
  QMessageBox box(QMessageBox::Critical, "Application error",
                  "An error occured while running the game:");
  box.setInformativeText(
      QString::fromUtf8(crashText) +
      "\n\nWould you like a bug report to be composed and sent to the developer of the game?");
  QPushButton* yes = box.addButton("YES", QMessageBox::YesRole);
  box.addButton("NO", QMessageBox::NoRole);
  box.exec();
  return box.clickedButton() == yes;
}

void ErrorReportDialogs::StartBugReportProgram() {
  QProcess::startDetached(QDir(programDirectory_).filePath(kBugReportProgram), {},
                          programDirectory_);
}
