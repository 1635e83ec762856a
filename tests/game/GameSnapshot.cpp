// Taking snapshots of a game, and a short session of play.
#include "GameSnapshot.h"

#include "GamePlayer.h"
#include "game/GameCommands.h"

std::ostream& operator<<(std::ostream& out, const GameSnapshot& snapshot) {
  out << "pieces:";
  for (const PiecePlace& p : snapshot.pieces)
    out << " (" << p.x << "," << p.y << "," << p.rotation << ")";
  out << "\ngroups:";
  for (const GroupShape& g : snapshot.groups) {
    out << " [box " << g.box << ":";
    for (int id : g.ids) out << " " << id;
    out << "]";
  }
  out << "\nboxes:";
  for (bool open : snapshot.boxesOpen) out << " " << open;
  return out << "\nghost " << snapshot.ghost << " thumbnail " << snapshot.thumbnail << " clock "
             << snapshot.clock.hours << ":" << snapshot.clock.minutes << ":"
             << snapshot.clock.seconds;
}

GameSnapshot TakeSnapshot(Game& game) {
  GameSnapshot snapshot;
  const PuzzleRecord& puzzle = *game.OpenPuzzle();
  for (std::size_t id = 0; id < puzzle.pieces.size(); ++id) {
    const Piece& piece = *puzzle.pieces[id];
    EXPECT_EQ(piece.id, static_cast<int>(id));
    snapshot.pieces.push_back({piece.x, piece.y, piece.rotation});
  }
  for (const auto& group : puzzle.groups) {
    GroupShape shape{group->box, {}};
    for (const Piece* piece : group->pieces) shape.ids.push_back(piece->id);
    snapshot.groups.push_back(shape);
  }
  const PlayState& state = game.State();
  for (std::size_t i = 0; i < state.boxes.size(); ++i) snapshot.boxesOpen[i] = state.boxes[i].open;
  snapshot.ghost = state.flags.ghost;
  snapshot.thumbnail = state.flags.thumbnail;
  snapshot.clock = state.clock.shown;
  return snapshot;
}

namespace {

ClientPoint Centre(const Rect& rect) {
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void JoinAPair(Game& game) {
  PuzzleRecord& puzzle = *game.OpenPuzzle();
  const std::size_t before = puzzle.groups.size();
  // Pieces 0 and 1 are neighbours in the top row; both are turned upright first.
  for (const Piece* piece : {puzzle.pieces[0].get(), puzzle.pieces[1].get()}) {
    for (int turns = 0; piece->rotation != 0 && turns < 4; ++turns)
      ASSERT_TRUE(RightClick(game, *GroupHolding(puzzle, piece)));
  }
  ASSERT_TRUE(DropBeside(game, *puzzle.pieces[1], *puzzle.pieces[0]));
  ASSERT_EQ(puzzle.groups.size(), before - 1);
}

}  // namespace

void PlayAWhile(GameHarness& h) {
  Game& game = h.game();
  PuzzleRecord& puzzle = h.Open();
  JoinAPair(game);
  if (testing::Test::HasFatalFailure()) return;
  // A single piece turned once (its turn is kept), and another stored in box 2.
  PieceGroup* turned = GroupHolding(puzzle, puzzle.pieces[11].get());
  ASSERT_TRUE(RightClick(game, *turned));
  PieceGroup* stored = GroupHolding(puzzle, puzzle.pieces[6].get());
  const auto grab = GrabPoint(game, *stored);
  ASSERT_TRUE(grab.has_value());
  const ClientPoint box2 = Centre(game.State().boxes[1].closedRect);
  ASSERT_TRUE(DragGroupBy(game, *stored, box2.x - grab->x, box2.y - grab->y));
  ASSERT_EQ(stored->box, 2);
  // Box 4's handle.
  const ClientPoint box4 = Centre(game.State().boxes[3].closedRect);
  game.LeftButtonDown(box4);
  game.LeftButtonUp(box4);
  ASSERT_TRUE(game.State().boxes[3].open);
  game.Command(kGhostCommand);
  game.Command(kThumbnailCommand);
  game.ThumbnailPlaced({600, 400, 170, 130});
  h.IdleAfter(65500);
  ASSERT_EQ(game.State().clock.shown, (ClockReading{0, 1, 5}));
}
