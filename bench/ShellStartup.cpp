// The game's start as a whole process: the application, the main frame over the sample packs
// without the start-up window, and the view's first paint of the gallery; then it prints the
// milliseconds since the process started and since main, with the start's stages, and ends.
// Timed from outside over fresh runs:
//   /usr/bin/time -f '%e %U %S %R' shell_startup [PROGRAM FOLDER]
// The program folder (holding "Puzzles") defaults to one made around the sample packs.
#include <time.h>
#include <unistd.h>

#include <QEvent>
#include <QScrollBar>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

#include "CMainFrame.h"
#include "ShellBenchSupport.h"

// After the game's headers: the application header declares a global Display type of the X
// window system, which the surfaces' memory kind would otherwise appear to shadow.
#include <QApplication>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Milliseconds since the process started: its start time in clock ticks after boot, from
// /proc, against the boot-time clock now; as coarse as the tick (10 ms). None when unreadable.
std::optional<double> MillisecondsSinceProcessStart() {
  std::ifstream file("/proc/self/stat");
  std::string stat((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  // The command name is in parentheses and may hold spaces: the fields count from its end.
  const std::size_t nameEnd = stat.rfind(')');
  if (nameEnd == std::string::npos) return std::nullopt;
  std::istringstream fields(stat.substr(nameEnd + 2));
  // Fields 3 to 21 come before the start time.
  std::string skipped;
  for (int n = 3; n < 22; ++n) fields >> skipped;
  unsigned long long startTicks = 0;
  timespec now{};
  if (!(fields >> startTicks) || clock_gettime(CLOCK_BOOTTIME, &now) != 0) return std::nullopt;
  const double nowMs =
      static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
  return nowMs - static_cast<double>(startTicks) * 1e3 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double MillisecondsBetween(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

// Notes when the start reaches each stage, from what the view and its scroll bars are sent
// (the game's making is not seen from outside): the pack bar's first change of state, which
// the game makes right after the packs are loaded (the sample packs do not fill the strip, so
// the bar is disabled); the puzzle bar shown once the first frame is composed; and the view's
// first paint with the game in the gallery, which ends the event loop once it is done.
class StartMarks final : public QObject {
 public:
  explicit StartMarks(CChildView& view) : view_(view) {
    view.installEventFilter(this);
    view.Bar(GalleryBar::Packs)->installEventFilter(this);
    view.Bar(GalleryBar::Puzzles)->installEventFilter(this);
  }
  std::optional<Clock::time_point> packsLoaded, composed, paintStart, painted;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const Clock::time_point now = Clock::now();
    const QEvent::Type type = event->type();
    if (watched == view_.Bar(GalleryBar::Packs) && type == QEvent::EnabledChange && !packsLoaded)
      packsLoaded = now;
    if (watched == view_.Bar(GalleryBar::Puzzles) && type == QEvent::Show && !composed)
      composed = now;
    if (watched == &view_ && type == QEvent::Paint && !paintStart &&
        view_.GameObject() != nullptr && view_.GameObject()->Mode() == ViewMode::Gallery) {
      paintStart = now;
      // Queued behind the paint and its flush to the screen.
      QTimer::singleShot(0, this, [this] {
        painted = Clock::now();
        QApplication::exit(0);
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  CChildView& view_;
};

void PrintStage(const char* name, const std::optional<Clock::time_point>& from,
                const std::optional<Clock::time_point>& to) {
  if (from && to)
    std::printf("  %-28s %8.1f ms\n", name, MillisecondsBetween(*from, *to));
  else
    std::printf("  %-28s      n/a\n", name);
}

}  // namespace

int main(int argc, char** argv) {
  const Clock::time_point mainStart = Clock::now();
  const std::optional<double> beforeMain = MillisecondsSinceProcessStart();
  const shellbench::TempFolder scratch("pavlemir-shellstartup");
  fs::path programDir = argc > 1 ? fs::path(argv[1]) : scratch.Path();
  std::error_code error;
  if (argc <= 1) fs::create_directory_symlink(PAVLEMIR_SAMPLE_PACKS, programDir / "Puzzles", error);
  if (scratch.Path().empty() || error || !fs::is_directory(programDir / "Puzzles")) {
    std::fprintf(stderr, "no Puzzles folder in %s\n", programDir.c_str());
    return 1;
  }
  shellbench::UseOffscreenScreen(scratch.Path());
  QApplication app(argc, argv);
  const Clock::time_point appMade = Clock::now();
  // Never deleted nor closed: see the end.
  auto* frame =
      new CMainFrame(QString::fromStdString(programDir.string()), PixelFormatInfo::Rgb32());
  const Clock::time_point frameMade = Clock::now();
  StartMarks marks(frame->View());
  frame->ShowAndBegin(false);
  const Clock::time_point shown = Clock::now();
  QTimer::singleShot(10000, [] { QApplication::exit(2); });
  const int result = QApplication::exec();
  const Clock::time_point end = Clock::now();
  const std::optional<double> sinceStart = MillisecondsSinceProcessStart();
  if (result != 0 || !marks.painted) {
    std::fprintf(stderr, "the gallery was not painted\n");
    return 1;
  }
  std::printf("first gallery paint of a %dx%d view: %.1f ms since main", frame->View().width(),
              frame->View().height(), MillisecondsBetween(mainStart, end));
  if (sinceStart && beforeMain)
    std::printf(", %.0f ms since the process started (%.0f ms before main; 10 ms ticks)",
                *sinceStart, *beforeMain);
  std::printf("\n");
  PrintStage("application made", mainStart, appMade);
  PrintStage("frame made", appMade, frameMade);
  PrintStage("frame shown", frameMade, shown);
  PrintStage("game made, packs loaded", shown, marks.packsLoaded);
  PrintStage("first frame composed", marks.packsLoaded, marks.composed);
  PrintStage("to the view's paint", marks.composed, marks.paintStart);
  PrintStage("paint and flush", marks.paintStart, marks.painted);
  std::fflush(stdout);
  // The start ends with the paint; tearing the game down is not part of it, and the frame
  // must not close, which would write every puzzle back.
  std::error_code ignored;
  fs::remove_all(scratch.Path(), ignored);
  std::_Exit(0);
}
