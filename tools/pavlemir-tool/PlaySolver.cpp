// The solver: one mouse action at a time, each decided afresh from the open puzzle.
#include "PlaySolver.h"

#include <climits>
#include <cstdlib>
#include <optional>
#include <vector>

#include "PlayMoves.h"
#include "play/DropLimit.h"
#include "play/GroupBounds.h"
#include "play/GroupOrder.h"
#include "play/HitTest.h"
#include "play/Joining.h"

namespace {

constexpr int kMovesPerPiece = 10;
constexpr int kAsideStep = 16;

bool Overlap(const Rect& a, const Rect& b) {
  return !a.Intersected(b).IsEmpty();
}

bool Adjacent(const Piece& a, const Piece& b) {
  const int dc = a.col - b.col, dr = a.row - b.row;
  return (dr == 0 && (dc == 1 || dc == -1)) || (dc == 0 && (dr == 1 || dr == -1));
}

// Where `moved` lies beside the upright `neighbour` in the finished picture.
ClientPoint PlaceBeside(const Piece& moved, const Piece& neighbour) {
  return {neighbour.x + neighbour.halfCellWidth +
              (moved.col - neighbour.col) * neighbour.cellWidth - moved.halfCellWidth,
          neighbour.y + neighbour.halfCellHeight +
              (moved.row - neighbour.row) * neighbour.cellHeight - moved.halfCellHeight};
}

ClientPoint HomeOf(const Piece& piece, const PuzzleRecord& puzzle) {
  Piece home;
  home.cellWidth = piece.cellWidth;
  home.cellHeight = piece.cellHeight;
  home.col = piece.col;
  home.row = piece.row;
  home.imageWidth = piece.imageWidth;
  home.imageHeight = piece.imageHeight;
  LayAtHome(home, puzzle.ghostX, puzzle.ghostY);
  return {home.x, home.y};
}

// The solver's state between actions.
class Solver {
 public:
  Solver(Game& game, int jitter, uint32_t seed)
      : game_(game), jitter_(jitter), random_(seed == 0 ? 1 : seed) {}
  std::string Run();

 private:
  PuzzleRecord& Puzzle() { return *game_.OpenPuzzle(); }
  const CornerBoxes& Boxes() { return game_.State().boxes; }
  bool OffBoxes(ClientPoint p) { return BoxNumberAt(Boxes(), p) == 0; }
  int Jitter();
  bool Complete();
  std::string Step();
  std::string PlaceAnchor();
  std::optional<std::string> BoxStep();
  PieceGroup* Largest();
  bool TurnOrUncover(PieceGroup& group);
  bool DropAt(PieceGroup& group, const Piece& piece, ClientPoint place);
  bool Uncover(PieceGroup& hidden, PieceGroup& largest);
  bool MoveAside(PieceGroup& group, const Rect& avoid);
  PieceGroup* GroupOf(const Piece& piece);

  Game& game_;
  int jitter_;
  uint32_t random_;
  int anchorId_ = -1;
};

int Solver::Jitter() {
  random_ ^= random_ << 13;
  random_ ^= random_ >> 17;
  random_ ^= random_ << 5;
  return static_cast<int>(random_ % static_cast<uint32_t>(2 * jitter_ + 1)) - jitter_;
}

PieceGroup* Solver::GroupOf(const Piece& piece) {
  for (const auto& group : Puzzle().groups) {
    for (const Piece* p : group->pieces) {
      if (p == &piece) return group.get();
    }
  }
  return nullptr;
}

// The group with the most pieces; among equals the one holding the first piece laid at home.
PieceGroup* Solver::Largest() {
  PieceGroup* best = nullptr;
  for (const auto& group : Puzzle().groups) {
    const bool anchored = group->pieces.front()->id == anchorId_;
    if (best == nullptr || group->pieces.size() > best->pieces.size() ||
        (group->pieces.size() == best->pieces.size() && anchored)) {
      best = group.get();
    }
  }
  return best;
}

// One right click on the group, or, when it cannot be picked, the group over it moved aside.
bool Solver::TurnOrUncover(PieceGroup& group) {
  if (const auto point = GrabPoint(game_, group)) {
    RightClick(game_, *point);
    return true;
  }
  return Uncover(group, *Largest());
}

// Drags the group so that `piece` lies at `place` moved by the jitter.
bool Solver::DropAt(PieceGroup& group, const Piece& piece, ClientPoint place) {
  const int dx = place.x + Jitter() - piece.x;
  const int dy = place.y + Jitter() - piece.y;
  const auto grab = GrabPoint(game_, group, [&](ClientPoint p) {
    return OffBoxes({p.x + dx, p.y + dy});
  });
  if (!grab) return false;
  DragPointer(game_, *grab, {grab->x + dx, grab->y + dy});
  return true;
}

// The topmost group over a visible part of `hidden` goes aside.
bool Solver::Uncover(PieceGroup& hidden, PieceGroup& largest) {
  const PlayState& state = game_.State();
  for (const Piece* piece : hidden.pieces) {
    const Surface* image = piece->image[static_cast<std::size_t>(piece->rotation & 3)].get();
    if (image == nullptr) continue;
    for (int y = 1; y < piece->imageHeight; y += 2) {
      for (int x = 1; x < piece->imageWidth; x += 2) {
        const ClientPoint p{piece->x + x, piece->y + y};
        if (!IsOpaqueAt(*image, x, y) || !state.client.Contains(p.x, p.y) || !OffBoxes(p)) continue;
        const HitResult hit = HitTest(Puzzle(), p, 0);
        PieceGroup* cover =
            hit ? Puzzle().groups[static_cast<std::size_t>(hit.groupIndex)].get() : nullptr;
        if (cover == nullptr || cover == &hidden) continue;
        Rect avoid = *GroupBounds(&hidden);
        if (cover != &largest) avoid = RectUnion(avoid, *GroupBounds(&largest));
        return MoveAside(*cover, avoid);
      }
    }
  }
  return false;
}

// Drops the group where its bounds miss `avoid`, the drop limits leave it in place and it
// covers as few other groups as possible.
bool Solver::MoveAside(PieceGroup& group, const Rect& avoid) {
  const auto grab = GrabPoint(game_, group);
  const auto bounds = GroupBounds(&group);
  if (!grab || !bounds) return false;
  const Rect client = game_.State().client;
  const Piece& first = *group.pieces.front();
  int bestScore = INT_MAX;
  ClientPoint best;
  for (int top = client.top - bounds->Height(); top < client.bottom; top += kAsideStep) {
    for (int left = client.left - bounds->Width(); left < client.right; left += kAsideStep) {
      const int dx = left - bounds->left, dy = top - bounds->top;
      const Rect moved = bounds->Offset(dx, dy);
      if (Overlap(moved, avoid) || !OffBoxes({grab->x + dx, grab->y + dy})) continue;
      const ClientPoint shift =
          DropShift(WithShadowRoom(moved), client, first.imageWidth / 2, first.imageHeight / 2);
      if (shift.x != 0 || shift.y != 0) continue;
      int score = std::abs(dx) / kAsideStep + std::abs(dy) / kAsideStep;
      for (const auto& other : Puzzle().groups) {
        if (other.get() != &group && Overlap(moved, *GroupBounds(other.get()))) score += 1000;
      }
      if (score < bestScore) {
        bestScore = score;
        best = {dx, dy};
      }
    }
  }
  if (bestScore == INT_MAX) return false;
  DragPointer(game_, *grab, {grab->x + best.x, grab->y + best.y});
  return true;
}

bool Solver::Complete() {
  return game_.Mode() == ViewMode::Celebration || Puzzle().solvedPercent == 100;
}

// While a group lies in a box: the other boxes closed, its box opened, its topmost stored group
// moved out to the field. Then the open boxes are closed. Nothing when all that is done.
std::optional<std::string> Solver::BoxStep() {
  int stored = 0;
  for (const auto& group : Puzzle().groups) {
    if (group->box != 0) stored = group->box;
  }
  for (const CornerBox& box : Boxes()) {
    if (box.open && box.number != stored) {
      ClickHandle(game_, box);
      return std::string();
    }
  }
  if (stored == 0) return std::nullopt;
  const CornerBox& box = Boxes()[static_cast<std::size_t>(stored - 1)];
  if (!box.open) {
    ClickHandle(game_, box);
    return std::string();
  }
  for (auto it = Puzzle().groups.rbegin(); it != Puzzle().groups.rend(); ++it) {
    if ((*it)->box == stored && MoveAside(**it, Rect{})) return std::string();
  }
  return "no group in box " + std::to_string(stored) + " can be taken out";
}

// The middle piece of the picture laid upright at its home position.
std::string Solver::PlaceAnchor() {
  const PuzzleRecord& puzzle = Puzzle();
  for (const auto& piece : puzzle.pieces) {
    if (piece->col != puzzle.cols / 2 || piece->row != puzzle.rows / 2) continue;
    PieceGroup* group = GroupOf(*piece);
    if (piece->rotation != 0)
      return TurnOrUncover(*group) ? "" : "the middle piece cannot be turned";
    if (DropAt(*group, *piece, HomeOf(*piece, puzzle))) {
      anchorId_ = piece->id;
      return {};
    }
    return Uncover(*group, *group) ? "" : "the middle piece cannot be picked";
  }
  return "the puzzle has no middle piece";
}

// One action: box work, turning the largest group upright, the first piece home, a neighbour
// turned or dropped beside the largest group, or a group moved aside.
std::string Solver::Step() {
  if (const auto boxAction = BoxStep()) return *boxAction;
  PieceGroup* largest = Largest();
  if (largest->pieces.front()->rotation != 0)
    return TurnOrUncover(*largest) ? "" : "the largest group cannot be turned";
  if (anchorId_ < 0 && Puzzle().groups.size() == Puzzle().pieces.size()) return PlaceAnchor();
  struct Candidate {
    PieceGroup* group;
    Piece* moved;
    Piece* neighbour;
  };
  std::vector<Candidate> candidates;
  for (auto it = Puzzle().groups.rbegin(); it != Puzzle().groups.rend(); ++it) {
    if (it->get() == largest) continue;
    std::optional<Candidate> found;
    for (Piece* m : (*it)->pieces) {
      for (Piece* n : largest->pieces) {
        if (!found && Adjacent(*m, *n)) found = Candidate{it->get(), m, n};
      }
    }
    if (found) candidates.push_back(*found);
  }
  if (candidates.empty()) return "no group neighbours the largest group";
  for (const Candidate& c : candidates) {
    if (c.moved->rotation != 0) {
      if (const auto point = GrabPoint(game_, *c.group)) {
        RightClick(game_, *point);
        return {};
      }
    } else if (DropAt(*c.group, *c.moved, PlaceBeside(*c.moved, *c.neighbour))) {
      return {};
    }
  }
  for (const Candidate& c : candidates) {
    if (Uncover(*c.group, *largest)) return {};
  }
  if (MoveAside(*largest, *GroupBounds(candidates.front().group))) return {};
  return "no neighbour of the largest group can be reached";
}

std::string Solver::Run() {
  if (game_.Mode() == ViewMode::Celebration) return {};
  if (game_.Mode() != ViewMode::Play || game_.OpenPuzzle() == nullptr)
    return "no puzzle is in play";
  if (game_.State().flags.paused) return "the game is paused";
  const int limit = kMovesPerPiece * static_cast<int>(Puzzle().pieces.size());
  for (int moves = 0; moves < limit; ++moves) {
    if (Complete()) return {};
    const std::string stuck = Step();
    if (!stuck.empty()) return "stopped after " + std::to_string(moves) + " moves: " + stuck;
  }
  if (Complete()) return {};
  return "the puzzle is not complete after " + std::to_string(limit) + " moves";
}

}  // namespace

std::string SolvePuzzle(Game& game, int jitter, uint32_t seed) {
  Solver solver(game, jitter, seed);
  return solver.Run();
}
