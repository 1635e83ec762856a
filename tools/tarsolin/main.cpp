// tarsolin: composes a bug report about the game in the working directory (the game's program
// directory) and shows it to the player.
#include <QApplication>
#include <QDir>

#include "BugReport.h"
#include "BugReportWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString programDirectory = QDir::currentPath();
  BugReportWindow window(ComposeBugReport(CurrentSystemFacts(), programDirectory),
                         programDirectory);
  window.show();
  return QApplication::exec();
}
