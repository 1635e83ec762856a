// Test scenes for painting: bitmaps made here, hand-made pieces, and the view's paint objects.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <memory>

#include "paint/FrameComposition.h"
#include "paint/PaintResources.h"
#include "play/PlayState.h"
#include "puzzle/PuzzleRecord.h"
#include "support/SurfacePixels.h"
#include "surface/BitmapProvider.h"
#include "surface/SurfaceService.h"

// Bitmap resources by number, as a test sets them.
class TestBitmaps : public BitmapProvider {
 public:
  std::optional<Bitmap> Load(int resourceId) const override;
  void Set(int resourceId, Bitmap bitmap) { bitmaps_[resourceId] = std::move(bitmap); }
  void Remove(int resourceId) { bitmaps_.erase(resourceId); }

 private:
  std::map<int, Bitmap> bitmaps_;
};

// A bitmap of one colour (0x00RRGGBB).
Bitmap SolidBitmap(int width, int height, uint32_t rgb);

// Colours of the test sprites and icons: frame k of the sparkle, frame k of particle sprite i,
// the two handles and the icon of box n. The top-left pixel of every sprite frame is black.
uint32_t SparkleColour(int frame);
uint32_t ParticleColour(int sprite, int frame);
inline constexpr uint32_t kHandleEmptyColour = 0x00F00000;
inline constexpr uint32_t kHandleFullColour = 0x0000F000;
uint32_t BoxIconColour(int box);

// The sprites, handles and icons above, and textures 217.. when asked.
void SetStandardBitmaps(TestBitmaps& bitmaps);

// The background colour of test scenes as the settings keep it (red low), and its 0x00RRGGBB.
inline constexpr uint32_t kSceneColourRef = 0x00785028;  // red 40, green 80, blue 120
inline constexpr uint32_t kSceneRgb = 0x00285078;

// Hand-made pieces: kSide x kSide images whose body (inside a one-pixel ring) has one colour and
// whose ring is black in the image and held by the overlay, with the outline colour kOutlineRgb.
// Ring pixels carry the side flags of the side they lie on; the corners carry both sides' flags
// and weight 4, the others weight 7.
inline constexpr int kSide = 16;
inline constexpr uint32_t kOutlineRgb = 0x00F07828;  // red 240, green 120, blue 40

// A scene in one pixel format over a 320 x 240 client (play area from y = 32), with paint
// resources, a back surface, the play state in Play and an empty puzzle of size choice 3
// (shadow offset 5).
struct PaintScene {
  explicit PaintScene(const PixelFormatInfo& format, PaintMethod method = PaintMethod::Fast);

  // A piece of cell (col, row) at (x, y) with a body of colour `rgb`, in a new group of its own
  // appended on top.
  Piece& AddPiece(int col, int row, int x, int y, uint32_t rgb);
  // Merges the group of `b` into the group of `a` (b's group is removed).
  void Join(const Piece& a, const Piece& b);
  PieceGroup& GroupOf(const Piece& piece);

  FrameResult Compose(const Rect& rect);
  PaintContext Context();
  uint32_t Pixel(int x, int y) const { return ReadPixel(*resources.backSurface, x, y); }
  // A pixel value of the format for an 8-bit colour, as a bitmap is drawn.
  uint32_t FromRgb(uint32_t rgb) const;
  // The overlay word's colour of kOutlineRgb at the format's channel widths.
  Channels OutlineChannels() const;

  PixelFormatInfo format;
  SurfaceService service;
  TestBitmaps bitmaps;
  TileSettings tiles{kSceneColourRef, false, 0};
  PaintResources resources;
  PlayState state;
  PuzzleRecord puzzle;
};

// Fixture run once per display format.
class PaintFormatTest : public ::testing::TestWithParam<const char*> {
 protected:
  PixelFormatInfo Format() const { return FormatNamed(GetParam()); }
};

std::string PaintFormatName(const ::testing::TestParamInfo<const char*>& info);
