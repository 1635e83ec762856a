// The game's entry point. Started with the internal application-error switch, it only asks the
// player about a crash that a game process just reported, and answers by its exit status.
#include "diag/FaultHandler.h"

#include <QApplication>
#include <QtGlobal>
#include <cstring>

#include "ApplicationErrorDialog.h"
#include "CPuzzleApp.h"

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], kApplicationErrorSwitch) == 0) {
    QApplication app(argc, argv);
    return AskApplicationError(QString::fromLocal8Bit(argv[2])) ? kApplicationErrorYes : 0;
  }
  // The view works in device pixels: the game sizes everything itself.
  if (qEnvironmentVariableIsEmpty("QT_ENABLE_HIGHDPI_SCALING"))
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  CPuzzleApp app(argc, argv);
  if (!app.InitInstance()) return 0;
  return app.Run();
}
