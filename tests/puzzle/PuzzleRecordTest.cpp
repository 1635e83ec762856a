// Records: the piece-size table, releasing play data, and the random sequence.
#include "puzzle/PuzzleRecord.h"

#include <gtest/gtest.h>

#include <set>

#include "puzzle/PieceSizeChoice.h"
#include "puzzle/RandomSequence.h"
#include "surface/SurfaceService.h"

namespace {

TEST(PieceSizeChoices, MarginsAndMaskSetsFollowTheSizes) {
  const int margins[] = {13, 10, 8, 7, 5, 4, 3, 2};
  for (int choice = 0; choice < kPieceSizeChoiceCount; ++choice) {
    const PieceSizeChoice& c = kPieceSizeChoices[static_cast<std::size_t>(choice)];
    EXPECT_EQ(c.overlap / 2, margins[choice]);
    EXPECT_EQ(c.maskSet, 7 - choice);
    if (choice > 0) {
      EXPECT_LT(c.pieceSize, kPieceSizeChoices[static_cast<std::size_t>(choice) - 1].pieceSize);
    }
  }
}

// A played puzzle: two pieces in one group (one dragged), a saved game, gallery surfaces.
PuzzleRecord PlayedPuzzle(SurfaceService& service) {
  PuzzleRecord puzzle;
  puzzle.filePath = "/games/Puzzles/User/Sky.qvx";
  puzzle.name = "Sky";
  puzzle.thumb = CreateOffscreenSurface(service, 10, 10, false);
  puzzle.thumbMaster = CreateOffscreenSurface(service, 10, 10, true);
  puzzle.dropShadow = CreateOffscreenSurface(service, 10, 10, false);
  puzzle.dropShadowMaster = CreateOffscreenSurface(service, 10, 10, true);
  puzzle.ghost = CreateOffscreenSurface(service, 20, 20, false);
  puzzle.ghostMaster = CreateOffscreenSurface(service, 20, 20, true);
  puzzle.picture = CreateOffscreenSurface(service, 20, 20, true);
  auto group = std::make_unique<PieceGroup>();
  for (int id = 0; id < 2; ++id) {
    auto piece = std::make_unique<Piece>();
    piece->id = id;
    for (int r = 0; r < kRotationCount; ++r) {
      piece->imageMaster[r] = CreateOffscreenSurface(service, 8, 8, true);
      piece->image[r] = CreateOffscreenSurface(service, 8, 8, false);
      piece->shadowMaster[r] = CreateOffscreenSurface(service, 8, 8, true);
      piece->shadow[r] = CreateOffscreenSurface(service, 8, 8, false);
      piece->edgeOverlay[r] = EdgeOverlay::FromWords(8, 8, std::vector<uint32_t>(64, 0x07000000));
    }
    group->pieces.push_back(piece.get());
    puzzle.pieces.push_back(std::move(piece));
  }
  puzzle.draggedGroup = group.get();
  puzzle.groups.push_back(std::move(group));
  auto saved = std::make_unique<Piece>();
  auto savedGroup = std::make_unique<PieceGroup>();
  savedGroup->pieces.push_back(saved.get());
  puzzle.savedPieces.push_back(std::move(saved));
  puzzle.savedGroups.push_back(std::move(savedGroup));
  puzzle.hours = 3;
  return puzzle;
}

void ExpectPlayDataReleased(const PuzzleRecord& puzzle) {
  EXPECT_TRUE(puzzle.pieces.empty());
  EXPECT_TRUE(puzzle.groups.empty());
  EXPECT_TRUE(puzzle.savedPieces.empty());
  EXPECT_TRUE(puzzle.savedGroups.empty());
  EXPECT_EQ(puzzle.draggedGroup, nullptr);
  EXPECT_EQ(puzzle.ghost, nullptr);
  EXPECT_EQ(puzzle.ghostMaster, nullptr);
  EXPECT_EQ(puzzle.picture, nullptr);
}

TEST(ReleasePlayData, KeepsGalleryDataAndProgressWhenAsked) {
  SurfaceService service(PixelFormatInfo::Rgb32());
  PuzzleRecord puzzle = PlayedPuzzle(service);
  ReleasePlayData(puzzle, false);
  ExpectPlayDataReleased(puzzle);
  EXPECT_EQ(puzzle.name, "Sky");
  EXPECT_EQ(puzzle.filePath, "/games/Puzzles/User/Sky.qvx");
  EXPECT_NE(puzzle.thumb, nullptr);
  EXPECT_NE(puzzle.dropShadowMaster, nullptr);
  EXPECT_EQ(puzzle.hours, 3);
  // Only the four gallery surfaces of display memory remain in use.
  EXPECT_EQ(service.DisplayMemoryInUse(),
            2 * static_cast<std::size_t>(SurfacePitch(10, service.Format())) * 10);
}

TEST(ReleasePlayData, ReleasesGalleryDataTooOnRemove) {
  SurfaceService service(PixelFormatInfo::Rgb565());
  PuzzleRecord puzzle = PlayedPuzzle(service);
  ReleasePlayData(puzzle, true);
  ExpectPlayDataReleased(puzzle);
  EXPECT_TRUE(puzzle.name.empty());
  EXPECT_TRUE(puzzle.filePath.empty());
  EXPECT_EQ(puzzle.thumb, nullptr);
  EXPECT_EQ(puzzle.thumbMaster, nullptr);
  EXPECT_EQ(puzzle.dropShadow, nullptr);
  EXPECT_EQ(puzzle.dropShadowMaster, nullptr);
  EXPECT_EQ(service.DisplayMemoryInUse(), 0u);
}

TEST(ReleasePlayData, ReleasingTwiceIsHarmless) {
  SurfaceService service(PixelFormatInfo::Rgb24());
  PuzzleRecord puzzle = PlayedPuzzle(service);
  ReleasePlayData(puzzle, false);
  ReleasePlayData(puzzle, true);
  ExpectPlayDataReleased(puzzle);
}

TEST(RandomSequence, SeedRepeatsTheSequenceWithinRange) {
  SeedRandom(1234);
  std::vector<int> first;
  for (int i = 0; i < 1000; ++i) first.push_back(NextRandom());
  SeedRandom(1234);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(NextRandom(), first[static_cast<std::size_t>(i)]);
  SeedRandom(1235);
  int same = 0;
  for (int i = 0; i < 1000; ++i) same += NextRandom() == first[static_cast<std::size_t>(i)];
  EXPECT_LT(same, 10);
}

TEST(RandomSequence, CoversTheWholeRangeEvenly) {
  SeedRandom(7);
  std::set<int> seen;
  int low = 0, odd = 0;
  constexpr int kDraws = 400000;
  for (int i = 0; i < kDraws; ++i) {
    const int v = NextRandom();
    ASSERT_GE(v, 0);
    ASSERT_LE(v, kRandomMax);
    seen.insert(v);
    low += v < 16384;
    odd += v & 1;
  }
  EXPECT_EQ(seen.size(), 32768u);
  EXPECT_NEAR(low, kDraws / 2, kDraws / 50);
  EXPECT_NEAR(odd, kDraws / 2, kDraws / 50);
}

}  // namespace
