// Cutting: the grid, the random tabs and their draw order, progress, and the invariants that
// tie the pieces to the picture and to each other.
#include "puzzle/PieceCutting.h"

#include <gtest/gtest.h>

#include <tuple>

#include "CutFixtures.h"
#include "puzzle/PieceSizeChoice.h"
#include "puzzle/RandomSequence.h"
#include "support/SurfacePixels.h"

namespace {

TEST(CutGrid, LeftoverStripsAreSplitWithTheOddPixelRightAndBelow) {
  const CutGrid grid = PlanCutGrid(640, 480, 54);
  EXPECT_EQ(grid.cols, 11);
  EXPECT_EQ(grid.rows, 8);
  EXPECT_EQ(grid.marginX, 23);  // (640 - 594) / 2
  EXPECT_EQ(grid.marginY, 24);  // (480 - 432) / 2
  EXPECT_EQ(PlanCutGrid(53, 480, 54).cols, 0);
}

TEST(CutPicture, MakesOnePiecePerCellInIdOrder) {
  SurfaceService service(PixelFormatInfo::Rgb32());
  const auto cut = CutRandomPicture(service, 640, 480, 4, false, 1);
  ASSERT_EQ(cut->count, 88);
  ASSERT_EQ(cut->pieces.size(), 88u);
  for (std::size_t i = 0; i < cut->pieces.size(); ++i) {
    const Piece& p = *cut->pieces[i];
    EXPECT_EQ(p.id, static_cast<int>(i));
    EXPECT_EQ(p.id, p.col + p.row * 11);
    EXPECT_EQ(p.x, p.col * 54);
    EXPECT_EQ(p.y, p.row * 54);
    EXPECT_EQ(p.imageWidth, 64);
    EXPECT_EQ(p.imageHeight, 64);
    EXPECT_EQ(p.cellWidth, 54);
    EXPECT_EQ(p.halfCellHeight, 27);
    EXPECT_EQ(p.rotation, 0);
  }
}

TEST(CutPicture, SetsTheViewsGrid) {
  SurfaceService service(PixelFormatInfo::Rgb24());
  auto picture = RandomPicture(service, 640, 480, 2);
  const EdgeMaskSurfaces masks = MakeEdgeMaskSurfaces(service);
  CountingProgress progress;
  CutContext context{service, masks, progress};
  std::vector<std::unique_ptr<Piece>> pieces;
  EXPECT_EQ(CutPicture(context, *picture, 54, 10, 3, true, pieces), 88);
  EXPECT_EQ(context.gridCols, 11);
  EXPECT_EQ(context.gridRows, 8);
}

TEST(CutPicture, ProgressEndsExactlyAtItsRange) {
  SurfaceService service(PixelFormatInfo::Rgb565());
  // The last picture is narrower than one piece: no columns, yet ten rows that step.
  for (const bool rotation : {false, true}) {
    for (const auto& [width, height, choice] :
         {std::tuple{640, 480, 4}, std::tuple{300, 90, 7}, std::tuple{25, 300, 6}}) {
      const auto cut = CutRandomPicture(service, width, height, choice, rotation, 3);
      const int cells = cut->grid.cols * cut->grid.rows;
      const int expected = rotation ? cut->grid.rows * (3 * cut->grid.cols + 2)
                                    : 2 * cut->grid.rows * (cut->grid.cols + 1);
      EXPECT_EQ(cut->progress.Lower(), 0);
      EXPECT_EQ(cut->progress.Upper(), expected);
      // Cutting makes all but the turned images' steps, one per piece.
      EXPECT_EQ(cut->progress.Position() + (rotation ? cells : 0), cut->progress.Upper())
          << width << "x" << height << " choice " << choice;
    }
  }
}

TEST(CutPicture, DrawsRotationThenRightThenBottomTabForEveryPiece) {
  SurfaceService service(PixelFormatInfo::Rgb32());
  for (const bool rotation : {false, true}) {
    const auto cut = CutRandomPicture(service, 400, 300, 5, rotation, 77);
    SeedRandom(77);
    for (const auto& piece : cut->pieces) {
      const int turn = rotation ? NextRandom() % 4 : 0;
      EXPECT_EQ(piece->rotation, turn);
      EXPECT_EQ(piece->tabRight, NextRandom() % 1000 > 499 ? 0 : 1);
      EXPECT_EQ(piece->tabBottom, NextRandom() % 1000 > 499 ? 0 : 1);
      if (piece->col == 0) {
        EXPECT_EQ(piece->tabLeft, 0);
      }
      if (piece->row == 0) {
        EXPECT_EQ(piece->tabTop, 0);
      }
    }
  }
}

TEST(CutPicture, NeighboursHaveOppositeTabs) {
  SurfaceService service(PixelFormatInfo::Rgb32());
  const auto cut = CutRandomPicture(service, 500, 400, 6, true, 5);
  const int cols = cut->grid.cols;
  int tabs = 0;
  for (const auto& piece : cut->pieces) {
    if (piece->col > 0) {
      EXPECT_EQ(piece->tabLeft, 1 - cut->pieces[std::size_t(piece->id - 1)]->tabRight);
    }
    if (piece->row > 0) {
      EXPECT_EQ(piece->tabTop, 1 - cut->pieces[std::size_t(piece->id - cols)]->tabBottom);
    }
    tabs += piece->tabRight;
  }
  EXPECT_GT(tabs, 0);
  EXPECT_LT(tabs, static_cast<int>(cut->pieces.size()));
}

TEST(CutPicture, PiecesWithoutSurfacesAreStillMadeAndCounted) {
  SurfaceService service(PixelFormatInfo::Rgb32());
  auto picture = RandomPicture(service, 300, 200, 6);
  const EdgeMaskSurfaces masks = MakeEdgeMaskSurfaces(service);
  service.SetCreationFails(true);
  CountingProgress progress;
  CutContext context{service, masks, progress};
  std::vector<std::unique_ptr<Piece>> pieces;
  ASSERT_EQ(CutPicture(context, *picture, 54, 10, 3, false, pieces), 15);
  ASSERT_EQ(pieces.size(), 15u);
  EXPECT_EQ(progress.Position(), progress.Upper());
  for (const auto& piece : pieces) {
    EXPECT_EQ(piece->imageMaster[0], nullptr);
    EXPECT_EQ(piece->shadowMaster[0], nullptr);
    // The overlay is there, without outline pixels.
    EXPECT_TRUE(piece->edgeOverlay[0].IsPresent());
    EXPECT_TRUE(piece->edgeOverlay[0].Entries().empty());
  }
}

// Cuts in every format for the large, middle and small pieces.
class CutInvariants : public testing::TestWithParam<std::tuple<const char*, int>> {
 protected:
  void SetUp() override {
    const int choice = std::get<1>(GetParam());
    const int size = kPieceSizeChoices[static_cast<std::size_t>(choice)].pieceSize;
    // Three columns and rows, with uneven leftover strips.
    cut_ = CutRandomPicture(service_, 3 * size + 7, 3 * size + 4, choice, false, 21);
    margin_ = cut_->overlap / 2;
  }
  // The picture pixel under pixel (x, y) of a piece image, if the picture reaches there.
  bool PictureAt(const Piece& piece, int x, int y, uint32_t& pixel) const {
    const int px = cut_->grid.marginX + piece.col * cut_->pieceSize - margin_ + x;
    const int py = cut_->grid.marginY + piece.row * cut_->pieceSize - margin_ + y;
    if (px < 0 || py < 0 || px >= cut_->picture->Width() || py >= cut_->picture->Height()) {
      return false;
    }
    pixel = ReadPixel(*cut_->picture, px, py);
    return true;
  }
  const Piece& At(int c, int r) const {
    return *cut_->pieces[static_cast<std::size_t>(c + r * cut_->grid.cols)];
  }
  SurfaceService service_{FormatNamed(std::get<0>(GetParam()))};
  std::unique_ptr<CutResult> cut_;
  int margin_ = 0;
};

TEST_P(CutInvariants, SharedEdgesBelongToExactlyOnePiece) {
  const int s = cut_->pieceSize, h = margin_;
  for (int r = 0; r < cut_->grid.rows; ++r) {
    for (int c = 0; c < cut_->grid.cols; ++c) {
      // Along the edge: the cell's own stretch without the squares where four pieces meet.
      for (int along = h; along < s - h; ++along) {
        for (int across = -h; across < h; ++across) {
          if (c + 1 < cut_->grid.cols) {
            const int covered = Covers(At(c, r), h + s + across, h + along) +
                                Covers(At(c + 1, r), h + across, h + along);
            ASSERT_EQ(covered, 1) << "vertical edge right of " << c << "," << r;
          }
          if (r + 1 < cut_->grid.rows) {
            const int covered = Covers(At(c, r), h + along, h + s + across) +
                                Covers(At(c, r + 1), h + along, h + across);
            ASSERT_EQ(covered, 1) << "horizontal edge below " << c << "," << r;
          }
        }
      }
    }
  }
}

TEST_P(CutInvariants, EveryImagePixelIsPictureTransparentOutlineOrSoftened) {
  for (const auto& piece : cut_->pieces) {
    const Surface& image = *piece->imageMaster[0];
    const EdgeOverlay& overlay = piece->edgeOverlay[0];
    const uint32_t mask = image.Format().colourMask;
    for (int y = 0; y < image.Height(); ++y) {
      for (int x = 0; x < image.Width(); ++x) {
        const uint32_t v = ReadPixel(image, x, y) & mask;
        uint32_t picture = 0;
        const bool inPicture = PictureAt(*piece, x, y, picture);
        if (overlay.At(x, y) != 0) {
          ASSERT_EQ(v, 0u) << "outline pixel left in the image";
          ASSERT_TRUE(inPicture);
          continue;
        }
        if (v == 0 || v == (picture & mask)) continue;
        ASSERT_TRUE(inPicture);
        bool nextToOutline = false;
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) nextToOutline |= overlay.At(x + dx, y + dy) != 0;
        }
        ASSERT_TRUE(nextToOutline) << "piece " << piece->id << " pixel " << x << "," << y;
      }
    }
  }
}

TEST_P(CutInvariants, BorderSidesKeepTransparentStrips) {
  for (const auto& piece : cut_->pieces) {
    const int w = piece->imageWidth;
    for (int y = 0; y < w; ++y) {
      for (int x = 0; x < w; ++x) {
        const bool strip = (piece->col == 0 && x < margin_) || (piece->row == 0 && y < margin_) ||
                           (piece->col == cut_->grid.cols - 1 && x >= w - margin_) ||
                           (piece->row == cut_->grid.rows - 1 && y >= w - margin_);
        if (strip) {
          ASSERT_FALSE(Covers(*piece, x, y)) << piece->id << ": " << x << "," << y;
        }
      }
    }
  }
}

TEST_P(CutInvariants, ShadowIsBlackExactlyUnderTheFinalImage) {
  for (const auto& piece : cut_->pieces) {
    const Surface& image = *piece->imageMaster[0];
    const Surface& shadow = *piece->shadowMaster[0];
    const PixelFormatInfo& f = image.Format();
    EXPECT_EQ(shadow.ColourKey(), std::optional<uint32_t>(f.White()));
    EXPECT_EQ(image.ColourKey(), std::optional<uint32_t>(0));
    const uint32_t white = f.bitsPerPixel == 16 ? 0xFFFF : 0xFFFFFF;
    for (int y = 0; y < image.Height(); ++y) {
      for (int x = 0; x < image.Width(); ++x) {
        const bool body = (ReadPixel(image, x, y) & f.colourMask) != 0;
        ASSERT_EQ(ReadPixel(shadow, x, y), body ? 0u : white);
      }
    }
    // The display copies show the masters, with their keys.
    ASSERT_NE(piece->image[0], nullptr);
    ASSERT_NE(piece->shadow[0], nullptr);
    EXPECT_EQ(ReadPixel(*piece->image[0], 7, 9), ReadPixel(image, 7, 9));
    EXPECT_EQ(piece->image[0]->ColourKey(), image.ColourKey());
    EXPECT_EQ(piece->shadow[0]->ColourKey(), shadow.ColourKey());
  }
}

INSTANTIATE_TEST_SUITE_P(FormatsAndSizes, CutInvariants,
                         testing::Combine(testing::ValuesIn(kFormatNames),
                                          testing::Values(0, 4, 7)));

}  // namespace
