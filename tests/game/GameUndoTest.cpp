// Undo and redo through the game: every step of a long random game comes back exactly, a join
// splits again, and the history ends with the celebration and with leaving.
#include <array>
#include <random>
#include <vector>

#include "GameFixture.h"
#include "GamePlayer.h"
#include "play/UndoHistory.h"

namespace {

// Everything an undo must bring back, down to the places pieces were dragged from.
struct FieldState {
  std::vector<std::array<int, 5>> pieces;  // x, y, prevX, prevY, rotation by id
  std::vector<std::vector<int>> groups;    // box, then the members' ids, in drawing order
  std::array<bool, 4> open = {};
  int solved = 0;
  bool operator==(const FieldState&) const = default;
};

FieldState Capture(Game& game) {
  FieldState state;
  const PuzzleRecord& puzzle = *game.OpenPuzzle();
  for (const auto& p : puzzle.pieces)
    state.pieces.push_back({p->x, p->y, p->prevX, p->prevY, p->rotation});
  for (const auto& group : puzzle.groups) {
    std::vector<int> shape{group->box};
    for (const Piece* p : group->pieces) shape.push_back(p->id);
    state.groups.push_back(shape);
  }
  for (std::size_t i = 0; i < 4; ++i) state.open[i] = game.State().boxes[i].open;
  state.solved = puzzle.solvedPercent;
  return state;
}

int PuzzleNamed(GameHarness& h, const std::string& name) {
  for (std::size_t i = 0; i < h.Pack().puzzles.size(); ++i) {
    if (h.Pack().puzzles[i]->name == name) return static_cast<int>(i);
  }
  ADD_FAILURE() << "no puzzle " << name;
  return 0;
}

// A player who does random things and sometimes takes them back, with the expected history.
class UndoPlayer {
 public:
  UndoPlayer(GameHarness& h, uint32_t seed) : h_(h), random_(seed) { done_.push_back(Now()); }

  void Act() {
    const int kind = Uniform(0, 99);
    if (kind < 6) return Undo();
    if (kind < 9) return Redo();
    PuzzleRecord& puzzle = *game().OpenPuzzle();
    PieceGroup& group = *puzzle.groups[static_cast<std::size_t>(
        Uniform(0, static_cast<int>(puzzle.groups.size()) - 1))];
    if (kind < 50) {
      DragGroupBy(game(), group, Uniform(-300, 300), Uniform(-250, 250));
    } else if (kind < 62) {
      RightClick(game(), group);
    } else if (kind < 70) {
      const CornerBox& box = game().State().boxes[static_cast<std::size_t>(Uniform(0, 3))];
      game().LeftButtonDown({box.closedRect.left + 5, box.closedRect.top + 5});
      game().LeftButtonUp({box.closedRect.left + 5, box.closedRect.top + 5});
    } else if (kind < 80) {
      const int commands[] = {kArrangeGridCommand, kArrangeEdgeCommand, kArrangeRandomCommand,
                              kEdgesApartCommand};
      EXPECT_TRUE(game().Command(commands[Uniform(0, 3)]));
    } else if (puzzle.solvedPercent < 60) {
      JoinSomething(puzzle);
    }
    h_.IdleAfter(static_cast<uint32_t>(Uniform(0, 3000)));
    Record();
  }

  // Takes back every step there is, then makes them all again.
  void UndoAllThenRedoAll() {
    while (done_.size() > 1) Undo();
    EXPECT_FALSE(game().QueryCommand(kUndoCommand).enabled);
    while (!undone_.empty()) Redo();
    EXPECT_FALSE(game().QueryCommand(kRedoCommand).enabled);
  }

  std::size_t Steps() const { return done_.size() - 1; }

 private:
  Game& game() { return h_.game(); }
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  FieldState Now() { return Capture(game()); }

  void JoinSomething(PuzzleRecord& puzzle) {
    const Piece& piece = *puzzle.pieces[static_cast<std::size_t>(
        Uniform(0, static_cast<int>(puzzle.pieces.size()) - 1))];
    for (const auto& other : puzzle.pieces) {
      if (std::abs(other->col - piece.col) + std::abs(other->row - piece.row) != 1) continue;
      if (GroupHolding(puzzle, other.get()) == GroupHolding(puzzle, &piece)) continue;
      if (piece.rotation == 0 && other->rotation == 0) DropBeside(game(), piece, *other);
      return;
    }
  }

  // A changed field is one more step and forgets what was taken back; an unchanged one is none.
  void Record() {
    const FieldState now = Now();
    if (now != done_.back()) {
      done_.push_back(now);
      undone_.clear();
      if (done_.size() > UndoHistory::kDepth + 1) done_.erase(done_.begin());
    }
    ASSERT_EQ(game().History().UndoCount(), Steps());
    ASSERT_EQ(game().History().RedoCount(), undone_.size());
  }

  void Undo() {
    const ClockReading clock = game().State().clock.shown;
    const bool can = done_.size() > 1;
    ASSERT_EQ(game().QueryCommand(kUndoCommand).enabled, can);
    game().KeyDown(kZKey, kControlModifier);
    if (can) {
      undone_.push_back(done_.back());
      done_.pop_back();
    }
    ASSERT_EQ(Now(), done_.back()) << "after undoing to step " << Steps();
    ASSERT_EQ(game().State().clock.shown, clock);
  }

  void Redo() {
    const bool can = !undone_.empty();
    ASSERT_EQ(game().QueryCommand(kRedoCommand).enabled, can);
    if (Uniform(0, 1) == 0) {
      game().KeyDown(kYKey, kControlModifier);
    } else {
      game().KeyDown(kZKey, kControlModifier | kShiftModifier);
    }
    if (can) {
      done_.push_back(undone_.back());
      undone_.pop_back();
    }
    ASSERT_EQ(Now(), done_.back()) << "after redoing to step " << Steps();
  }

  GameHarness& h_;
  std::mt19937 random_;
  std::vector<FieldState> done_;  // the field after each step still held, the first before all
  std::vector<FieldState> undone_;
};

class GameUndoTest : public ::testing::TestWithParam<uint32_t> {};

TEST_P(GameUndoTest, EveryStepOfARandomGameComesBackExactly) {
  GameHarness h("32");
  AddWidePuzzle(h, "Turning", true);
  ASSERT_FALSE(HasFatalFailure());
  h.OpenGame();
  h.game().SelectPuzzle(&h.Pack(), &h.Puzzle(PuzzleNamed(h, "Turning")));
  h.Play();
  ASSERT_EQ(h.game().Mode(), ViewMode::Play);
  UndoPlayer player(h, GetParam());
  for (int action = 0; action < 700 && h.game().Mode() == ViewMode::Play; ++action) {
    player.Act();
    ASSERT_FALSE(HasFatalFailure()) << "action " << action;
  }
  ASSERT_EQ(h.game().Mode(), ViewMode::Play);
  EXPECT_GE(player.Steps(), 200u);
  player.UndoAllThenRedoAll();
}

INSTANTIATE_TEST_SUITE_P(Seeds, GameUndoTest, ::testing::Values(1u, 2u));

TEST_F(GameTest, UndoSplitsAJoinAndEndsWithTheCelebrationAndWithLeaving) {
  h.Play();
  PuzzleRecord& puzzle = h.Open();
  ASSERT_TRUE(TurnAllUpright(h.game()));
  const FieldState before = Capture(h.game());
  const std::size_t groups = puzzle.groups.size();
  ASSERT_TRUE(DropBeside(h.game(), *puzzle.pieces[0], *puzzle.pieces[1]));
  ASSERT_EQ(puzzle.groups.size(), groups - 1);
  const FieldState joined = Capture(h.game());

  h.IdleAfter(4000);
  const ClockReading clock = h.game().State().clock.shown;
  EXPECT_TRUE(h.game().Command(kUndoCommand));
  EXPECT_EQ(puzzle.groups.size(), groups);
  EXPECT_EQ(Capture(h.game()), before);
  EXPECT_EQ(h.game().State().clock.shown, clock) << "undo never winds the clock back";
  EXPECT_EQ(h.host.presents.back(), h.game().State().playArea);
  EXPECT_TRUE(h.game().Command(kRedoCommand));
  EXPECT_EQ(Capture(h.game()), joined);

  // Finished, the puzzle stays finished.
  ASSERT_TRUE(SolveByMouse(h.game()));
  ASSERT_EQ(h.game().Mode(), ViewMode::Celebration);
  const FieldState finished = Capture(h.game());
  EXPECT_FALSE(h.game().QueryCommand(kUndoCommand).enabled);
  h.game().KeyDown(kZKey, kControlModifier);
  h.game().Command(kUndoCommand);
  EXPECT_EQ(Capture(h.game()), finished);
  h.Back();

  // A new visit starts without history.
  h.game().SelectPuzzle(&h.Pack(), &h.Puzzle(1));
  h.Play();
  ASSERT_TRUE(DragGroupBy(h.game(), *h.Open().groups.front(), 120, 60));
  EXPECT_TRUE(h.game().QueryCommand(kUndoCommand).enabled);
  h.Back();
  h.Play();
  const FieldState resumed = Capture(h.game());
  EXPECT_FALSE(h.game().QueryCommand(kUndoCommand).enabled);
  h.game().KeyDown(kZKey, kControlModifier);
  EXPECT_EQ(Capture(h.game()), resumed);
}

}  // namespace
