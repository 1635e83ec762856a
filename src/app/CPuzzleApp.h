// The application: one copy at a time, the program folder, the log, the settings and the run.
#pragma once

#include <QString>
#include <memory>

#include "InstanceLock.h"

class QApplication;

// Made by main. InitInstance decides whether this copy runs at all; Run opens the log and the
// settings, shows the frame, runs the event loop inside the crash guard and saves the settings
// after a normal end.
class CPuzzleApp {
 public:
  CPuzzleApp(int& argc, char** argv);
  ~CPuzzleApp();

  // False when another copy runs (this one then ends silently).
  bool InitInstance();
  // 0 after a normal end, -1 after a raised program exception was handled, 1 when the screen
  // cannot be used.
  int Run();

 private:
  // The frame over the screen and the event loop; false when the screen cannot be used.
  bool RunFrame();

  std::unique_ptr<QApplication> app_;
  InstanceLock lock_;
  QString programDir_;
  bool splash_ = true;
};
