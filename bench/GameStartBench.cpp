// Starting a never-played puzzle of about 3,500 pieces (a 3000 x 2000 JPEG, the smallest piece
// size, rotation on) on a 1920 x 1080 view: from the Play command to the first presented frame,
// and the same start run stage by stage with the library calls the game makes.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "PhotoPuzzle.h"
#include "assets/EmbeddedBitmaps.h"
#include "game/Game.h"
#include "game/NullHost.h"
#include "game/SavedGameRestore.h"
#include "library/EmbeddedPicture.h"
#include "library/PackLoader.h"
#include "paint/FrameComposition.h"
#include "paint/PaintResources.h"
#include "play/Arranging.h"
#include "play/PlayState.h"
#include "puzzle/EdgeMasks.h"
#include "puzzle/Ghost.h"
#include "puzzle/PictureFitting.h"
#include "puzzle/PieceCutting.h"
#include "puzzle/PieceGrid.h"
#include "puzzle/PieceRotation.h"
#include "puzzle/PieceSizeChoice.h"
#include "puzzle/RandomSequence.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

using photopuzzle::kSizeChoice;
using photopuzzle::kViewHeight;
using photopuzzle::kViewWidth;
constexpr int kPlayCommand = 32821;
constexpr uint32_t kSeed = 20261209;

double MillisecondsBetween(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

// The CPU time of the calling thread, in milliseconds.
double ThreadCpuMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// A program folder in a temporary directory holding the photograph's puzzle. Removed at exit.
struct ProgramFolder {
  ProgramFolder() {
    std::string pattern = (fs::temp_directory_path() / "pavlemir-gamestartbench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return;
    root = pattern;
    photopuzzle::PhotoFolder made;
    ready = photopuzzle::MakePhotoProgramFolder(root, root / "Harbour.jpg", made);
    gridPieces = made.gridPieces;
    jpegBytes = made.jpegBytes;
  }
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;
  ~ProgramFolder() {
    std::error_code error;
    if (!root.empty()) fs::remove_all(root, error);
  }

  fs::path root;
  int gridPieces = 0;
  double jpegBytes = 0;
  bool ready = false;
};

const ProgramFolder& SharedProgramFolder() {
  static const ProgramFolder folder;
  return folder;
}

// The window system as far as a game start needs it: notes when the loading window opens and
// closes and when the first frame is presented, and refuses every question.
class BenchHost final : public NullHost {
 public:
  BenchHost() : NullHost({kViewWidth, kViewHeight, 32}) {}
  void Reset() {
    windowOpened_.reset();
    windowClosed_.reset();
    firstPresent_.reset();
    messages_ = 0;
  }
  const std::optional<Clock::time_point>& WindowOpened() const { return windowOpened_; }
  const std::optional<Clock::time_point>& WindowClosed() const { return windowClosed_; }
  const std::optional<Clock::time_point>& FirstPresent() const { return firstPresent_; }
  int Messages() const { return messages_; }

  void Present(const Surface& backSurface, const Rect& rect) override {
    benchmark::DoNotOptimize(&backSurface);
    benchmark::DoNotOptimize(&rect);
    if (!firstPresent_) firstPresent_ = Clock::now();
  }
  bool AskYesNo(const std::string&) override {
    ++messages_;
    return false;
  }
  void ShowMessage(const std::string&, MessageIcon) override { ++messages_; }
  void OpenMessageWindow(const std::string&, bool) override { windowOpened_ = Clock::now(); }
  void CloseMessageWindow() override { windowClosed_ = Clock::now(); }

 private:
  std::optional<Clock::time_point> windowOpened_;
  std::optional<Clock::time_point> windowClosed_;
  std::optional<Clock::time_point> firstPresent_;
  int messages_ = 0;
};

// Sums of per-iteration times in milliseconds, reported as averages per iteration.
class StageTotals {
 public:
  void Add(const std::string& name, double milliseconds) { sums_[name] += milliseconds; }
  void Report(benchmark::State& state) const {
    for (const auto& [name, sum] : sums_)
      state.counters[name] = benchmark::Counter(sum, benchmark::Counter::kAvgIterations);
  }

 private:
  std::map<std::string, double> sums_;
};

// A fresh game on the program folder, painted once, with the photograph's puzzle selected.
// Answers none when the puzzle is not there.
std::unique_ptr<Game> GameAtGallery(BenchHost& host, SurfaceService& service,
                                    const BitmapProvider& bitmaps, const fs::path& root) {
  auto game = std::make_unique<Game>(
      host, service, bitmaps, GameSetup{root.string(), kViewWidth, kViewHeight, TileSettings{}});
  game->Start();
  PuzzleLibrary& library = game->Library();
  if (library.packs.size() != 1 || library.packs[0]->puzzles.size() != 1) return nullptr;
  PuzzlePack* pack = library.packs[0].get();
  game->SelectPuzzle(pack, pack->puzzles[0].get());
  return game;
}

// Play on the selected puzzle, timed from the command to the host's first Present. The loading
// window's opening and closing split that time into: reading, decoding and fitting the picture;
// ghost, cut, images and turned sets; and groups, scatter and the first frame.
void BM_PlayToFirstFrame(benchmark::State& state) {
  const ProgramFolder& folder = SharedProgramFolder();
  if (!folder.ready) {
    state.SkipWithError("the program folder could not be made");
    return;
  }
  SurfaceService service(PixelFormatInfo::Rgb32());
  const EmbeddedBitmaps bitmaps;
  BenchHost host;
  StageTotals totals;
  std::unique_ptr<Game> game;
  for (auto _ : state) {
    state.PauseTiming();
    game.reset();
    SeedRandom(kSeed);
    game = GameAtGallery(host, service, bitmaps, folder.root);
    if (!game) {
      state.SkipWithError("the puzzle was not loaded");
      break;
    }
    host.Reset();
    const Clock::time_point start = Clock::now();
    state.ResumeTiming();

    game->Command(kPlayCommand);

    state.PauseTiming();
    const PuzzleRecord* puzzle = game->OpenPuzzle();
    if (game->Mode() != ViewMode::Play || puzzle == nullptr || host.Messages() != 0 ||
        static_cast<int>(puzzle->pieces.size()) != folder.gridPieces || !host.FirstPresent() ||
        !host.WindowOpened() || !host.WindowClosed()) {
      state.SkipWithError("the game did not start on the new puzzle");
      break;
    }
    totals.Add("to_first_present_ms", MillisecondsBetween(start, *host.FirstPresent()));
    totals.Add("load_fit_ms", MillisecondsBetween(start, *host.WindowOpened()));
    totals.Add("cut_turn_ms", MillisecondsBetween(*host.WindowOpened(), *host.WindowClosed()));
    totals.Add("scatter_paint_ms", MillisecondsBetween(*host.WindowClosed(), *host.FirstPresent()));
    state.ResumeTiming();
  }
  // The loop's timer has stopped here.
  game.reset();
  if (state.error_occurred()) return;
  totals.Report(state);
  state.counters["pieces"] = folder.gridPieces;
  state.counters["jpeg_kb"] = folder.jpegBytes / 1024;
}
BENCHMARK(BM_PlayToFirstFrame)->Unit(benchmark::kMillisecond);

// Notes the end of each cutting phase; the phases end after known numbers of steps: the rows
// twice, then the pieces twice.
class PhaseMarks final : public CutProgress {
 public:
  explicit PhaseMarks(const CutGrid& grid) {
    const int pieces = grid.cols * grid.rows;
    ends_ = {grid.rows, 2 * grid.rows, 2 * grid.rows + pieces, 2 * grid.rows + 2 * pieces};
  }
  void SetRange(int, int) override {}
  void SetStep(int) override {}
  void StepIt() override {
    ++steps_;
    if (next_ < ends_.size() && steps_ == ends_[next_]) marks_[next_++] = Clock::now();
  }
  bool Complete() const { return next_ == ends_.size(); }
  // The end of phase `phase` (0..3); meaningful once Complete().
  Clock::time_point End(std::size_t phase) const { return marks_[phase]; }

 private:
  std::array<int, 4> ends_{};
  std::array<Clock::time_point, 4> marks_{};
  std::size_t next_ = 0;
  int steps_ = 0;
};

// Wall and thread CPU time between successive laps, added to the totals by stage name.
class StageClock {
 public:
  explicit StageClock(StageTotals& totals) : totals_(totals) {}
  void Lap(const std::string& stage) {
    const Clock::time_point wall = Clock::now();
    const double cpu = ThreadCpuMilliseconds();
    totals_.Add(stage + "_ms", MillisecondsBetween(wall_, wall));
    totals_.Add(stage + "_cpu_ms", cpu - cpu_);
    wall_ = wall;
    cpu_ = cpu;
  }
  // Splits the time since the last lap at the given instants; the CPU time is shared out in
  // proportion to the wall time.
  void LapAt(const std::array<std::string, 2>& stages, Clock::time_point middle) {
    const Clock::time_point wall = Clock::now();
    const double cpu = ThreadCpuMilliseconds();
    const double whole = MillisecondsBetween(wall_, wall);
    const double first = MillisecondsBetween(wall_, middle);
    const double share = whole > 0 ? first / whole : 0;
    totals_.Add(stages[0] + "_ms", first);
    totals_.Add(stages[1] + "_ms", whole - first);
    totals_.Add(stages[0] + "_cpu_ms", (cpu - cpu_) * share);
    totals_.Add(stages[1] + "_cpu_ms", (cpu - cpu_) * (1 - share));
    wall_ = wall;
    cpu_ = cpu;
  }
  void Restart() {
    wall_ = Clock::now();
    cpu_ = ThreadCpuMilliseconds();
  }

 private:
  StageTotals& totals_;
  Clock::time_point wall_;
  double cpu_ = 0;
};

// The start-up window's texts go nowhere.
class SilentLoading final : public LoadingProgress {
 public:
  void SetLoadingText(const std::string&) override {}
};

// What a game start works on besides the puzzle: the drawing objects with their composed frame,
// the edge masks and the laid-out play state.
struct StartScene {
  StartScene(SurfaceService& service, const BitmapProvider& bitmaps)
      : resources(MakePaintResources(service, bitmaps, TileSettings{})),
        edgeMasks(MakeEdgeMaskSurfaces(service)) {
    CreateBackSurface(resources, service, kViewWidth, kViewHeight);
    LayOutPlayField(state, Rect{0, 0, kViewWidth, kViewHeight});
  }
  PaintResources resources;
  EdgeMaskSurfaces edgeMasks;
  PlayState state;
};

// The start of the game, stage by stage, in the game's order and with its calls: read+decode,
// fit, ghost, cut (cutting phases 1-2), images (phases 3-4), turned sets, groups and scatter,
// and the first paint (the play state, the ghost's display copy, the frame over the play area).
// False when a stage fails.
bool RunStages(SurfaceService& service, StartScene& scene, const PaintContext& paint,
               PuzzleLibrary& library, PuzzleRecord& puzzle, StageClock& clock) {
  std::unique_ptr<Surface> picture;
  clock.Restart();
  if (!OpenEmbeddedPicture(service, puzzle, picture)) return false;
  clock.Lap("decode");
  if (!FitPicture(service, scene.state.playArea, picture, puzzle.blackAndWhite != 0)) return false;
  clock.Lap("fit");
  ReleasePackDisplayCopies(library);
  MakeGhost(service, scene.state.playArea, *picture, puzzle);
  clock.Lap("ghost");
  const PieceSizeChoice& size = kPieceSizeChoices[static_cast<std::size_t>(puzzle.sizeChoice)];
  PhaseMarks phases(PlanCutGrid(picture->Width(), picture->Height(), size.pieceSize));
  CutContext context{service, scene.edgeMasks, phases};
  CutPicture(context, *picture, size.pieceSize, size.overlap, size.maskSet, puzzle.rotationOn != 0,
             puzzle.pieces);
  if (!phases.Complete()) return false;
  clock.LapAt({"cut", "images"}, phases.End(1));
  if (puzzle.rotationOn != 0) MakeRotations(service, puzzle.pieces, phases);
  clock.Lap("rotations");
  RebuildGroups(puzzle);
  puzzle.picture = std::move(picture);
  ArrangePieces(puzzle, scene.state.playArea, ArrangeKind::Random);
  clock.Lap("scatter");
  if (puzzle.ghostMaster) puzzle.ghost = CreateDisplayCopy(service, *puzzle.ghostMaster);
  LoadPlayState(scene.state, puzzle, 0);
  scene.state.mode = ViewMode::Play;
  const FrameResult frame =
      ComposeFrame(scene.resources, paint, scene.state, &puzzle, scene.state.playArea);
  clock.Lap("first_paint");
  return !frame.present.IsEmpty();
}

// The stages of BM_PlayToFirstFrame's start, each as a counter; the phases of cutting split at
// the progress step that ends phase 2. The iteration's time is the whole run.
void BM_GameStartStages(benchmark::State& state) {
  const ProgramFolder& folder = SharedProgramFolder();
  if (!folder.ready) {
    state.SkipWithError("the program folder could not be made");
    return;
  }
  SurfaceService service(PixelFormatInfo::Rgb32());
  const EmbeddedBitmaps bitmaps;
  StartScene scene(service, bitmaps);
  const PaintContext paint{service, bitmaps, TileSettings{}, 32};
  StageTotals totals;
  StageClock clock(totals);
  SilentLoading silent;
  PuzzleLibrary library;
  for (auto _ : state) {
    state.PauseTiming();
    ReleasePuzzlePacks(library);
    library = PuzzleLibrary{};
    LoadPuzzlePacks(service, folder.root.string(), library, silent);
    if (library.packs.size() != 1 || library.packs[0]->puzzles.size() != 1) {
      state.SkipWithError("the puzzle was not loaded");
      break;
    }
    PuzzleRecord& puzzle = *library.packs[0]->puzzles[0];
    scene.state.mode = ViewMode::Gallery;
    SeedRandom(kSeed);
    state.ResumeTiming();

    const bool started = RunStages(service, scene, paint, library, puzzle, clock);

    state.PauseTiming();
    if (!started || static_cast<int>(puzzle.pieces.size()) != folder.gridPieces) {
      state.SkipWithError("a stage of the start failed");
      break;
    }
    state.ResumeTiming();
  }
  ReleasePuzzlePacks(library);
  if (state.error_occurred()) return;
  totals.Report(state);
  state.counters["pieces"] = folder.gridPieces;
}
BENCHMARK(BM_GameStartStages)->Unit(benchmark::kMillisecond);

}  // namespace
