// The game's entry point: the display's scale is settled before the application exists.
// Started with the internal application-error switch, it only asks the player about a crash
// that a game process just reported, and answers by its exit status.
#include <cstdio>
#include <cstring>

#include "ApplicationErrorDialog.h"
#include "CPuzzleApp.h"
#include "DisplayScale.h"
#include "Settings.h"
#include "diag/FaultHandler.h"

// After the game's headers: the application header declares the X window system's Display.
#include <QApplication>

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], kApplicationErrorSwitch) == 0) {
    QApplication app(argc, argv);
    return AskApplicationError(QString::fromLocal8Bit(argv[2])) ? kApplicationErrorYes : 0;
  }
  const ScaleSwitch given = ScaleSwitchOf(argc, argv);
  if (!given.error.empty()) {
    std::fprintf(stderr, "pavlemir: %s\n", given.error.c_str());
    return 2;
  }
  {
    CRegistryKey key;
    if (key.Open()) LoadScaleSetting(key);
  }
  // A switch given once is kept in the settings for the next runs.
  if (given.choice) g_displayScale = static_cast<uint8_t>(*given.choice);
  const auto choice = static_cast<ScaleChoice>(g_displayScale);
  const double ratio = choice == ScaleChoice::Auto ? MeasureDeviceRatio(argc, argv) : 1.0;
  // The view works in the display's pixels, scaled or not: the game sizes everything itself.
  ApplyScaleFactor(ScaleFactorFor(choice, ratio));
  CPuzzleApp app(argc, argv);
  if (!app.InitInstance()) return 0;
  return app.Run();
}
