// Display copies share their master's pixels until either is written or the copy is lost.
#include <gtest/gtest.h>

#include "support/SurfacePixels.h"
#include "surface/SurfaceService.h"

namespace {

class DisplayCopy : public testing::TestWithParam<const char*> {
 protected:
  SurfaceService service_{FormatNamed(GetParam())};
};

TEST_P(DisplayCopy, ReadsTheMastersPixelsAndKeyWithoutCopying) {
  auto master = CreateOffscreenSurface(service_, 9, 5, true);
  FillPattern(*master, 4);
  master->SetColourKey(0);
  auto copy = CreateDisplayCopy(service_, *master);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Memory(), SurfaceMemory::Display);
  EXPECT_EQ(copy->ColourKey(), std::optional<uint32_t>(0));
  EXPECT_TRUE(copy->SharesPixels());
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 9; ++x) ASSERT_EQ(ReadPixel(*copy, x, y), ReadPixel(*master, x, y));
  }
  EXPECT_TRUE(copy->SharesPixels()) << "reading must not copy";
  EXPECT_EQ(service_.DisplayMemoryInUse(),
            static_cast<std::size_t>(SurfacePitch(9, service_.Format())) * 5);
}

TEST_P(DisplayCopy, WritingEitherSideLeavesTheOtherAlone) {
  auto master = CreateOffscreenSurface(service_, 6, 6, true);
  FillPattern(*master, 5);
  const uint32_t before = ReadPixel(*master, 2, 3);
  auto copy = CreateDisplayCopy(service_, *master);
  WritePixel(*copy, 2, 3, before ^ 1);
  EXPECT_EQ(ReadPixel(*master, 2, 3), before);
  EXPECT_EQ(ReadPixel(*copy, 2, 3), before ^ 1);

  const uint32_t corner = ReadPixel(*master, 0, 0);
  auto second = CreateDisplayCopy(service_, *master);
  WritePixel(*master, 0, 0, corner ^ 1);
  EXPECT_EQ(ReadPixel(*second, 0, 0), corner);
  EXPECT_FALSE(master->SharesPixels());
  EXPECT_FALSE(second->SharesPixels());
}

TEST_P(DisplayCopy, ALostCopyRestoresIntoMemoryOfItsOwn) {
  auto master = CreateOffscreenSurface(service_, 4, 4, true);
  FillPattern(*master, 6);
  const uint32_t corner = ReadPixel(*master, 0, 0);
  auto copy = CreateDisplayCopy(service_, *master);
  service_.LoseDisplaySurfaces();
  EXPECT_FALSE(static_cast<bool>(copy->Lock()));
  copy->Restore();
  EXPECT_FALSE(copy->SharesPixels());
  EXPECT_EQ(ReadPixel(*master, 0, 0), corner);
}

TEST_P(DisplayCopy, FallsBackToSystemMemoryWhenTheBudgetIsSpent) {
  auto master = CreateOffscreenSurface(service_, 8, 8, true);
  service_.SetDisplayMemoryLimit(16);
  auto copy = CreateDisplayCopy(service_, *master);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Memory(), SurfaceMemory::System);
  EXPECT_TRUE(copy->SharesPixels());
  service_.SetCreationFails(true);
  EXPECT_EQ(CreateDisplayCopy(service_, *master), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Formats, DisplayCopy, testing::ValuesIn(kFormatNames));

}  // namespace
