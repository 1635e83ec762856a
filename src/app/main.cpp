// The game's entry point: the display's scale is settled before the application exists.
#include <cstdio>

#include "CPuzzleApp.h"
#include "DisplayScale.h"
#include "Settings.h"

int main(int argc, char** argv) {
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
