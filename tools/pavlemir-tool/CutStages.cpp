// Running and timing the start-of-game stages for the cut subcommand.
#include "CutStages.h"

#include <chrono>
#include <vector>

#include "puzzle/EdgeMasks.h"
#include "puzzle/Ghost.h"
#include "puzzle/PictureFitting.h"
#include "puzzle/PieceCutting.h"
#include "puzzle/PieceRotation.h"
#include "puzzle/PieceSizeChoice.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

// Counts the progress steps and notes when each cutting phase ended: the phases end after known
// numbers of steps (rows, rows, pieces, pieces).
class PhaseClock : public CutProgress {
 public:
  explicit PhaseClock(const CutGrid& grid) : start_(Clock::now()) {
    const int pieces = grid.cols * grid.rows;
    ends_ = {grid.rows, 2 * grid.rows, 2 * grid.rows + pieces, 2 * grid.rows + 2 * pieces};
    marks_.fill(start_);
  }
  void SetRange(int, int upper) override { range_ = upper; }
  void SetStep(int step) override { step_ = step; }
  void StepIt() override {
    steps_ += step_;
    ++count_;
    const Clock::time_point now = Clock::now();
    for (std::size_t i = 0; i < ends_.size(); ++i) {
      if (count_ <= ends_[i]) marks_[i] = now;
    }
  }
  int Range() const { return range_; }
  int Steps() const { return steps_; }
  std::array<double, 4> Phases() const {
    std::array<double, 4> phases{};
    Clock::time_point from = start_;
    for (std::size_t i = 0; i < phases.size(); ++i) {
      phases[i] = Milliseconds(from, marks_[i]);
      from = marks_[i];
    }
    return phases;
  }

 private:
  Clock::time_point start_;
  std::array<int, 4> ends_{};
  std::array<Clock::time_point, 4> marks_{};
  int range_ = 0;
  int step_ = 1;
  int steps_ = 0;
  int count_ = 0;
};

}  // namespace

CutOutcome RunCutStages(SurfaceService& service, std::unique_ptr<Surface> picture,
                        const CutOptions& options) {
  CutOutcome outcome;
  const PieceSizeChoice& size = kPieceSizeChoices[static_cast<std::size_t>(options.choice)];
  PuzzleRecord& puzzle = outcome.puzzle;
  puzzle.sizeChoice = options.choice;
  puzzle.rotationOn = options.rotation;
  puzzle.blackAndWhite = options.blackAndWhite;

  Clock::time_point t = Clock::now();
  const EdgeMaskSurfaces masks = MakeEdgeMaskSurfaces(service);
  const auto lap = [&t](double& into) {
    const Clock::time_point now = Clock::now();
    into = Milliseconds(t, now);
    t = now;
  };
  lap(outcome.times.masks);
  FitPicture(service, options.playArea, picture, options.blackAndWhite);
  lap(outcome.times.fit);
  MakeGhost(service, options.playArea, *picture, puzzle);
  lap(outcome.times.ghost);

  outcome.grid = PlanCutGrid(picture->Width(), picture->Height(), size.pieceSize);
  PhaseClock progress(outcome.grid);
  CutContext context{service, masks, progress};
  CutPicture(context, *picture, size.pieceSize, size.overlap, size.maskSet, options.rotation,
             puzzle.pieces);
  outcome.times.phases = progress.Phases();
  t = Clock::now();
  if (options.rotation) MakeRotations(service, puzzle.pieces, progress);
  lap(outcome.times.rotations);

  puzzle.picture = std::move(picture);
  puzzle.cols = context.gridCols;
  puzzle.rows = context.gridRows;
  outcome.progressRange = progress.Range();
  outcome.progressSteps = progress.Steps();
  return outcome;
}
