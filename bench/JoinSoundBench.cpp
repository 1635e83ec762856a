// The join sound's latency in the real shell on the sample packs: from the left-button release
// that joins two pieces to the first frame of "Connect.wav" handed to the audio sink. Needs an
// audio output device (a null sink of a sound server will do); without one it is skipped.
#include <benchmark/benchmark.h>

#include <QMouseEvent>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <optional>
#include <utility>

#include "CMainFrame.h"
#include "QtAudioOutput.h"
#include "ShellBenchSupport.h"
#include "diag/SessionLog.h"
#include "game/GameCommands.h"
#include "play/FitsNeighbour.h"
#include "play/HitTest.h"

// After the game's headers: the application header declares a global Display type of the X
// window system, which the surfaces' memory kind would otherwise appear to shadow.
#include <QApplication>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr char kPlayPack[] = "Landscapes";

std::atomic<int64_t> handedAt{0};

void RecordFirstSamples() {
  handedAt.store(Clock::now().time_since_epoch().count());
}

void Send(QWidget& view, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, at, view.mapToGlobal(at), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(&view, &event);
}

template <typename Done>
void RunEvents(std::chrono::milliseconds most, Done done) {
  const auto deadline = Clock::now() + most;
  while (!done() && Clock::now() < deadline) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

bool Loose(const PuzzleRecord& puzzle, const Piece& piece) {
  for (const auto& group : puzzle.groups) {
    if (group->pieces.size() == 1 && group->pieces.front() == &piece) return group->box == 0;
  }
  return false;
}

QPoint Centre(const Piece& piece) {
  return {piece.x + piece.imageWidth / 2, piece.y + piece.imageHeight / 2};
}

// A loose piece that can be grabbed at its centre, and where to drop it so that it fits a loose
// neighbour exactly.
struct Join {
  QPoint grab;
  QPoint drop;
};

std::optional<Join> FindJoin(const PuzzleRecord& puzzle, const Rect& area) {
  for (const auto& stationary : puzzle.pieces) {
    for (const auto& moved : puzzle.pieces) {
      if (moved->row != stationary->row || moved->col != stationary->col + 1 ||
          moved->rotation != stationary->rotation || !Loose(puzzle, *stationary) ||
          !Loose(puzzle, *moved))
        continue;
      const QPoint grab = Centre(*moved);
      if (HitTest(puzzle, {grab.x(), grab.y()}, 0).piece != moved.get()) continue;
      Piece probe;
      probe.col = moved->col;
      probe.row = moved->row;
      probe.rotation = moved->rotation;
      probe.cellWidth = moved->cellWidth;
      probe.cellHeight = moved->cellHeight;
      probe.halfCellWidth = moved->halfCellWidth;
      probe.halfCellHeight = moved->halfCellHeight;
      // Where the moved piece's corner fits: searched around the stationary piece.
      const int reach = 2 * std::max(moved->imageWidth, moved->imageHeight);
      for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
          probe.x = stationary->x + dx;
          probe.y = stationary->y + dy;
          const NeighbourFit fit = FitsNeighbour(*stationary, probe);
          const QPoint drop(probe.x + moved->imageWidth / 2, probe.y + moved->imageHeight / 2);
          if (fit.fits && fit.dx == 0 && fit.dy == 0 && area.Contains(drop.x(), drop.y()))
            return Join{grab, drop};
        }
      }
    }
  }
  return std::nullopt;
}

struct Scene {
  shellbench::TempFolder folder{"pavlemir-joinsoundbench"};
  // Where the sound device's failures are written.
  SessionLog log{SessionLogPath(folder.Path().string())};
  std::unique_ptr<CMainFrame> frame;
};

Scene* g_scene = nullptr;

bool StartPlay(Scene& scene) {
  const fs::path root = scene.folder.Path();
  std::error_code error;
  fs::copy(PAVLEMIR_SAMPLE_PACKS, root / "Puzzles", fs::copy_options::recursive, error);
  fs::copy_file(PAVLEMIR_CONNECT_WAV, root / "Connect.wav", error);
  if (error) return false;
  scene.log.Open();
  scene.frame =
      std::make_unique<CMainFrame>(QString::fromStdString(root.string()), PixelFormatInfo::Rgb32());
  scene.frame->ShowAndBegin(false);
  CChildView& view = scene.frame->View();
  RunEvents(std::chrono::seconds(2), [&view] { return view.GameObject() != nullptr; });
  Game* game = view.GameObject();
  if (game == nullptr) return false;
  for (const auto& pack : game->Library().packs) {
    if (pack->name != kPlayPack || pack->puzzles.empty()) continue;
    game->SelectPuzzle(pack.get(), pack->puzzles.front().get());
    scene.frame->OnCommand(kPlayCommand);
  }
  RunEvents(std::chrono::milliseconds(300), [] { return false; });
  return game->Mode() == ViewMode::Play && game->OpenPuzzle() != nullptr;
}

void BM_JoinToFirstSample(benchmark::State& state) {
  if (g_scene == nullptr || !g_scene->frame) {
    state.SkipWithError("the shell could not start a game");
    return;
  }
  CChildView& view = g_scene->frame->View();
  Game& game = *view.GameObject();
  for (auto _ : state) {
    const std::optional<Join> join = FindJoin(*game.OpenPuzzle(), game.State().playArea);
    if (!join) {
      state.SkipWithError("no two loose neighbours left to join");
      return;
    }
    Send(view, QEvent::MouseButtonPress, join->grab, Qt::LeftButton);
    Send(view, QEvent::MouseMove, join->drop, Qt::LeftButton);
    RunEvents(std::chrono::milliseconds(50), [] { return false; });
    handedAt.store(0);
    const Clock::time_point released = Clock::now();
    Send(view, QEvent::MouseButtonRelease, join->drop, Qt::NoButton);
    RunEvents(std::chrono::seconds(1), [] { return handedAt.load() != 0; });
    if (handedAt.load() == 0) {
      state.SkipWithError("no sound reached the audio output (is there an output device?)");
      return;
    }
    const Clock::time_point handed{Clock::duration(handedAt.load())};
    state.SetIterationTime(std::chrono::duration<double>(handed - released).count());
    // The clip ends before the next join, so each join starts it afresh.
    RunEvents(std::chrono::milliseconds(250), [] { return false; });
  }
}
BENCHMARK(BM_JoinToFirstSample)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(21)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  Scene scene;
  shellbench::UseOffscreenScreen(scene.folder.Path());
  QApplication app(argc, argv);
  QtAudioOutput::SetFirstSamplesObserver(&RecordFirstSamples);
  if (StartPlay(scene)) g_scene = &scene;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  g_scene = nullptr;
  scene.frame.reset();
  return 0;
}
