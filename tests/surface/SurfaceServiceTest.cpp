// Creating surfaces: sizes, pitch, the display-memory budget and lost display surfaces.
#include "surface/SurfaceService.h"

#include <gtest/gtest.h>

#include "FormatParam.h"

namespace {

class SurfaceServiceEach : public FormatParam {};

TEST_P(SurfaceServiceEach, RowsHoldTheirPixelsAndStartOnSixteenBytes) {
  for (int width : {1, 2, 3, 5, 7, 16, 33, 1920}) {
    auto surface = service.Create(width, 2, SurfaceMemory::System);
    ASSERT_TRUE(surface);
    EXPECT_EQ(surface->Format(), format);
    EXPECT_GE(surface->Pitch(), width * format.BytesPerPixel());
    EXPECT_LT(surface->Pitch(), width * format.BytesPerPixel() + 16);
    EXPECT_EQ(surface->Pitch() % 16, 0);
    // The last pixel of a row and the first of the next are apart.
    WritePixel(*surface, width - 1, 0, 0x1234);
    WritePixel(*surface, 0, 1, 0x0321);
    EXPECT_EQ(ReadPixel(*surface, width - 1, 0), 0x1234u);
  }
}

TEST_P(SurfaceServiceEach, SizesOutsideTheRangeAreRefused) {
  for (const auto& [w, h] : {std::pair{0, 5},
                             {5, 0},
                             {-1, 5},
                             {5, -3},
                             {SurfaceService::kMaxSide + 1, 1},
                             {1, SurfaceService::kMaxSide + 1}}) {
    EXPECT_FALSE(service.Create(w, h, SurfaceMemory::System)) << w << "x" << h;
    EXPECT_FALSE(CreateOffscreenSurface(service, w, h, false)) << w << "x" << h;
  }
  EXPECT_TRUE(service.Create(SurfaceService::kMaxSide, 1, SurfaceMemory::System));
}

TEST_P(SurfaceServiceEach, FailingCreationGivesNone) {
  service.SetCreationFails(true);
  EXPECT_FALSE(CreateOffscreenSurface(service, 4, 4, true));
  EXPECT_FALSE(CreateOffscreenSurface(service, 4, 4, false));
  service.SetCreationFails(false);
  EXPECT_TRUE(CreateOffscreenSurface(service, 4, 4, false));
}

TEST_P(SurfaceServiceEach, DisplayCopiesFallBackToSystemMemoryWhenTheBudgetIsSpent) {
  const std::size_t one = static_cast<std::size_t>(SurfacePitch(40, format)) * 30;
  service.SetDisplayMemoryLimit(one + one / 2);
  auto first = CreateOffscreenSurface(service, 40, 30, false);
  auto second = CreateOffscreenSurface(service, 40, 30, false);
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->Memory(), SurfaceMemory::Display);
  EXPECT_EQ(second->Memory(), SurfaceMemory::System);
  EXPECT_EQ(service.DisplayMemoryInUse(), one);
  EXPECT_FALSE(service.Create(40, 30, SurfaceMemory::Display));
  // Releasing a display copy gives its memory back.
  first.reset();
  EXPECT_EQ(service.DisplayMemoryInUse(), 0u);
  auto third = CreateOffscreenSurface(service, 40, 30, false);
  EXPECT_EQ(third->Memory(), SurfaceMemory::Display);
}

TEST_P(SurfaceServiceEach, MastersNeverUseDisplayMemory) {
  auto master = CreateOffscreenSurface(service, 64, 64, true);
  ASSERT_TRUE(master);
  EXPECT_EQ(master->Memory(), SurfaceMemory::System);
  EXPECT_EQ(service.DisplayMemoryInUse(), 0u);
  service.SetDisplayMemoryLimit(0);
  EXPECT_TRUE(CreateOffscreenSurface(service, 64, 64, true));
}

TEST_P(SurfaceServiceEach, DisplayChangeLosesDisplayCopiesButNotMasters) {
  auto display = CreateOffscreenSurface(service, 8, 8, false);
  auto master = CreateOffscreenSurface(service, 8, 8, true);
  FillPattern(*master, 3);
  const auto masterPixels = Pixels(*master);
  service.LoseDisplaySurfaces();

  EXPECT_TRUE(display->IsLost());
  EXPECT_FALSE(display->Lock());
  EXPECT_FALSE(static_cast<const Surface&>(*display).Lock());
  EXPECT_FALSE(master->IsLost());
  EXPECT_EQ(Pixels(*master), masterPixels);
  // Surfaces made after the change are not lost.
  auto later = CreateOffscreenSurface(service, 8, 8, false);
  EXPECT_FALSE(later->IsLost());

  display->Restore();
  EXPECT_FALSE(display->IsLost());
  EXPECT_TRUE(display->Lock());
  // Lost again by the next change.
  service.LoseDisplaySurfaces();
  EXPECT_TRUE(display->IsLost());
  EXPECT_TRUE(later->IsLost());
}

TEST_P(SurfaceServiceEach, RestoringASurfaceThatIsNotLostKeepsItsPixels) {
  auto display = CreateOffscreenSurface(service, 8, 8, false);
  FillPattern(*display, 4);
  const auto pixels = Pixels(*display);
  display->Restore();
  EXPECT_EQ(Pixels(*display), pixels);
}

INSTANTIATE_TEST_SUITE_P(AllFormats, SurfaceServiceEach, ::testing::ValuesIn(kFormatNames),
                         FormatTestName);

}  // namespace
