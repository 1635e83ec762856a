// Turned piece sets: the pixel mapping of each turn, four turns back to the start, and what a
// puzzle without rotation leaves absent.
#include "puzzle/PieceRotation.h"

#include <gtest/gtest.h>

#include "CutFixtures.h"
#include "puzzle/PieceDisplayCopies.h"
#include "support/SurfacePixels.h"

namespace {

class PieceRotation : public testing::TestWithParam<const char*> {
 protected:
  SurfaceService service_{FormatNamed(GetParam())};
};

TEST_P(PieceRotation, EachTurnMovesPixelsClockwise) {
  auto source = RandomPicture(service_, 7, 5, 3);
  source->SetColourKey(0);
  const auto one = TurnedSurface(service_, *source, 1);
  const auto two = TurnedSurface(service_, *source, 2);
  const auto three = TurnedSurface(service_, *source, 3);
  ASSERT_EQ(one->Width(), 5);
  ASSERT_EQ(one->Height(), 7);
  ASSERT_EQ(two->Width(), 7);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 7; ++x) {
      const uint32_t v = ReadPixel(*source, x, y);
      ASSERT_EQ(ReadPixel(*one, 4 - y, x), v);
      ASSERT_EQ(ReadPixel(*two, 6 - x, 4 - y), v);
      ASSERT_EQ(ReadPixel(*three, y, 6 - x), v);
    }
  }
  EXPECT_EQ(three->ColourKey(), std::optional<uint32_t>(0));
  EXPECT_EQ(three->Memory(), SurfaceMemory::System);
}

TEST_P(PieceRotation, FourQuarterTurnsGiveTheOriginalBack) {
  auto source = RandomPicture(service_, 24, 24, 4);
  auto turned = TurnedSurface(service_, *source, 1);
  for (int i = 0; i < 3; ++i) turned = TurnedSurface(service_, *turned, 1);
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 24; ++x) ASSERT_EQ(ReadPixel(*turned, x, y), ReadPixel(*source, x, y));
  }
}

TEST_P(PieceRotation, TurnedSetsFollowTheUprightPiece) {
  const auto cut = CutRandomPicture(service_, 130, 110, 5, true, 8);
  CountingProgress progress;
  MakeRotations(service_, cut->pieces, progress);
  EXPECT_EQ(progress.Position(), static_cast<int>(cut->pieces.size()));
  EXPECT_EQ(cut->progress.Position() + progress.Position(), cut->progress.Upper());
  for (const auto& piece : cut->pieces) {
    const int w = piece->imageWidth;
    for (int r = 1; r < kRotationCount; ++r) {
      ASSERT_NE(piece->imageMaster[r], nullptr);
      ASSERT_NE(piece->image[r], nullptr);
      ASSERT_NE(piece->shadowMaster[r], nullptr);
      ASSERT_NE(piece->shadow[r], nullptr);
      EXPECT_EQ(piece->imageMaster[r]->ColourKey(), piece->imageMaster[0]->ColourKey());
      EXPECT_EQ(piece->shadow[r]->ColourKey(), piece->shadowMaster[0]->ColourKey());
    }
    for (int y = 0; y < w; ++y) {
      for (int x = 0; x < w; ++x) {
        ASSERT_EQ(ReadPixel(*piece->imageMaster[2], w - 1 - x, w - 1 - y),
                  ReadPixel(*piece->imageMaster[0], x, y));
        ASSERT_EQ(ReadPixel(*piece->shadow[3], y, w - 1 - x),
                  ReadPixel(*piece->shadowMaster[0], x, y));
        ASSERT_EQ(piece->edgeOverlay[1].At(w - 1 - y, x), piece->edgeOverlay[0].At(x, y));
        ASSERT_EQ(piece->edgeOverlay[2].At(w - 1 - x, w - 1 - y), piece->edgeOverlay[0].At(x, y));
      }
    }
  }
}

TEST_P(PieceRotation, WithoutRotationOnlyTheUprightSetExists) {
  const auto cut = CutRandomPicture(service_, 130, 110, 5, false, 9);
  for (const auto& piece : cut->pieces) {
    EXPECT_EQ(piece->rotation, 0);
    EXPECT_TRUE(piece->edgeOverlay[0].IsPresent());
    for (int r = 1; r < kRotationCount; ++r) {
      EXPECT_EQ(piece->imageMaster[r], nullptr);
      EXPECT_EQ(piece->image[r], nullptr);
      EXPECT_EQ(piece->shadowMaster[r], nullptr);
      EXPECT_EQ(piece->shadow[r], nullptr);
      EXPECT_FALSE(piece->edgeOverlay[r].IsPresent());
    }
  }
}

TEST_P(PieceRotation, DisplayCopiesAreRebuiltFromTheMasters) {
  const auto cut = CutRandomPicture(service_, 130, 110, 5, true, 10);
  CountingProgress progress;
  MakeRotations(service_, cut->pieces, progress);
  Piece& piece = *cut->pieces[4];
  for (auto& copy : piece.image) copy.reset();
  service_.LoseDisplaySurfaces();
  EXPECT_FALSE(static_cast<bool>(piece.shadow[1]->Lock()));
  RebuildDisplayCopies(service_, piece);
  for (int r = 0; r < kRotationCount; ++r) {
    const auto i = static_cast<std::size_t>(r);
    ASSERT_NE(piece.image[i], nullptr);
    ASSERT_NE(piece.shadow[i], nullptr);
    EXPECT_EQ(piece.image[i]->ColourKey(), piece.imageMaster[i]->ColourKey());
    EXPECT_EQ(piece.shadow[i]->ColourKey(), piece.shadowMaster[i]->ColourKey());
    EXPECT_EQ(ReadPixel(*piece.image[i], 20, 21), ReadPixel(*piece.imageMaster[i], 20, 21));
    EXPECT_EQ(ReadPixel(*piece.shadow[i], 3, 30), ReadPixel(*piece.shadowMaster[i], 3, 30));
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, PieceRotation, testing::ValuesIn(kFormatNames));

}  // namespace
