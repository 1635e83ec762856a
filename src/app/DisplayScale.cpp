// Choosing the display's scale and setting it up before the application starts.
#include "DisplayScale.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtGlobal>
#include <cstring>
#include <vector>

namespace {

constexpr char kSwitch[] = "--scale";

}  // namespace

std::optional<ScaleChoice> ScaleChoiceNamed(const std::string& text) {
  if (text == "auto") return ScaleChoice::Auto;
  if (text == "1") return ScaleChoice::One;
  if (text == "2") return ScaleChoice::Two;
  return std::nullopt;
}

ScaleSwitch ScaleSwitchOf(int argc, const char* const* argv) {
  ScaleSwitch found;
  const std::size_t length = std::strlen(kSwitch);
  for (int i = 1; i < argc; ++i) {
    std::optional<std::string> value;
    if (std::strcmp(argv[i], kSwitch) == 0) {
      value = i + 1 < argc ? std::string(argv[++i]) : std::string();
    } else if (std::strncmp(argv[i], kSwitch, length) == 0 && argv[i][length] == '=') {
      value = std::string(argv[i] + length + 1);
    }
    if (!value) continue;
    found.choice = ScaleChoiceNamed(*value);
    found.error = found.choice ? "" : "--scale takes auto, 1 or 2, not \"" + *value + "\"";
  }
  return found;
}

int ScaleFactorFor(ScaleChoice choice, double deviceRatio) {
  switch (choice) {
    case ScaleChoice::One:
      return 1;
    case ScaleChoice::Two:
      return 2;
    case ScaleChoice::Auto:
      break;
  }
  return deviceRatio >= kHighDensityRatio ? 2 : 1;
}

double MeasureDeviceRatio(int argc, char** argv) {
  // The ratio as the platform gives it, unrounded, whatever the player's environment asks.
  qunsetenv("QT_ENABLE_HIGHDPI_SCALING");
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  // The probe takes the platform's own options (-platform, -display) out of the words it is
  // given; the game's application must still find them, so it gets a copy.
  std::vector<char*> words(argv, argv + argc);
  words.push_back(nullptr);
  const QGuiApplication probe(argc, words.data());
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->devicePixelRatio() : 1.0;
}

void ApplyScaleFactor(int factor) {
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  qunsetenv("QT_SCREEN_SCALE_FACTORS");
  if (factor == 1) {
    qunsetenv("QT_SCALE_FACTOR");
  } else {
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
  }
}
