// Outline overlays, bevels, softening, side flags and shadow masks on hand-made piece images.
#include "puzzle/PieceOutline.h"

#include <gtest/gtest.h>

#include "CutFixtures.h"
#include "puzzle/PieceCutting.h"
#include "puzzle/PieceShadow.h"
#include "support/SurfacePixels.h"
#include "surface/Blit.h"

namespace {

constexpr int kCell = 20;  // a piece of the smallest size: cell 20, overlap 4, image 24
constexpr int kSide = 24;
constexpr int kMargin = 2;

uint32_t Flags(uint32_t word) {
  return word >> 24;
}
Channels Colour(uint32_t word) {
  return {(word >> 16) & 0xFF, (word >> 8) & 0xFF, word & 0xFF};
}

class PieceOutline : public testing::TestWithParam<const char*> {
 protected:
  // A piece whose image is transparent except for the rectangle, filled with `colour`.
  Piece PieceWith(const Rect& body, Channels colour) {
    Piece piece;
    piece.cellWidth = piece.cellHeight = kCell;
    piece.imageWidth = piece.imageHeight = kSide;
    piece.imageMaster[0] = CreateOffscreenSurface(service_, kSide, kSide, true);
    piece.imageMaster[0]->SetColourKey(0);
    for (int y = body.top; y < body.bottom; ++y) {
      for (int x = body.left; x < body.right; ++x) {
        WritePixel(*piece.imageMaster[0], x, y, f_.Pack(colour));
      }
    }
    return piece;
  }
  // A colour inside each channel's range, so that one bevel step neither caps nor floors.
  Channels Middle() const {
    return {f_.RedMax() * 2 / 5, f_.GreenMax() * 3 / 5, f_.BlueMax() * 1 / 2};
  }
  Channels Step() const {
    if (f_.bitsPerPixel != 16) return {81, 81, 81};
    return {f_.RedMax() / 3, f_.GreenMax() / 3, f_.BlueMax() / 3};
  }
  Channels Lit(Channels c) const {
    const Channels s = Step();
    return {std::min(c.red + s.red, f_.RedMax()), std::min(c.green + s.green, f_.GreenMax()),
            std::min(c.blue + s.blue, f_.BlueMax())};
  }
  Channels Shaded(Channels c) const {
    const Channels s = Step();
    return {c.red - s.red, c.green - s.green, c.blue - s.blue};
  }
  SurfaceService service_{FormatNamed(GetParam())};
  const PixelFormatInfo& f_ = service_.Format();
  OutlineBuilder builder_;
};

TEST_P(PieceOutline, AnIsolatedPixelIsACornerWhoseColourStays) {
  Piece piece = PieceWith(Rect::FromSize(10, 10, 1, 1), Middle());
  builder_.Build(service_, piece);
  const uint32_t word = piece.edgeOverlay[0].At(10, 10);
  EXPECT_EQ(Flags(word), 0x04u);
  EXPECT_EQ(Colour(word), Middle());
  EXPECT_EQ(ReadPixel(*piece.imageMaster[0], 10, 10), 0u);
  EXPECT_EQ(piece.edgeOverlay[0].Entries().size(), 1u);
}

TEST_P(PieceOutline, LightFallsFromTheTopLeft) {
  const Channels c = Middle();
  Piece piece = PieceWith(Rect::FromSize(kMargin, kMargin, kCell, kCell), c);
  builder_.Build(service_, piece);
  const EdgeOverlay& overlay = piece.edgeOverlay[0];
  const int last = kMargin + kCell - 1;
  EXPECT_EQ(Colour(overlay.At(kMargin, kMargin)), Lit(c));  // top-left corner
  EXPECT_EQ(Colour(overlay.At(last, last)), Shaded(c));     // bottom-right corner
  EXPECT_EQ(Colour(overlay.At(10, kMargin)), Lit(c));       // top side
  EXPECT_EQ(Colour(overlay.At(kMargin, 10)), Lit(c));       // left side
  EXPECT_EQ(Colour(overlay.At(10, last)), Shaded(c));       // bottom side
  EXPECT_EQ(Colour(overlay.At(last, 10)), Shaded(c));       // right side
  EXPECT_EQ(Flags(overlay.At(kMargin, kMargin)) & 7, 4u);
  EXPECT_EQ(Flags(overlay.At(last, last)) & 7, 4u);
  EXPECT_EQ(Flags(overlay.At(10, last)) & 7, 7u);
  // The whole one-pixel ring moved to the overlay; the body inside it stays.
  EXPECT_EQ(overlay.Entries().size(), static_cast<std::size_t>(4 * (kCell - 1)));
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const bool inside = x > kMargin && x < last && y > kMargin && y < last;
      ASSERT_EQ((ReadPixel(*piece.imageMaster[0], x, y) & f_.colourMask) != 0, inside);
    }
  }
}

TEST_P(PieceOutline, BevelsStopAtTheChannelLimits) {
  const Channels bright{f_.RedMax(), f_.GreenMax() - 1, f_.BlueMax()};
  const Channels s = Step();
  const Channels dark{s.red - 1, s.green, s.blue + 1};
  Piece lit = PieceWith(Rect::FromSize(kMargin, kMargin, kCell, kCell), bright);
  Piece shaded = PieceWith(Rect::FromSize(kMargin, kMargin, kCell, kCell), dark);
  builder_.Build(service_, lit);
  builder_.Build(service_, shaded);
  EXPECT_EQ(Colour(lit.edgeOverlay[0].At(10, kMargin)),
            (Channels{f_.RedMax(), f_.GreenMax(), f_.BlueMax()}));
  // Below 0 becomes 1; exactly 0 stays.
  EXPECT_EQ(Colour(shaded.edgeOverlay[0].At(10, kMargin + kCell - 1)), (Channels{1, 0, 1}));
}

TEST_P(PieceOutline, BodyPixelsAreSoftenedByEveryOutlineNeighbourInTurn) {
  const Channels c = Middle();
  Piece piece = PieceWith(Rect::FromSize(kMargin, kMargin, kCell, kCell), c);
  builder_.Build(service_, piece);
  // (10, 3) lies below three lit top-side pixels, (9, 2), (10, 2) and (11, 2), which soften it
  // one after the other by (outline + 3 * channel) / 4.
  const Channels l = Lit(c);
  const auto soften = [](uint32_t outline, uint32_t v) { return (outline + 3 * v) / 4; };
  Channels expected = c;
  for (int i = 0; i < 3; ++i) {
    expected = {soften(l.red, expected.red), soften(l.green, expected.green),
                soften(l.blue, expected.blue)};
  }
  EXPECT_EQ(PixelChannels(*piece.imageMaster[0], 10, 3), expected);
}

TEST_P(PieceOutline, SofteningNeverMakesBlack) {
  const Channels darkest{1, 0, 1};
  Piece piece = PieceWith(Rect::FromSize(kMargin, kMargin, kCell, kCell), darkest);
  builder_.Build(service_, piece);
  for (int y = 3; y < kSide - 3; ++y) {
    for (int x = 3; x < kSide - 3; ++x) {
      ASSERT_NE(ReadPixel(*piece.imageMaster[0], x, y) & f_.colourMask, 0u) << x << "," << y;
    }
  }
}

TEST_P(PieceOutline, ShadowCoversTheBodyInsideTheOutline) {
  Piece piece = PieceWith(Rect::FromSize(kMargin, kMargin, kCell, kCell), Middle());
  OpacityMap opacity;
  MakeShadowMask(service_, piece, opacity);
  ASSERT_NE(piece.shadowMaster[0], nullptr);
  const uint32_t white = f_.bitsPerPixel == 16 ? 0xFFFF : 0xFFFFFF;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const bool body =
          x > kMargin && x < kMargin + kCell - 1 && y > kMargin && y < kMargin + kCell - 1;
      ASSERT_EQ(ReadPixel(*piece.shadowMaster[0], x, y), body ? 0u : white);
    }
  }
  EXPECT_EQ(piece.shadow[0]->ColourKey(), std::optional<uint32_t>(f_.White()));
}

INSTANTIATE_TEST_SUITE_P(Formats, PieceOutline, testing::ValuesIn(kFormatNames));

// Side flags of a plain square body: s = 20, n = 4, the body at 2..21 each way.
TEST(PieceOutlineFlags, SidesOfASquareBody) {
  SurfaceService service(PixelFormatInfo::Rgb32());
  Piece piece;
  piece.cellWidth = kCell;
  piece.imageWidth = piece.imageHeight = kSide;
  piece.imageMaster[0] = CreateOffscreenSurface(service, kSide, kSide, true);
  for (int y = 2; y < 22; ++y) {
    for (int x = 2; x < 22; ++x) WritePixel(*piece.imageMaster[0], x, y, 0x646464);
  }
  OutlineBuilder builder;
  builder.Build(service, piece);
  const auto flags = [&](int x, int y) { return Flags(piece.edgeOverlay[0].At(x, y)); };
  EXPECT_EQ(flags(10, 2), 0x17u);   // top
  EXPECT_EQ(flags(2, 10), 0x47u);   // left
  EXPECT_EQ(flags(21, 10), 0x87u);  // right
  EXPECT_EQ(flags(10, 21), 0x27u);  // bottom
  // Near the top corners the first pixel of a column takes the top side alone.
  EXPECT_EQ(flags(2, 2), 0x14u);
  EXPECT_EQ(flags(2, 3), 0x47u);
  EXPECT_EQ(flags(3, 2), 0x17u);
  EXPECT_EQ(flags(21, 2), 0x14u);
  EXPECT_EQ(flags(21, 3), 0x87u);
  // Near the bottom corners only the lowest pixel of a column keeps the bottom side, and then
  // without left or right.
  EXPECT_EQ(flags(2, 19), 0x47u);
  EXPECT_EQ(flags(2, 20), 0x47u);
  EXPECT_EQ(flags(2, 21), 0x24u);
  EXPECT_EQ(flags(21, 20), 0x87u);
  EXPECT_EQ(flags(21, 21), 0x24u);
  EXPECT_EQ(flags(19, 21), 0x27u);
}

TEST(PieceOutlineFlags, CornerOfTheFirstLargePiece) {
  // Piece 0 of the largest size (s = 126, n = 26): its cell starts at (13, 13).
  SurfaceService service(PixelFormatInfo::Rgb32());
  auto picture = CreateOffscreenSurface(service, 300, 300, true);
  FillRect(*picture, picture->Bounds(), PixelFormatInfo::Rgb32().Pack({100, 150, 200}));
  const EdgeMaskSurfaces masks = MakeEdgeMaskSurfaces(service);
  CountingProgress progress;
  CutContext context{service, masks, progress};
  std::vector<std::unique_ptr<Piece>> pieces;
  ASSERT_EQ(CutPicture(context, *picture, 126, 26, 7, false, pieces), 4);
  const EdgeOverlay& overlay = pieces[0]->edgeOverlay[0];
  EXPECT_EQ(Flags(overlay.At(13, 13)), 0x14u);
  EXPECT_EQ(Flags(overlay.At(13, 14)), 0x47u);
  EXPECT_EQ(Colour(overlay.At(13, 13)), (Channels{181, 231, 255}));
  EXPECT_EQ(Colour(overlay.At(13, 14)), (Channels{181, 231, 255}));
}

TEST(PieceOutlineFlags, APieceWithoutImageGetsAnOverlayWithoutOutline) {
  SurfaceService service(PixelFormatInfo::Rgb32());
  Piece piece;
  piece.cellWidth = kCell;
  piece.imageWidth = piece.imageHeight = kSide;
  OutlineBuilder builder;
  builder.Build(service, piece);
  EXPECT_TRUE(piece.edgeOverlay[0].IsPresent());
  EXPECT_EQ(piece.edgeOverlay[0].Width(), kSide);
  EXPECT_TRUE(piece.edgeOverlay[0].Entries().empty());
  EXPECT_EQ(piece.image[0], nullptr);
}

}  // namespace
