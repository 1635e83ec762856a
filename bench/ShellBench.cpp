// The Qt shell on a 1920 x 1080, 32-bit offscreen screen over the sample packs: a dragged piece
// from the mouse move to painted pixels, a full-screen present, and a line scroll of the puzzle
// grid with its repaint.
#include <benchmark/benchmark.h>

#include <QBackingStore>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QRegion>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "CMainFrame.h"
#include "ShellBenchSupport.h"
#include "game/GameCommands.h"
#include "play/HitTest.h"

// After the game's headers: the application header declares a global Display type of the X
// window system, which the surfaces' memory kind would otherwise appear to shadow.
#include <QApplication>

namespace {

namespace fs = std::filesystem;
using shellbench::kScreenHeight;
using shellbench::kScreenWidth;

constexpr char kPlayPack[] = "Landscapes";
constexpr char kManyPack[] = "Many";
constexpr int kManyCopies = 8;  // of each of the play pack's puzzles
const QPoint kDragStep{7, 4};
constexpr std::chrono::milliseconds kSettle{200};

// The program folder: a copy of every sample pack under "Puzzles", and the pack "Many" with
// copies of the play pack's puzzles under other names, enough rows to scroll at 1920 x 1080.
// The shell may save into the puzzles, so they are copies. False when it could not be made.
bool MakeProgramFolder(const fs::path& root) {
  const fs::path samples = PAVLEMIR_SAMPLE_PACKS;
  const fs::path puzzles = root / "Puzzles";
  const fs::path many = puzzles / kManyPack;
  std::error_code error;
  fs::create_directories(many, error);
  if (error) return false;
  fs::copy(samples, puzzles, fs::copy_options::recursive, error);
  if (error) return false;
  fs::remove(puzzles / ".stamp", error);
  int copies = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(samples / kPlayPack, error)) {
    if (entry.path().extension() != ".qvx") continue;
    for (int n = 0; n < kManyCopies; ++n) {
      const std::string name = entry.path().stem().string() + " " + std::to_string(n) + ".qvx";
      if (!fs::copy_file(entry.path(), many / name, error)) return false;
      ++copies;
    }
  }
  return copies > 0 && fs::copy_file(samples / kPlayPack / "Thumb.jpg", many / "Thumb.jpg", error);
}

// Counts the view's paint events and the pixels they were asked to paint.
class PaintCounter final : public QObject {
 public:
  int Paints() const { return paints_; }
  double Pixels() const { return pixels_; }
  const QRegion& LastRegion() const { return last_; }
  void Reset() {
    paints_ = 0;
    pixels_ = 0;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      ++paints_;
      last_ = static_cast<QPaintEvent*>(event)->region();
      for (const QRect& r : last_) pixels_ += static_cast<double>(r.width()) * r.height();
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  int paints_ = 0;
  double pixels_ = 0;
  QRegion last_;
};

// Whether the frame's backing store holds the composed frame's colours over the region, except
// where the view's own controls lie over it; true when the backing store is not an image of
// 32-bit pixels this can read.
bool BackingStoreShows(CMainFrame& frame, const QRegion& painted) {
  const auto* shown = dynamic_cast<const QImage*>(frame.backingStore()->paintDevice());
  const QImage::Format format = shown != nullptr ? shown->format() : QImage::Format_Invalid;
  if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
      format != QImage::Format_ARGB32_Premultiplied)
    return true;
  QRegion region = painted;
  for (const QWidget* control : frame.View().findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (control->isVisible()) region -= control->geometry();
  const ConstSurfaceLock lock = std::as_const(*frame.View().GameObject()->BackSurface()).Lock();
  if (!lock) return false;
  const QPoint origin = frame.View().mapTo(&frame, QPoint(0, 0));
  for (const QRect& r : region) {
    for (int y = r.top(); y <= r.bottom(); ++y) {
      const auto* composed = reinterpret_cast<const uint32_t*>(lock.Row(y)) + r.left();
      const auto* onScreen =
          reinterpret_cast<const uint32_t*>(shown->constScanLine(y + origin.y())) + r.left() +
          origin.x();
      for (int x = 0; x < r.width(); ++x)
        if (((composed[x] ^ onScreen[x]) & 0xFFFFFFu) != 0) return false;
    }
  }
  return true;
}

// A main frame shown over the screen and begun on the program folder without the start-up
// window, as the game starts; its view's paints counted.
class Shell {
 public:
  explicit Shell(const fs::path& programDir)
      : frame_(QString::fromStdString(programDir.string()), PixelFormatInfo::Rgb32()) {
    frame_.ShowAndBegin(false);
    RunEvents(std::chrono::seconds(1), [this] { return Game() != nullptr; });
    frame_.View().installEventFilter(&paints_);
  }
  Shell(const Shell&) = delete;
  Shell& operator=(const Shell&) = delete;

  CMainFrame& Frame() { return frame_; }
  CChildView& View() { return frame_.View(); }
  ::Game* Game() { return frame_.View().GameObject(); }
  PaintCounter& Paints() { return paints_; }
  bool Ready() { return Game() != nullptr && View().size() == QSize(kScreenWidth, kScreenHeight); }

  // Runs the event loop until `done` answers true or for `most` at most.
  template <typename Done>
  static void RunEvents(std::chrono::milliseconds most, Done done) {
    const auto deadline = std::chrono::steady_clock::now() + most;
    while (!done() && std::chrono::steady_clock::now() < deadline)
      QApplication::processEvents(QEventLoop::AllEvents, 10);
  }

  // What the event loop does next with the updates the game asked for: the posted events are
  // sent, among them the frame's repaint, which paints the dirty parts of the view into the
  // backing store and flushes it. All of them, as the loop does: a filtered send leaves the
  // delivered events' places in the queue, which then grows at every step.
  static void PaintPending() { QCoreApplication::sendPostedEvents(); }

  PuzzlePack* Pack(const std::string& name) {
    for (const auto& pack : Game()->Library().packs)
      if (pack->name == name) return pack.get();
    return nullptr;
  }

 private:
  CMainFrame frame_;
  PaintCounter paints_;
};

// The single-piece group nearest the play area's centre that is topmost at its piece's centre;
// answers that centre, or none when there is no such piece.
std::optional<QPoint> PieceToDrag(const PlayState& state, const PuzzleRecord& puzzle) {
  const Rect& area = state.playArea;
  const QPoint middle((area.left + area.right) / 2, (area.top + area.bottom) / 2);
  std::optional<QPoint> best;
  for (const auto& group : puzzle.groups) {
    if (group->pieces.size() != 1 || group->box != 0) continue;
    const Piece& piece = *group->pieces.front();
    const QPoint centre(piece.x + piece.imageWidth / 2, piece.y + piece.imageHeight / 2);
    if (HitTest(puzzle, {centre.x(), centre.y()}, 0).piece != &piece) continue;
    if (!best || (centre - middle).manhattanLength() < (*best - middle).manhattanLength())
      best = centre;
  }
  return best;
}

// The shell in play on the play pack's first puzzle, holding one loose piece with the left
// button; none when that could not be reached.
struct DragScene {
  std::unique_ptr<Shell> shell;
  QPoint grab;
  int pieces = 0;
  int pieceWidth = 0;
};

void Send(QWidget& view, QEvent::Type type, QPoint at, Qt::MouseButton button) {
  QMouseEvent event(type, at, view.mapToGlobal(at), button, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&view, &event);
}

DragScene MakeDragScene(const fs::path& programDir) {
  DragScene scene;
  scene.shell = std::make_unique<Shell>(programDir);
  Shell& shell = *scene.shell;
  PuzzlePack* pack = shell.Ready() ? shell.Pack(kPlayPack) : nullptr;
  if (pack == nullptr || pack->puzzles.empty()) return {};
  shell.Game()->SelectPuzzle(pack, pack->puzzles.front().get());
  shell.Frame().OnCommand(kPlayCommand);
  PuzzleRecord* puzzle = shell.Game()->OpenPuzzle();
  if (shell.Game()->Mode() != ViewMode::Play || puzzle == nullptr) return {};
  // The loading window closes and the first frame is shown.
  Shell::RunEvents(kSettle, [] { return false; });
  const std::optional<QPoint> grab = PieceToDrag(shell.Game()->State(), *puzzle);
  if (!grab) return {};
  Send(shell.View(), QEvent::MouseButtonPress, *grab, Qt::LeftButton);
  Shell::PaintPending();
  if (puzzle->draggedGroup == nullptr) return {};
  scene.grab = *grab;
  scene.pieces = static_cast<int>(puzzle->pieces.size());
  scene.pieceWidth = puzzle->draggedGroup->pieces.front()->imageWidth;
  return scene;
}

// The shell's gallery on the pack "Many", whose puzzle grid scrolls; none when it does not.
std::unique_ptr<Shell> MakeScrollShell(const fs::path& programDir) {
  auto shell = std::make_unique<Shell>(programDir);
  PuzzlePack* pack = shell->Ready() ? shell->Pack(kManyPack) : nullptr;
  if (pack == nullptr) return nullptr;
  shell->Game()->SelectPuzzle(pack, pack->puzzles.front().get());
  Shell::RunEvents(kSettle, [] { return false; });
  if (!shell->Game()->ScrollBar(GalleryBar::Puzzles).enabled) return nullptr;
  return shell;
}

// The scenes, each made when a benchmark first needs it; they go before the application.
class Scenes {
 public:
  explicit Scenes(fs::path programDir) : programDir_(std::move(programDir)) {}
  const DragScene& Drag() {
    if (!drag_) drag_ = MakeDragScene(programDir_);
    return *drag_;
  }
  Shell* Scroll() {
    if (!scroll_) scroll_ = MakeScrollShell(programDir_);
    return scroll_->get();
  }

 private:
  fs::path programDir_;
  std::optional<DragScene> drag_;
  std::optional<std::unique_ptr<Shell>> scroll_;
};

Scenes* g_scenes = nullptr;

// The view's paints in the loop, per iteration, checked: every iteration painted, and the
// backing store shows the composed frame where the last paint was. False (with the benchmark
// skipped) when not.
bool ReportPaints(benchmark::State& state, Shell& shell) {
  const PaintCounter& paints = shell.Paints();
  if (paints.Paints() < static_cast<int>(state.iterations())) {
    state.SkipWithError("the view did not paint at every step");
    return false;
  }
  if (!BackingStoreShows(shell.Frame(), paints.LastRegion())) {
    state.SkipWithError("the backing store does not show the composed frame");
    return false;
  }
  state.counters["paints"] =
      benchmark::Counter(paints.Paints(), benchmark::Counter::kAvgIterations);
  state.counters["painted_kpx"] =
      benchmark::Counter(paints.Pixels() / 1000, benchmark::Counter::kAvgIterations);
  return true;
}

// The wall time of a step's two parts, summed over the loop: the game's (the event or call,
// composing, asking for updates) and the view's (the repaint into the backing store).
class StepSplit {
 public:
  void Start() { start_ = Clock::now(); }
  void Composed() {
    composed_ = Clock::now();
    composeUs_ += std::chrono::duration<double, std::micro>(composed_ - start_).count();
  }
  void Painted() {
    paintUs_ += std::chrono::duration<double, std::micro>(Clock::now() - composed_).count();
  }
  void Report(benchmark::State& state) const {
    state.counters["compose_us"] =
        benchmark::Counter(composeUs_, benchmark::Counter::kAvgIterations);
    state.counters["paint_us"] = benchmark::Counter(paintUs_, benchmark::Counter::kAvgIterations);
  }

 private:
  using Clock = std::chrono::steady_clock;
  Clock::time_point start_;
  Clock::time_point composed_;
  double composeUs_ = 0;
  double paintUs_ = 0;
};

// A dragged piece moved by the mouse, from the move event sent to the view to the changed
// rectangles composed and painted into the backing store. The piece goes back and forth.
void BM_DragPresent(benchmark::State& state) {
  const DragScene& scene = g_scenes->Drag();
  if (!scene.shell) {
    state.SkipWithError("the shell did not reach a drag");
    return;
  }
  Shell& shell = *scene.shell;
  const PieceGroup* dragged = shell.Game()->OpenPuzzle()->draggedGroup;
  // Each run starts with the piece where it was picked up.
  Send(shell.View(), QEvent::MouseMove, scene.grab, Qt::NoButton);
  Shell::PaintPending();
  const int startX = dragged->pieces.front()->x;
  shell.Paints().Reset();
  StepSplit split;
  bool away = false;
  for (auto _ : state) {
    away = !away;
    split.Start();
    Send(shell.View(), QEvent::MouseMove, away ? scene.grab + kDragStep : scene.grab, Qt::NoButton);
    split.Composed();
    Shell::PaintPending();
    split.Painted();
  }
  if (dragged->pieces.front()->x != startX + (away ? kDragStep.x() : 0)) {
    state.SkipWithError("the piece did not follow the mouse");
    return;
  }
  if (!ReportPaints(state, shell)) return;
  split.Report(state);
  state.counters["pieces"] = scene.pieces;
  state.counters["piece_px"] = scene.pieceWidth;
}
BENCHMARK(BM_DragPresent)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The whole view repainted from the composed frame, nothing composed, in play with the toolbar
// shown over the top of the view.
void BM_FullPresent(benchmark::State& state) {
  const DragScene& scene = g_scenes->Drag();
  if (!scene.shell) {
    state.SkipWithError("the shell did not reach a drag");
    return;
  }
  Shell& shell = *scene.shell;
  shell.Paints().Reset();
  for (auto _ : state) shell.View().repaint();
  // The toolbar paints itself over the top of the view.
  QRegion unpainted = QRegion(shell.View().rect()) - shell.Paints().LastRegion();
  unpainted -= shell.View().Toolbar()->geometry();
  if (!unpainted.isEmpty()) {
    state.SkipWithError("the repaint did not cover the view");
    return;
  }
  ReportPaints(state, shell);
}
BENCHMARK(BM_FullPresent)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The puzzle grid scrolled by a line, down and up in turn: the game paints the grid's area
// and the view paints it, with the scroll bar following.
void BM_GalleryLineScroll(benchmark::State& state) {
  Shell* shell = g_scenes->Scroll();
  if (shell == nullptr) {
    state.SkipWithError("the pack of many puzzles does not scroll");
    return;
  }
  ::Game& game = *shell->Game();
  // Each run starts at the top of the grid.
  game.Scroll(GalleryBar::Puzzles, ScrollCode::ThumbTrack, 0);
  Shell::PaintPending();
  shell->Paints().Reset();
  StepSplit split;
  bool down = false;
  for (auto _ : state) {
    down = !down;
    split.Start();
    game.Scroll(GalleryBar::Puzzles, down ? ScrollCode::LineDown : ScrollCode::LineUp);
    split.Composed();
    Shell::PaintPending();
    split.Painted();
  }
  const QScrollBar& bar = *shell->View().Bar(GalleryBar::Puzzles);
  const int expected = down ? 23 : 0;
  if (game.ScrollBar(GalleryBar::Puzzles).position != expected || bar.value() != expected) {
    state.SkipWithError("the grid did not scroll by a line");
    return;
  }
  if (!ReportPaints(state, *shell)) return;
  split.Report(state);
  state.counters["puzzles"] = static_cast<double>(game.Library().currentPack->puzzles.size());
}
BENCHMARK(BM_GalleryLineScroll)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  const shellbench::TempFolder folder("pavlemir-shellbench");
  if (folder.Path().empty() || !MakeProgramFolder(folder.Path())) {
    std::fprintf(stderr, "the program folder could not be made from %s\n", PAVLEMIR_SAMPLE_PACKS);
    return 1;
  }
  shellbench::UseOffscreenScreen(folder.Path());
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  {
    Scenes scenes(folder.Path());
    g_scenes = &scenes;
    benchmark::RunSpecifiedBenchmarks();
    g_scenes = nullptr;
  }
  benchmark::Shutdown();
  return 0;
}
