// The game's entry point: session log, random seed and the guard around the run. Until the play
// field lands, the window says the game is not playable.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>
#include <chrono>

#include "ErrorReportDialogs.h"
#include "diag/MemoryExhaustion.h"
#include "diag/SessionLog.h"
#include "puzzle/RandomSequence.h"

namespace {

uint32_t MillisecondClock() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

int RunMainWindow() {
  QWidget window;
  window.setWindowTitle("Pavlemir");
  auto* layout = new QVBoxLayout(&window);
  auto* label = new QLabel("Pavlemir is not playable yet.", &window);
  label->setAlignment(Qt::AlignCenter);
  layout->addWidget(label);
  window.resize(480, 200);
  window.show();
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Pavlemir");
  QApplication::setOrganizationName("Brelmand");
  InstallMemoryExhaustionHandler();
  SeedRandom(MillisecondClock());

  // The program directory is the working directory at start-up.
  const QString programDirectory = QDir::currentPath();
  SessionLog log(SessionLogPath(programDirectory.toStdString()));
  log.Open();
  try {
    return RunMainWindow();
  } catch (const CGP_Exeption& exception) {
    ErrorReportDialogs dialogs(programDirectory);
    HandleRaisedException(exception, dialogs);
    return -1;
  }
}
