// Loading numbered bitmap resources into surfaces of the display format.
#include "surface/BitmapSurfaceLoader.h"

#include <gtest/gtest.h>

#include <map>

#include "FormatParam.h"

namespace {

// Serves the bitmaps it was given, by number.
class FakeBitmaps final : public BitmapProvider {
 public:
  std::optional<Bitmap> Load(int resourceId) const override {
    const auto it = bitmaps.find(resourceId);
    if (it == bitmaps.end()) return std::nullopt;
    return it->second;
  }
  std::map<int, Bitmap> bitmaps;
};

Bitmap Gradient(int width, int height) {
  Bitmap b{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      b.pixels.push_back(static_cast<uint32_t>((x * 37) << 16 | (y * 53) << 8 | (x * y * 11)) &
                         0xFFFFFF);
    }
  }
  return b;
}

class BitmapSurfaceLoaderEach : public FormatParam {
 protected:
  FakeBitmaps provider;
};

TEST_P(BitmapSurfaceLoaderEach, PixelsAreConvertedToTheFormat) {
  provider.bitmaps[217] = Gradient(7, 6);
  auto surface = LoadBitmapSurface(service, provider, 217, true);
  ASSERT_TRUE(surface);
  ASSERT_EQ(surface->Width(), 7);
  ASSERT_EQ(surface->Height(), 6);
  EXPECT_EQ(surface->Memory(), SurfaceMemory::System);
  const Bitmap& b = provider.bitmaps[217];
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 7; ++x) {
      const uint32_t rgb = b.At(x, y);
      EXPECT_EQ(ReadPixel(*surface, x, y),
                format.FromRgb8(static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
                                static_cast<uint8_t>(rgb)));
    }
  }
}

TEST_P(BitmapSurfaceLoaderEach, UnknownOrMalformedBitmapsGiveNone) {
  EXPECT_FALSE(LoadBitmapSurface(service, provider, 999, false));
  provider.bitmaps[1] = Bitmap{0, 4, {}};
  provider.bitmaps[2] = Bitmap{3, 3, std::vector<uint32_t>(8)};
  provider.bitmaps[3] = Bitmap{3, -3, std::vector<uint32_t>(9)};
  for (int id : {1, 2, 3}) EXPECT_FALSE(LoadBitmapSurface(service, provider, id, false)) << id;
}

TEST_P(BitmapSurfaceLoaderEach, DisplayMemoryFirstThenSystem) {
  provider.bitmaps[5] = Gradient(16, 16);
  auto display = LoadBitmapSurface(service, provider, 5, false);
  ASSERT_TRUE(display);
  EXPECT_EQ(display->Memory(), SurfaceMemory::Display);
  service.SetDisplayMemoryLimit(service.DisplayMemoryInUse());
  auto fallback = LoadBitmapSurface(service, provider, 5, false);
  ASSERT_TRUE(fallback);
  EXPECT_EQ(fallback->Memory(), SurfaceMemory::System);
  EXPECT_EQ(Pixels(*fallback), Pixels(*display));
  service.SetCreationFails(true);
  EXPECT_FALSE(LoadBitmapSurface(service, provider, 5, false));
}

INSTANTIATE_TEST_SUITE_P(AllFormats, BitmapSurfaceLoaderEach, ::testing::ValuesIn(kFormatNames),
                         FormatTestName);

}  // namespace
