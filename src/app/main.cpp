// The game's entry point.
#include <QtGlobal>

#include "CPuzzleApp.h"

int main(int argc, char** argv) {
  // The view works in device pixels: the game sizes everything itself.
  if (qEnvironmentVariableIsEmpty("QT_ENABLE_HIGHDPI_SCALING"))
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  CPuzzleApp app(argc, argv);
  if (!app.InitInstance()) return 0;
  return app.Run();
}
