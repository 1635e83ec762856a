// Undo on a 3,577-piece puzzle (73 x 49 pieces of 20 pixels on a 1920 x 1080 screen): a random
// game of drops, joins and arrangements recorded step by step, then every step taken back and
// made again. Reports the time of one undo (median and slowest step, without the repaint) and
// the memory one step holds (median and mean as counted, and the heap it took).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "play/Arranging.h"
#include "play/Dragging.h"
#include "play/GroupOrder.h"
#include "play/Joining.h"
#include "play/PlayState.h"
#include "play/UndoHistory.h"
#include "puzzle/PieceSizeChoice.h"
#include "puzzle/RandomSequence.h"

namespace {

constexpr int kCols = 73;
constexpr int kRows = 49;
constexpr int kActions = 250;
constexpr Rect kScreen = {0, 0, 1920, 1080};
using Clock = std::chrono::steady_clock;

struct Field {
  Field() {
    LayOutPlayField(state, kScreen);
    state.mode = ViewMode::Play;
    const PieceSizeChoice& choice = kPieceSizeChoices[7];
    puzzle.cols = kCols;
    puzzle.rows = kRows;
    for (int id = 0; id < kCols * kRows; ++id) {
      auto piece = std::make_unique<Piece>();
      piece->id = id;
      piece->col = id % kCols;
      piece->row = id / kCols;
      piece->cellWidth = piece->cellHeight = choice.pieceSize;
      piece->halfCellWidth = piece->halfCellHeight = choice.pieceSize / 2;
      piece->imageWidth = piece->imageHeight = choice.pieceSize + choice.overlap;
      puzzle.pieces.push_back(std::move(piece));
      puzzle.groups.push_back(std::make_unique<PieceGroup>());
      puzzle.groups.back()->pieces.push_back(puzzle.pieces.back().get());
    }
    SeedRandom(31337);
    ArrangePieces(puzzle, state.playArea, ArrangeKind::Random);
    history.Reset(&puzzle);
  }

  // A drop as the mouse makes it: the group comes to the front, moves (beside a neighbour of
  // one of its pieces half of the time), joins what fits and keeps inside the drop limits.
  void Drop(std::mt19937& random) {
    PieceGroup* group = puzzle.groups[random() % puzzle.groups.size()].get();
    BringToFront(puzzle, group);
    puzzle.draggedGroup = group;
    const Piece& moved = *group->pieces[random() % group->pieces.size()];
    int dx = static_cast<int>(random() % 400) - 200, dy = static_cast<int>(random() % 300) - 150;
    if (random() % 2 == 0 && moved.col + 1 < kCols) {
      const Piece& right = *puzzle.pieces[static_cast<std::size_t>(moved.id + 1)];
      dx = right.x - 20 - moved.x;
      dy = right.y - moved.y;
    }
    MoveGroup(*group, dx, dy);
    PlayEffects effects;
    TryJoin(state, puzzle, effects);
    if (puzzle.draggedGroup != nullptr) SettleGroup(state, *puzzle.draggedGroup);
    puzzle.draggedGroup = nullptr;
  }

  void PlayRandomGame() {
    std::mt19937 random(4711);
    for (int action = 0; action < kActions; ++action) {
      history.Begin(state, puzzle);
      if (action % 50 == 49) {
        ArrangePieces(puzzle, state.playArea, ArrangeKind::EdgesApart);
      } else {
        Drop(random);
      }
      history.End(state, puzzle);
    }
  }

  PlayState state;
  PuzzleRecord puzzle;
  UndoHistory history;
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

void BM_UndoStep(benchmark::State& run) {
  const std::size_t heapBefore = mallinfo2().uordblks;
  Field field;
  const std::size_t heapField = mallinfo2().uordblks;
  field.PlayRandomGame();
  const std::size_t steps = field.history.UndoCount();
  const double heapPerStep =
      static_cast<double>(mallinfo2().uordblks - heapField) / static_cast<double>(steps);
  // Each step's times over the iterations, newest step first.
  std::vector<std::vector<double>> stepMicros(steps);
  for (auto _ : run) {
    PlayEffects effects;
    for (std::size_t i = 0; i < steps; ++i) {
      const auto start = Clock::now();
      field.history.Undo(field.state, field.puzzle, effects);
      stepMicros[i].push_back(
          std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    run.PauseTiming();
    while (field.history.Redo(field.state, field.puzzle, effects)) {
    }
    run.ResumeTiming();
  }
  run.SetItemsProcessed(static_cast<int64_t>(run.iterations() * steps));
  run.counters["steps"] = static_cast<double>(steps);
  // A step's time is the median of its runs, so a moment the machine was busy elsewhere does
  // not count as the step's own.
  std::vector<double> perStep;
  for (const auto& times : stepMicros) perStep.push_back(Median(times));
  run.counters["median_step_us"] = Median(perStep);
  run.counters["slowest_step_us"] = *std::max_element(perStep.begin(), perStep.end());
  run.counters["bytes_per_step"] =
      static_cast<double>(field.history.Bytes()) / static_cast<double>(steps);
  run.counters["heap_per_step"] = heapPerStep;
  run.counters["field_heap_bytes"] = static_cast<double>(heapField - heapBefore);
}
BENCHMARK(BM_UndoStep)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The memory of one step by kind: the median over the game's steps, counted.
void BM_StepBytes(benchmark::State& run) {
  for (auto _ : run) {
    Field field;
    std::vector<double> bytes;
    std::mt19937 random(99);
    for (int action = 0; action < kActions; ++action) {
      const std::size_t before = field.history.Bytes();
      field.history.Begin(field.state, field.puzzle);
      field.Drop(random);
      field.history.End(field.state, field.puzzle);
      if (field.history.Bytes() != before)
        bytes.push_back(static_cast<double>(field.history.Bytes() - before));
    }
    run.counters["median_drop_step_bytes"] = Median(bytes);
  }
}
BENCHMARK(BM_StepBytes)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
