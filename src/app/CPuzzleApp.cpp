// Starting, running and ending the game.
#include "CPuzzleApp.h"

#include <chrono>

#include "CMainFrame.h"
#include "ErrorReportDialogs.h"
#include "ScreenFormat.h"
#include "Settings.h"
#include "diag/FaultHandler.h"
#include "diag/MemoryExhaustion.h"
#include "diag/SessionLog.h"
#include "puzzle/RandomSequence.h"

// After the game's headers: the application header declares a global Display type of the X
// window system, which the surfaces' memory kind would otherwise appear to shadow.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QScreen>

namespace {

uint32_t MillisecondClock() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}  // namespace

CPuzzleApp::CPuzzleApp(int& argc, char** argv) : app_(std::make_unique<QApplication>(argc, argv)) {
  QApplication::setApplicationName("Pavlemir");
  QApplication::setOrganizationName("Brelmand");
}

CPuzzleApp::~CPuzzleApp() = default;

bool CPuzzleApp::InitInstance() {
  InstallMemoryExhaustionHandler();
  if (!lock_.TryLock()) return false;
  SeedRandom(MillisecondClock());
  splash_ = !QApplication::arguments().contains("--nosplash");
  // The program folder is the working folder at start-up, whatever it becomes later.
  programDir_ = QDir::currentPath();
  return true;
}

int CPuzzleApp::Run() {
  CRegistryKey key;
  {
    SessionLog log(SessionLogPath(programDir_.toStdString()));
    log.Open();
    InstallFaultHandler(
        {QCoreApplication::applicationFilePath().toStdString(), programDir_.toStdString(),
         BugReportProgramPaths(programDir_.toStdString(),
                               QCoreApplication::applicationDirPath().toStdString())});
    key.Open();
    LoadSettings(key);
    try {
      if (!RunFrame()) return 1;
    } catch (const CGP_Exeption& exception) {
      ErrorReportDialogs dialogs(programDir_);
      HandleRaisedException(exception, dialogs);
      return -1;
    }
  }
  // The log has its end block and the lock is free before the settings are written.
  lock_.Unlock();
  SaveSettings(key);
  return 0;
}

bool CPuzzleApp::RunFrame() {
  const int depth = QApplication::primaryScreen()->depth();
  const char* override = std::getenv("PAVLEMIR_PIXEL_FORMAT");
  const std::optional<PixelFormatInfo> format = SurfaceFormatFor(depth, override);
  if (!format) {
    const std::string text = UnsupportedDepthText(depth, override);
    WriteSessionLog(text + "\n");
    QMessageBox::critical(nullptr, "Pavlemir", QString::fromStdString(text));
    return false;
  }
  CMainFrame frame(programDir_, *format);
  frame.ShowAndBegin(splash_);
  QApplication::exec();
  return true;
}
