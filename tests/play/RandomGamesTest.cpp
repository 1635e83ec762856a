// Properties over many seeded games played through the handlers: no piece is ever lost or
// doubled, the solved share never goes down, and solving ends in the celebration exactly once.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "play/Arranging.h"
#include "play/CornerBox.h"
#include "play/Dragging.h"
#include "play/PlayControls.h"
#include "play/PlayDriver.h"
#include "play/TestPuzzles.h"
#include "play/Turning.h"
#include "puzzle/RandomSequence.h"
#include "support/SurfacePixels.h"

namespace {

struct Game {
  Game(uint32_t seed, int cols, int rows, int sizeChoice, bool rotationOn)
      : puzzle(MakeTestPuzzle(&service, cols, rows, sizeChoice, rotationOn)), random(seed) {
    SeedRandom(seed);
    for (const auto& piece : puzzle->pieces) {
      if (rotationOn) piece->rotation = NextRandom() % 4;
    }
    ArrangePieces(*puzzle, state.playArea, ArrangeKind::Random);
  }
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
  PieceGroup& AnyGroup() {
    return *puzzle
                ->groups[static_cast<std::size_t>(Below(static_cast<int>(puzzle->groups.size())))];
  }
  Piece& AnyPiece() { return *puzzle->pieces[static_cast<std::size_t>(Below(Count()))]; }
  int Count() { return static_cast<int>(puzzle->pieces.size()); }
  // A grid neighbour of the piece in another group, or none.
  const Piece* LooseNeighbour(const Piece& piece) {
    const int steps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    const auto& step = steps[Below(4)];
    const int col = piece.col + step[0], row = piece.row + step[1];
    if (col < 0 || row < 0 || col >= puzzle->cols || row >= puzzle->rows) return nullptr;
    const Piece* neighbour =
        puzzle->pieces[static_cast<std::size_t>(col + row * puzzle->cols)].get();
    return GroupOf(*puzzle, neighbour) == GroupOf(*puzzle, &piece) ? nullptr : neighbour;
  }
  // Carries out the steps, then checks what must always hold.
  void After(PlayEffects& effects) {
    FollowSteps(state, effects);
    effects = {};
    ASSERT_TRUE(GroupsPartitionPieces(*puzzle));
    ASSERT_GE(puzzle->solvedPercent, lastPercent);
    lastPercent = puzzle->solvedPercent;
    if (puzzle->solvedPercent == 100) {
      ASSERT_EQ(state.mode, ViewMode::Celebration);
      ASSERT_EQ(puzzle->groups.size(), 1u);
    } else {
      ASSERT_EQ(state.mode, ViewMode::Play);
      ASSERT_GT(puzzle->groups.size(), 1u);
    }
  }

  SurfaceService service{PixelFormatInfo::Rgb32()};
  PlayState state = MakePlayState();
  std::unique_ptr<PuzzleRecord> puzzle;
  std::mt19937 random;
  uint8_t lastPercent = 0;
};

ClientPoint AnyPoint(Game& game) {
  return {game.Below(1100) - 40, game.Below(840) - 40};
}

// Random drags (through the boxes too), turns, arranges, handle clicks and drops beside
// neighbours, mixed.
TEST(RandomGames, NoOperationLosesOrDoublesAPiece) {
  int joins = 0, boxed = 0, completed = 0;
  for (uint32_t seed = 1; seed <= 24; ++seed) {
    Game game(seed, 3 + seed % 4, 2 + seed % 3, 5 + seed % 3, seed % 2 == 0);
    PlayEffects effects;
    for (int step = 0; step < 400 && game.state.mode == ViewMode::Play; ++step) {
      const std::size_t groupsBefore = game.puzzle->groups.size();
      switch (game.Below(6)) {
        case 0: {
          const auto grab = VisiblePointOf(game.state, *game.puzzle, game.AnyGroup());
          LeftButtonDown(game.state, *game.puzzle, grab ? *grab : AnyPoint(game), effects);
          for (int moves = game.Below(4); moves >= 0; --moves) {
            MouseMove(game.state, *game.puzzle, AnyPoint(game), effects);
          }
          LeftButtonUp(game.state, *game.puzzle, game.state.drag.lastPoint, effects);
          break;
        }
        case 1:
          if (!TurnOnce(game.state, *game.puzzle, game.AnyGroup(), effects)) {
            RightButtonUp(game.state, *game.puzzle, AnyPoint(game), effects);
          }
          break;
        case 2:
          ArrangeCommand(game.state, *game.puzzle, static_cast<ArrangeKind>(1 + game.Below(3)),
                         effects);
          break;
        case 3: {
          const CornerBox& box = game.state.boxes[static_cast<std::size_t>(game.Below(4))];
          const Rect handle = game.Below(2) == 0 ? box.closedRect : box.InnerHandle();
          LeftButtonDown(game.state, *game.puzzle, {handle.left + 5, handle.top + 5}, effects);
          LeftButtonUp(game.state, *game.puzzle, {handle.left + 5, handle.top + 5}, effects);
          break;
        }
        default: {
          Piece& piece = game.AnyPiece();
          if (const Piece* neighbour = game.LooseNeighbour(piece)) {
            if (piece.rotation != neighbour->rotation) {
              TurnOnce(game.state, *game.puzzle, *GroupOf(*game.puzzle, &piece), effects);
            } else {
              DropBeside(game.state, *game.puzzle, piece, *neighbour, game.Below(19) - 9,
                         game.Below(19) - 9, effects);
            }
          }
          break;
        }
      }
      game.After(effects);
      if (HasFatalFailure()) return;
      joins += static_cast<int>(groupsBefore - game.puzzle->groups.size());
      for (const auto& group : game.puzzle->groups) boxed += group->box != 0;
    }
    completed += game.state.mode == ViewMode::Celebration;
  }
  // The games really joined, stored groups in boxes and finished puzzles.
  EXPECT_GT(joins, 100);
  EXPECT_GT(boxed, 1000);
  EXPECT_GT(completed, 0);
}

// Turned upright first, then every drop puts a piece beside a neighbour of another group, up
// to 9 pixels off: the puzzle reaches 100 % exactly once, with every piece at home.
TEST(RandomGames, DroppingBesideNeighboursSolvesThePuzzleOnce) {
  for (uint32_t seed = 100; seed < 116; ++seed) {
    Game game(seed, 4 + seed % 5, 3 + seed % 4, 4 + seed % 4, seed % 2 == 1);
    PlayEffects effects;
    for (int tries = 0; tries < 2000; ++tries) {
      PieceGroup* tilted = nullptr;
      for (const auto& group : game.puzzle->groups) {
        if (group->pieces.front()->rotation != 0) tilted = group.get();
      }
      if (tilted == nullptr) break;
      TurnOnce(game.state, *game.puzzle, *tilted, effects);
      game.After(effects);
      if (HasFatalFailure()) return;
    }
    int completions = 0;
    for (int tries = 0; tries < 20000 && game.state.mode == ViewMode::Play; ++tries) {
      Piece& piece = game.AnyPiece();
      const Piece* neighbour = game.LooseNeighbour(piece);
      if (neighbour == nullptr) continue;
      ASSERT_EQ(piece.rotation, 0);
      const std::size_t groupsBefore = game.puzzle->groups.size();
      if (!DropBeside(game.state, *game.puzzle, piece, *neighbour, game.Below(19) - 9,
                      game.Below(19) - 9, effects)) {
        continue;
      }
      EXPECT_TRUE(effects.joinSound);
      game.After(effects);
      if (HasFatalFailure()) return;
      ASSERT_LT(game.puzzle->groups.size(), groupsBefore);
      completions += game.puzzle->solvedPercent == 100;
    }
    EXPECT_EQ(completions, 1) << "seed " << seed;
    EXPECT_EQ(game.state.mode, ViewMode::Celebration);
    EXPECT_TRUE(AllAtHome(*game.puzzle));
  }
}

}  // namespace
