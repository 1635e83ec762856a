// A long random run of player actions through the game, with its invariants checked after each.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "GameFixture.h"
#include "GamePlayer.h"
#include "GameSnapshot.h"
#include "game/GameCommands.h"
#include "play/CornerBox.h"

namespace {

constexpr int kActionsPerRun = 300;
constexpr uint64_t kLongestClockSeconds = 65535ull * 3600 + 59 * 60 + 59;

constexpr int kUnknownCommand = 40000;

// Every command of both menus and one the game does not know, offered in both modes.
constexpr std::array<int, 11> kCommands = {
    kPlayCommand,      kScatterCommand,     kPauseCommand,       kGhostCommand,
    kThumbnailCommand, kArrangeGridCommand, kArrangeEdgeCommand, kArrangeRandomCommand,
    kOptionsCommand,   kBackCommand,        kUnknownCommand};

bool GalleryTakes(int id) {
  return id == kPlayCommand || id == kScatterCommand || id == kOptionsCommand;
}

bool PlayTakes(int id) {
  return id != kPlayCommand && id != kScatterCommand && id != kUnknownCommand;
}

// What the player remembers of one puzzle (by its place in the pack) between games and runs.
struct PuzzleMemory {
  std::optional<GameSnapshot> snapshot;  // when it was last left or the program ended
  uint8_t solved = 0;                    // the highest share seen since its last reset
  std::optional<WindowRect> thumbnail;   // the last place given to its thumbnail window
};

// The kinds of action, drawn with weights that depend on the mode.
enum class Act {
  Play,
  Scatter,
  Select,
  Drag,
  Press,
  Release,
  Move,
  RightClick,
  RightPress,
  RightRelease,
  DoubleClick,
  Escape,
  Command,
  Idle,
  LongIdle,
  WrapIdle,
  ThumbnailPlaced,
  Restart,
  Join,
  Solve,
  LeaveWhileDragging,
  Count
};

constexpr std::array<double, static_cast<int>(Act::Count)> kGalleryWeights = {
    40, 6, 10, 2, 2, 2, 2, 1, 1, 1, 1, 1, 6, 3, 1, 1, 1, 2, 0, 0, 0};
constexpr std::array<double, static_cast<int>(Act::Count)> kPlayWeights = {
    1, 1, 1, 24, 4, 3, 5, 6, 2, 2, 3, 3, 10, 10, 2, 1, 2, 1, 10, 1.5, 2};

// Drives one game with a seeded generator and checks the invariants after every action.
class Monkey {
 public:
  Monkey(GameHarness& h, uint32_t seed) : h_(h), seed_(seed), random_(seed) { ResetClockModel(); }

  void Run(int actions) {
    for (action_ = 1; action_ <= actions; ++action_) {
      Step();
      Check();
      if (::testing::Test::HasFailure()) return;
    }
  }

 private:
  std::string Where() const {
    return "seed " + std::to_string(seed_) + ", action " + std::to_string(action_) + ": " + what_;
  }

  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }
  static std::string Text(ClientPoint p) {
    return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
  }

  Game& game() { return h_.game(); }
  bool Open() { return game().Mode() != ViewMode::Gallery && game().OpenPuzzle() != nullptr; }

  std::optional<int> OpenIndex() {
    for (std::size_t i = 0; i < h_.Pack().puzzles.size(); ++i) {
      if (h_.Pack().puzzles[i].get() == game().OpenPuzzle()) return static_cast<int>(i);
    }
    return std::nullopt;
  }

  std::optional<int> CurrentIndex() {
    for (std::size_t i = 0; i < h_.Pack().puzzles.size(); ++i) {
      if (h_.Pack().puzzles[i].get() == h_.Pack().currentPuzzle) return static_cast<int>(i);
    }
    return std::nullopt;
  }

  // ---- points ----

  ClientPoint ViewPoint() { return {Uniform(0, kViewWidth - 1), Uniform(0, kViewHeight - 1)}; }
  // While the mouse is captured the pointer may leave the view.
  ClientPoint LoosePoint() {
    return {Uniform(-40, kViewWidth + 40), Uniform(-40, kViewHeight + 40)};
  }

  ClientPoint InRect(const Rect& r) {
    return {Uniform(r.left, r.right - 1), Uniform(r.top, r.bottom - 1)};
  }

  ClientPoint GroupPoint() {
    if (!Open() || game().OpenPuzzle()->groups.empty()) return ViewPoint();
    const auto& groups = game().OpenPuzzle()->groups;
    const PieceGroup& group =
        *groups[static_cast<std::size_t>(Uniform(0, static_cast<int>(groups.size()) - 1))];
    return GrabPoint(game(), group).value_or(ViewPoint());
  }

  ClientPoint HandlePoint() {
    const CornerBox& box = game().State().boxes[static_cast<std::size_t>(Uniform(0, 3))];
    return InRect(box.open && Chance(0.5) ? box.InnerHandle() : box.closedRect);
  }

  ClientPoint OpenBoxPoint() {
    std::vector<const CornerBox*> open;
    for (const CornerBox& box : game().State().boxes) {
      if (box.open) open.push_back(&box);
    }
    if (open.empty()) return ViewPoint();
    return InRect(
        open[static_cast<std::size_t>(Uniform(0, static_cast<int>(open.size()) - 1))]->openRect);
  }

  ClientPoint AnyPoint() {
    switch (Uniform(0, 5)) {
      case 0:
        return ViewPoint();
      case 1:
        return HandlePoint();
      case 2:
        return OpenBoxPoint();
      default:
        return GroupPoint();
    }
  }

  // ---- actions ----

  void Step() {
    before_ = Open() ? std::optional<GameSnapshot>(TakeSnapshot(game())) : std::nullopt;
    beforeIndex_ = Open() ? OpenIndex() : std::nullopt;
    const bool wasGallery = game().Mode() == ViewMode::Gallery;
    const auto& weights = wasGallery ? kGalleryWeights : kPlayWeights;
    std::discrete_distribution<int> pick(weights.begin(), weights.end());
    Do(static_cast<Act>(pick(random_)));
    if (beforeIndex_ && !Open()) Remember(*beforeIndex_, Settled(*beforeIndex_, *before_));
    if (wasGallery && Open()) Resumed();
  }

  // A leave during a drag keeps the dragged group inside the drop limit: the game left is the
  // one before the leave with every piece where the leave put it.
  GameSnapshot Settled(int index, GameSnapshot snapshot) {
    const PuzzleRecord& puzzle = h_.Puzzle(index);
    for (std::size_t id = 0; id < puzzle.pieces.size() && id < snapshot.pieces.size(); ++id) {
      const Piece& piece = *puzzle.pieces[id];
      snapshot.pieces[id] = {piece.x, piece.y, piece.rotation};
    }
    return snapshot;
  }

  // A game taken up again in the same run is the one that was left, unless it was reset.
  void Resumed() {
    ResetClockModel();
    const auto memory = memory_.find(OpenIndex().value_or(-1));
    if (memory == memory_.end() || !memory->second.snapshot) return;
    EXPECT_EQ(TakeSnapshot(game()), *memory->second.snapshot) << Where();
  }

  void Remember(int index, const GameSnapshot& snapshot) {
    memory_[index].snapshot = snapshot;
    lastPlayed_ = index;
  }

  void Do(Act act) {
    switch (act) {
      case Act::Play:
        return PlayOrScatter(kPlayCommand);
      case Act::Scatter:
        return PlayOrScatter(kScatterCommand);
      case Act::Select:
        return SelectAnother();
      case Act::Drag:
        return Drag();
      case Act::Press:
        return Press(AnyPoint());
      case Act::Release:
        return Release(Chance(0.5) ? AnyPoint() : LoosePoint());
      case Act::Move:
        return Move(leftDown_ ? LoosePoint() : AnyPoint());
      case Act::RightClick:
        return RightClickAt(AnyPoint());
      case Act::RightPress:
        return RightPress(AnyPoint());
      case Act::RightRelease:
        return RightRelease(AnyPoint());
      case Act::DoubleClick:
        return DoubleClickAt(AnyPoint());
      case Act::Escape:
        what_ = "Escape";
        return game().KeyDown(kEscapeKey);
      case Act::Command:
        return RunCommand(kCommands[static_cast<std::size_t>(
            Uniform(0, static_cast<int>(kCommands.size()) - 1))]);
      case Act::Idle:
        return IdleBy(static_cast<uint32_t>(Uniform(0, 2500)));
      case Act::LongIdle:
        return IdleBy(static_cast<uint32_t>(Uniform(60 * 1000, 3 * 3600 * 1000)));
      case Act::WrapIdle:
        return IdleBy(UINT32_MAX - h_.host.now - static_cast<uint32_t>(Uniform(0, 3000)));
      case Act::ThumbnailPlaced:
        return PlaceThumbnail();
      case Act::Restart:
        return Restart();
      case Act::Join:
        return JoinNeighbours();
      case Act::Solve:
        what_ = "solve by mouse";
        if (game().Mode() == ViewMode::Play) SolveByMouse(game());
        return;
      case Act::LeaveWhileDragging:
        return LeaveWhileDragging();
      case Act::Count:
        break;
    }
  }

  // Play and Scatter ask their question when the game should; the answer is random.
  void PlayOrScatter(int id) {
    const bool gallery = game().Mode() == ViewMode::Gallery;
    const std::optional<int> current = CurrentIndex();
    const bool asks = gallery && current &&
                      (id == kScatterCommand || h_.Pack().currentPuzzle->solvedPercent == 100);
    const bool yes = Chance(id == kScatterCommand ? 0.5 : 0.3);
    what_ = std::string(id == kPlayCommand ? "Play" : "Scatter") +
            (asks ? (yes ? ", Yes" : ", No") : "");
    h_.host.answers = {yes};
    const std::size_t questions = h_.host.questions.size();
    EXPECT_EQ(game().Command(id), gallery) << Where();
    EXPECT_EQ(h_.host.questions.size() - questions, asks ? 1u : 0u) << Where();
    h_.host.answers.clear();
    if (asks && yes) memory_.erase(*current);
    if (gallery && current && id == kPlayCommand) {
      EXPECT_EQ(game().Mode(), ViewMode::Play) << Where();
      EXPECT_EQ(OpenIndex(), current) << Where();
    }
  }

  void SelectAnother() {
    const int index = Uniform(0, static_cast<int>(h_.Pack().puzzles.size()) - 1);
    what_ = "select puzzle " + std::to_string(index);
    const std::optional<int> current = CurrentIndex();
    const bool gallery = game().Mode() == ViewMode::Gallery;
    game().SelectPuzzle(&h_.Pack(), &h_.Puzzle(index));
    EXPECT_EQ(CurrentIndex(), gallery ? std::optional<int>(index) : current) << Where();
  }

  void Press(ClientPoint p) {
    if (leftDown_) return Release(p);
    what_ = "left press at " + Text(p);
    leftDown_ = true;
    game().LeftButtonDown(p);
  }

  void Release(ClientPoint p) {
    what_ = "left release at " + Text(p);
    leftDown_ = false;
    game().LeftButtonUp(p);
  }

  void Move(ClientPoint p) {
    what_ = "move to " + Text(p);
    game().MouseMove(p);
  }

  // A press on a group, a handle or anywhere, a few moves (perhaps onto a box), and usually
  // the release.
  void Drag() {
    if (leftDown_) return Release(LoosePoint());
    ClientPoint p = AnyPoint();
    std::ostringstream what;
    what << "drag from " << Text(p);
    leftDown_ = true;
    game().LeftButtonDown(p);
    const int moves = Uniform(0, 4);
    for (int m = 0; m < moves; ++m) {
      if (Chance(0.2)) {
        p = InRect(game().State().boxes[static_cast<std::size_t>(Uniform(0, 3))].VisibleRect());
      } else {
        p = {p.x + Uniform(-150, 150), p.y + Uniform(-150, 150)};
      }
      what << " via " << Text(p);
      game().MouseMove(p);
    }
    if (Chance(0.9)) {
      what << " released";
      leftDown_ = false;
      game().LeftButtonUp(p);
    }
    what_ = what.str();
  }

  // Escape or Back with a group on the pointer; the button comes up later, in the gallery.
  void LeaveWhileDragging() {
    if (leftDown_) return Release(LoosePoint());
    const ClientPoint p = GroupPoint();
    const bool escape = Chance(0.5);
    what_ = std::string(escape ? "Escape" : "Back") + " while dragging from " + Text(p);
    leftDown_ = true;
    game().LeftButtonDown(p);
    game().MouseMove({p.x + Uniform(-60, 60), p.y + Uniform(-60, 60)});
    if (Open()) before_ = TakeSnapshot(game());
    if (escape) {
      game().KeyDown(kEscapeKey);
    } else {
      game().Command(kBackCommand);
    }
  }

  void RightClickAt(ClientPoint p) {
    what_ = "right click at " + Text(p);
    game().RightButtonDown(p);
    game().RightButtonUp(p);
  }

  void RightPress(ClientPoint p) {
    what_ = "right press at " + Text(p);
    rightDown_ = true;
    game().RightButtonDown(p);
  }

  void RightRelease(ClientPoint p) {
    what_ = "right release at " + Text(p);
    rightDown_ = false;
    game().RightButtonUp(p);
  }

  // The messages of a double-click: press, release, double-click (one more press), release.
  void DoubleClickAt(ClientPoint p) {
    if (leftDown_) return Release(p);
    what_ = "double-click at " + Text(p);
    game().LeftButtonDown(p);
    game().LeftButtonUp(p);
    game().LeftDoubleClick(p);
    game().LeftButtonUp(p);
  }

  void RunCommand(int id) {
    if (id == kPlayCommand || id == kScatterCommand) return PlayOrScatter(id);
    what_ = "command " + std::to_string(id);
    const bool gallery = game().Mode() == ViewMode::Gallery;
    EXPECT_EQ(game().Command(id), gallery ? GalleryTakes(id) : PlayTakes(id)) << Where();
  }

  void IdleBy(uint32_t dt) {
    what_ = "idle after " + std::to_string(dt) + " ms at " + std::to_string(h_.host.now);
    h_.host.now += dt;
    const bool running = Open() && game().Mode() == ViewMode::Play &&
                         !game().State().flags.paused && game().OpenPuzzle()->solvedPercent < 100;
    const uint32_t step = h_.host.now - lastTick_;
    lastTick_ = h_.host.now;
    if (running) modelMs_ += step;
    EXPECT_EQ(game().Idle(), Open()) << Where();
  }

  void PlaceThumbnail() {
    const WindowRect rect{Uniform(-100, 1200), Uniform(-100, 900), Uniform(40, 400),
                          Uniform(30, 300)};
    what_ = "thumbnail placed at " + std::to_string(rect.left) + "," + std::to_string(rect.top);
    if (const auto index = OpenIndex(); index && Open()) memory_[*index].thumbnail = rect;
    game().ThumbnailPlaced(rect);
  }

  // Drags a piece beside a grid neighbour of another group, turned to match it first.
  void JoinNeighbours() {
    what_ = "join two neighbours";
    if (game().Mode() != ViewMode::Play) return;
    PuzzleRecord& puzzle = *game().OpenPuzzle();
    const Piece& piece = *puzzle.pieces[static_cast<std::size_t>(
        Uniform(0, static_cast<int>(puzzle.pieces.size()) - 1))];
    const PieceGroup* own = GroupHolding(puzzle, &piece);
    for (const auto& other : puzzle.pieces) {
      const int distance = std::abs(other->col - piece.col) + std::abs(other->row - piece.row);
      if (distance != 1 || GroupHolding(puzzle, other.get()) == own) continue;
      what_ += " " + std::to_string(piece.id) + " beside " + std::to_string(other->id);
      for (int turns = 0; turns < 4 && piece.rotation != other->rotation; ++turns) {
        PieceGroup* group = GroupHolding(puzzle, &piece);
        if (group == nullptr || !RightClick(game(), *group)) return;
      }
      if (piece.rotation == 0 && other->rotation == 0) DropBeside(game(), piece, *other);
      return;
    }
  }

  // Program end and a new run: every remembered game comes back as it was, the last one
  // played stays open.
  void Restart() {
    const int select = Uniform(0, static_cast<int>(h_.Pack().puzzles.size()) - 1);
    what_ = "restart";
    if (const auto index = OpenIndex(); index && Open()) Remember(*index, TakeSnapshot(game()));
    h_.Restart(select);
    // The old program's windows and capture went with it.
    h_.host.mouseCaptured = false;
    h_.host.pauseShown = false;
    h_.host.thumbnailShown = false;
    leftDown_ = rightDown_ = false;
    for (const auto& [index, memory] : memory_) {
      if (index != lastPlayed_ && memory.snapshot) ComeBack(index, true);
    }
    if (lastPlayed_ && memory_[*lastPlayed_].snapshot) ComeBack(*lastPlayed_, false);
    ResetClockModel();
  }

  void ComeBack(int index, bool thenLeave) {
    const PuzzleMemory memory = memory_[index];
    game().SelectPuzzle(&h_.Pack(), &h_.Puzzle(index));
    h_.host.answers = {false};
    const std::size_t moves = h_.host.thumbnailMoves.size();
    game().Command(kPlayCommand);
    h_.host.answers.clear();
    ASSERT_EQ(OpenIndex(), std::optional<int>(index)) << Where();
    EXPECT_EQ(TakeSnapshot(game()), *memory.snapshot) << Where() << ", puzzle " << index;
    EXPECT_EQ(game().OpenPuzzle()->solvedPercent, memory.solved) << Where();
    if (memory.thumbnail) {
      ASSERT_GT(h_.host.thumbnailMoves.size(), moves) << Where();
      EXPECT_EQ(h_.host.thumbnailMoves.back(), *memory.thumbnail) << Where();
    }
    if (thenLeave) game().Command(kBackCommand);
  }

  // ---- invariants ----

  void ResetClockModel() {
    lastTick_ = h_.host.now;
    const ClockReading& shown = game().State().clock.shown;
    modelMs_ = (uint64_t{shown.hours} * 3600 + shown.minutes * 60u + shown.seconds) * 1000;
  }

  void Check() {
    const PlayState& state = game().State();
    EXPECT_FALSE(h_.host.messageWindowOpen) << Where();
    EXPECT_EQ(h_.host.pauseShown, state.flags.paused) << Where();
    if (!leftDown_ && !rightDown_) {
      EXPECT_FALSE(h_.host.mouseCaptured) << Where();
    }
    if (game().Mode() == ViewMode::Gallery) {
      EXPECT_EQ(game().OpenPuzzle(), nullptr) << Where();
      EXPECT_FALSE(state.flags.paused) << Where();
      CheckNoDisplayCopies();
      return;
    }
    ASSERT_NE(game().OpenPuzzle(), nullptr) << Where();
    CheckOpenPuzzle(*game().OpenPuzzle());
    CheckClock();
  }

  void CheckNoDisplayCopies() {
    for (const auto& pack : game().Library().packs) {
      for (const auto& puzzle : pack->puzzles) {
        EXPECT_EQ(puzzle->ghost, nullptr) << Where() << ", " << puzzle->name;
        for (const auto& piece : puzzle->pieces) {
          for (int r = 0; r < kRotationCount; ++r) {
            const auto i = static_cast<std::size_t>(r);
            EXPECT_EQ(piece->image[i], nullptr) << Where() << ", piece " << piece->id;
            EXPECT_EQ(piece->shadow[i], nullptr) << Where() << ", piece " << piece->id;
          }
        }
      }
    }
  }

  void CheckOpenPuzzle(const PuzzleRecord& puzzle) {
    std::map<const Piece*, int> seen;
    for (const auto& piece : puzzle.pieces) seen[piece.get()] = 0;
    for (const auto& group : puzzle.groups) {
      EXPECT_FALSE(group->pieces.empty()) << Where();
      EXPECT_GE(group->box, 0) << Where();
      EXPECT_LE(group->box, 4) << Where();
      for (const Piece* member : group->pieces) {
        const auto found = seen.find(member);
        ASSERT_NE(found, seen.end()) << Where() << ": a group holds a piece of no puzzle";
        ++found->second;
      }
    }
    for (const auto& [piece, count] : seen) {
      EXPECT_EQ(count, 1) << Where() << ", piece " << piece->id;
      EXPECT_GE(piece->rotation, 0) << Where();
      EXPECT_LE(piece->rotation, puzzle.rotationOn != 0 ? 3 : 0) << Where();
    }
    if (!leftDown_) {
      EXPECT_FALSE(game().State().drag.dragging) << Where();
      EXPECT_EQ(puzzle.draggedGroup, nullptr) << Where();
    }
    PuzzleMemory& memory = memory_[OpenIndex().value_or(-1)];
    EXPECT_GE(puzzle.solvedPercent, memory.solved) << Where() << ": the solved share fell";
    EXPECT_LE(puzzle.solvedPercent, 100) << Where();
    memory.solved = puzzle.solvedPercent;
    if (game().Mode() == ViewMode::Celebration) {
      EXPECT_EQ(puzzle.solvedPercent, 100) << Where();
      EXPECT_EQ(puzzle.groups.size(), 1u) << Where();
    }
  }

  // The clock counts only the time of unpaused play on an unsolved puzzle.
  void CheckClock() {
    const uint64_t seconds = std::min(modelMs_ / 1000, kLongestClockSeconds);
    const ClockReading expected{static_cast<uint16_t>(seconds / 3600),
                                static_cast<uint16_t>(seconds / 60 % 60),
                                static_cast<uint16_t>(seconds % 60)};
    EXPECT_EQ(game().State().clock.shown, expected) << Where();
  }

  GameHarness& h_;
  uint32_t seed_;
  std::mt19937 random_;
  int action_ = 0;
  std::string what_;
  bool leftDown_ = false;
  bool rightDown_ = false;
  std::map<int, PuzzleMemory> memory_;
  std::optional<int> lastPlayed_;
  std::optional<GameSnapshot> before_;
  std::optional<int> beforeIndex_;
  uint64_t modelMs_ = 0;
  uint32_t lastTick_ = 0;
};

// A seed and the pixel format of its run.
struct MonkeyRun {
  uint32_t seed;
  const char* format;
};

class GameMonkeyTest : public ::testing::TestWithParam<MonkeyRun> {};

TEST_P(GameMonkeyTest, RandomPlayKeepsTheGameConsistent) {
  GameHarness h(GetParam().format);
  AddWidePuzzle(h);
  ASSERT_FALSE(HasFatalFailure());
  h.OpenGame();
  ASSERT_EQ(h.Pack().puzzles.size(), 3u);
  Monkey(h, GetParam().seed).Run(kActionsPerRun);
}

INSTANTIATE_TEST_SUITE_P(Seeds, GameMonkeyTest,
                         ::testing::Values(MonkeyRun{1, "32"}, MonkeyRun{2, "565"},
                                           MonkeyRun{3, "32"}, MonkeyRun{4, "565"},
                                           MonkeyRun{5, "32"}, MonkeyRun{6, "32"}));

}  // namespace
