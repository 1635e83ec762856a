// A headless Qt application for the fonts.
#include "TextApplication.h"

#include <QGuiApplication>
#include <cstdlib>

namespace {

int argc = 1;
char name[] = "pavlemir-tool";
char* argv[] = {name, nullptr};

}  // namespace

TextApplication::TextApplication() {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  application_ = std::make_unique<QGuiApplication>(argc, argv);
}

TextApplication::~TextApplication() = default;
