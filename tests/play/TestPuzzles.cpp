// Building test puzzles and checking the invariants of play.
#include "play/TestPuzzles.h"

#include <map>

#include "play/Joining.h"
#include "puzzle/PieceSizeChoice.h"
#include "support/SurfacePixels.h"

namespace {

std::unique_ptr<Surface> MakePieceImage(SurfaceService& service, int side, int margin,
                                        uint32_t colour) {
  auto image = CreateOffscreenSurface(service, side, side, false);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const bool body = x >= margin && x < side - margin && y >= margin && y < side - margin;
      WritePixel(*image, x, y, body ? colour : 0);
    }
  }
  image->SetColourKey(0);
  return image;
}

}  // namespace

uint32_t PieceColour(const PixelFormatInfo& format, int id) {
  const auto v = static_cast<uint32_t>(id);
  return format.Pack({1 + v % format.RedMax(), (v * 7) % format.GreenMax(), (v * 13) % 3});
}

std::unique_ptr<PuzzleRecord> MakeTestPuzzle(SurfaceService* service, int cols, int rows,
                                             int sizeChoice, bool rotationOn) {
  auto puzzle = std::make_unique<PuzzleRecord>();
  const PieceSizeChoice& choice = kPieceSizeChoices[static_cast<std::size_t>(sizeChoice)];
  const int size = choice.pieceSize;
  const int side = size + choice.overlap;
  puzzle->sizeChoice = sizeChoice;
  puzzle->cols = static_cast<uint16_t>(cols);
  puzzle->rows = static_cast<uint16_t>(rows);
  puzzle->pieceCount = static_cast<int16_t>(cols * rows);
  puzzle->rotationOn = rotationOn ? 1 : 0;
  puzzle->ghostWidth = cols * size;
  puzzle->ghostHeight = rows * size;
  puzzle->ghostX = (1024 - puzzle->ghostWidth) / 2;
  puzzle->ghostY = 32 + (736 - puzzle->ghostHeight) / 2;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      auto piece = std::make_unique<Piece>();
      piece->id = c + r * cols;
      piece->col = c;
      piece->row = r;
      piece->cellWidth = piece->cellHeight = size;
      piece->halfCellWidth = piece->halfCellHeight = size / 2;
      piece->imageWidth = piece->imageHeight = side;
      piece->x = piece->prevX = c * size;
      piece->y = piece->prevY = r * size;
      const int rotations = rotationOn ? kRotationCount : 1;
      for (int k = 0; service != nullptr && k < rotations; ++k) {
        piece->image[static_cast<std::size_t>(k)] = MakePieceImage(
            *service, side, choice.overlap / 2, PieceColour(service->Format(), piece->id));
      }
      auto group = std::make_unique<PieceGroup>();
      group->pieces.push_back(piece.get());
      puzzle->groups.push_back(std::move(group));
      puzzle->pieces.push_back(std::move(piece));
    }
  }
  return puzzle;
}

PlayState MakePlayState() {
  PlayState state;
  LayOutPlayField(state, kTestClient);
  state.mode = ViewMode::Play;
  return state;
}

::testing::AssertionResult GroupsPartitionPieces(const PuzzleRecord& puzzle) {
  std::map<const Piece*, int> seen;
  for (std::size_t g = 0; g < puzzle.groups.size(); ++g) {
    if (puzzle.groups[g]->pieces.empty()) {
      return ::testing::AssertionFailure() << "group " << g << " is empty";
    }
    for (const Piece* piece : puzzle.groups[g]->pieces) ++seen[piece];
  }
  if (seen.size() != puzzle.pieces.size()) {
    return ::testing::AssertionFailure()
           << seen.size() << " pieces in groups, " << puzzle.pieces.size() << " in the puzzle";
  }
  for (const auto& piece : puzzle.pieces) {
    const auto it = seen.find(piece.get());
    if (it == seen.end() || it->second != 1) {
      return ::testing::AssertionFailure() << "piece " << piece->id << " is in "
                                           << (it == seen.end() ? 0 : it->second) << " groups";
    }
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult AllAtHome(const PuzzleRecord& puzzle) {
  for (const auto& piece : puzzle.pieces) {
    const int margin = (piece->imageWidth - piece->cellWidth) / 2;
    const int x = puzzle.ghostX + piece->col * piece->cellWidth - margin;
    const int y = puzzle.ghostY + piece->row * piece->cellHeight - margin;
    if (piece->x != x || piece->y != y) {
      return ::testing::AssertionFailure() << "piece " << piece->id << " at " << piece->x << ","
                                           << piece->y << " instead of " << x << "," << y;
    }
  }
  return ::testing::AssertionSuccess();
}

void FollowSteps(PlayState& state, const PlayEffects& effects) {
  for (const PlayStep& step : effects.steps) {
    if (step.kind == PlayStepKind::Celebrate) EnterCelebration(state);
  }
}

PieceGroup* GroupOf(const PuzzleRecord& puzzle, const Piece* piece) {
  for (const auto& group : puzzle.groups) {
    for (const Piece* p : group->pieces) {
      if (p == piece) return group.get();
    }
  }
  return nullptr;
}

ClientPoint CellCentre(const Piece& piece) {
  return {piece.x + piece.imageWidth / 2, piece.y + piece.imageHeight / 2};
}
