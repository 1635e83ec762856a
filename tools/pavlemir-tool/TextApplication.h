// The Qt application that text painting needs, kept apart from the game's headers (Qt's
// platform headers bring X11 names that clash with the game's own).
#pragma once

#include <memory>

class QGuiApplication;

// While it lives, fonts can be used; on the offscreen platform unless QT_QPA_PLATFORM names
// another.
class TextApplication {
 public:
  TextApplication();
  ~TextApplication();
  TextApplication(const TextApplication&) = delete;
  TextApplication& operator=(const TextApplication&) = delete;

 private:
  std::unique_ptr<QGuiApplication> application_;
};
