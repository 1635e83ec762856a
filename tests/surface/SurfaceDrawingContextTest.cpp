// Drawing fills, frames, lines and bitmaps onto a surface, clipped to it.
#include "surface/SurfaceDrawingContext.h"

#include <gtest/gtest.h>

#include <functional>

#include "FormatParam.h"

namespace {

constexpr uint32_t kRgb = 0x3C9AE1;

class DrawingContextEach : public FormatParam {
 protected:
  DrawingContextEach() : surface(Make(20, 16)), before(Pixels(*surface)) {}

  uint32_t Colour() const { return format.FromRgb8(0x3C, 0x9A, 0xE1); }

  // Every pixel is the colour where `painted` says so and untouched elsewhere.
  void ExpectPainted(const std::function<bool(int, int)>& painted) {
    for (int y = 0; y < surface->Height(); ++y) {
      for (int x = 0; x < surface->Width(); ++x) {
        const uint32_t old = before[static_cast<std::size_t>(y * surface->Width() + x)];
        ASSERT_EQ(ReadPixel(*surface, x, y), painted(x, y) ? Colour() : old) << x << "," << y;
      }
    }
  }

  std::unique_ptr<Surface> surface;
  std::vector<uint32_t> before;
};

TEST_P(DrawingContextEach, FillIsClippedToTheSurface) {
  SurfaceDrawingContext dc(*surface);
  dc.FillRect({-5, -4, 6, 3}, kRgb);
  dc.FillRect({15, 12, 40, 40}, kRgb);
  dc.FillRect({-10, 5, -1, 9}, kRgb);
  ExpectPainted([](int x, int y) { return (x < 6 && y < 3) || (x >= 15 && y >= 12); });
}

TEST_P(DrawingContextEach, FrameIsDrawnInsideTheRectangle) {
  SurfaceDrawingContext dc(*surface);
  dc.FrameRect({3, 2, 15, 12}, kRgb, 2);
  ExpectPainted([](int x, int y) {
    const bool inOuter = x >= 3 && x < 15 && y >= 2 && y < 12;
    const bool inInner = x >= 5 && x < 13 && y >= 4 && y < 10;
    return inOuter && !inInner;
  });
}

TEST_P(DrawingContextEach, ThickFrameFillsTheRectangle) {
  SurfaceDrawingContext dc(*surface);
  dc.FrameRect({2, 2, 7, 6}, kRgb, 9);
  ExpectPainted([](int x, int y) { return x >= 2 && x < 7 && y >= 2 && y < 6; });
}

TEST_P(DrawingContextEach, FramePartlyOutsideIsClipped) {
  SurfaceDrawingContext dc(*surface);
  dc.FrameRect({-3, -3, 19, 10}, kRgb, 4);
  ExpectPainted([](int x, int y) {
    const bool band = y < 1 || (y >= 6 && y < 10) || ((x < 1 || x >= 15) && y < 10);
    return x < 19 && band;
  });
}

TEST_P(DrawingContextEach, LinesIncludeBothEnds) {
  SurfaceDrawingContext dc(*surface);
  dc.DrawLine(2, 5, 10, 5, kRgb);
  dc.DrawLine(7, 12, 7, 8, kRgb);
  dc.DrawLine(-4, 14, 30, 14, kRgb);
  ExpectPainted([](int x, int y) {
    return (y == 5 && x >= 2 && x <= 10) || (x == 7 && y >= 8 && y <= 12) || y == 14;
  });
}

TEST_P(DrawingContextEach, BitmapIsConvertedAndClipped) {
  Bitmap bitmap{6, 5, {}};
  for (int i = 0; i < 30; ++i)
    bitmap.pixels.push_back((0x102030u * static_cast<uint32_t>(i + 1)) & 0xFFFFFF);
  SurfaceDrawingContext dc(*surface);
  dc.DrawBitmap(-2, -3, bitmap);
  dc.DrawBitmap(17, 13, bitmap);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 20; ++x) {
      const bool first = x < 4 && y < 2, second = x >= 17 && y >= 13;
      uint32_t expected = before[static_cast<std::size_t>(y * 20 + x)];
      if (first || second) {
        const uint32_t rgb = first ? bitmap.At(x + 2, y + 3) : bitmap.At(x - 17, y - 13);
        expected = format.FromRgb8(static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
                                   static_cast<uint8_t>(rgb));
      }
      ASSERT_EQ(ReadPixel(*surface, x, y), expected) << x << "," << y;
    }
  }
}

TEST_P(DrawingContextEach, BitmapWithTooFewPixelsDrawsNothing) {
  const Bitmap bitmap{6, 5, std::vector<uint32_t>(29, 0xFFFFFF)};
  SurfaceDrawingContext(*surface).DrawBitmap(0, 0, bitmap);
  ExpectPainted([](int, int) { return false; });
}

TEST_P(DrawingContextEach, LostSurfaceIsNotDrawnOn) {
  auto display = CreateOffscreenSurface(service, 10, 10, false);
  service.LoseDisplaySurfaces();
  SurfaceDrawingContext dc(*display);
  dc.FillRect({0, 0, 10, 10}, kRgb);
  dc.FrameRect({0, 0, 10, 10}, kRgb, 1);
  dc.DrawLine(0, 0, 9, 0, kRgb);
  dc.DrawBitmap(0, 0, Bitmap{1, 1, {kRgb}});
  EXPECT_TRUE(display->IsLost());
}

INSTANTIATE_TEST_SUITE_P(AllFormats, DrawingContextEach, ::testing::ValuesIn(kFormatNames),
                         FormatTestName);

}  // namespace
