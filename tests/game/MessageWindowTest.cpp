// The message window's bar picture: which columns come from which bitmap, in every format.
#include <gtest/gtest.h>

#include "game/MessageProgress.h"
#include "game/MessageWindow.h"
#include "support/SurfacePixels.h"
#include "surface/SurfaceService.h"

namespace {

class ProgressBarPicture : public testing::TestWithParam<const char*> {
 protected:
  ProgressBarPicture() {
    FillPattern(*empty, 11);
    FillPattern(*filled, 29);
  }

  // A bar with a known background that the pictures do not cover beyond 430 x 20.
  std::unique_ptr<Surface> FreshBar() {
    auto bar = service.Create(432, 22, SurfaceMemory::System);
    FillPattern(*bar, 47);
    return bar;
  }

  SurfaceService service{FormatNamed(GetParam())};
  std::unique_ptr<Surface> empty = service.Create(430, 20, SurfaceMemory::System);
  std::unique_ptr<Surface> filled = service.Create(430, 20, SurfaceMemory::System);
};

TEST_P(ProgressBarPicture, FilledColumnsLeftOfTheMarkEmptyColumnsFromIt) {
  for (const int mark : {0, 1, 215, 429, 430}) {
    auto bar = FreshBar();
    const auto before = FreshBar();
    ASSERT_TRUE(PaintProgressBar(*bar, empty.get(), filled.get(), mark));
    for (int y = 0; y < 22; ++y) {
      for (int x = 0; x < 432; ++x) {
        const Surface& expected = x >= 430 || y >= 20 ? *before : x < mark ? *filled : *empty;
        ASSERT_EQ(ReadPixel(*bar, x, y), ReadPixel(expected, x, y))
            << "mark " << mark << " at " << x << "," << y;
      }
    }
  }
}

TEST_P(ProgressBarPicture, MarksOutsideTheBarAreHeldAtItsEnds) {
  auto over = FreshBar(), full = FreshBar(), under = FreshBar(), none = FreshBar();
  PaintProgressBar(*over, empty.get(), filled.get(), 9999);
  PaintProgressBar(*full, empty.get(), filled.get(), 430);
  PaintProgressBar(*under, empty.get(), filled.get(), -5);
  PaintProgressBar(*none, empty.get(), filled.get(), 0);
  for (int x = 0; x < 432; x += 7) {
    EXPECT_EQ(ReadPixel(*over, x, 10), ReadPixel(*full, x, 10)) << x;
    EXPECT_EQ(ReadPixel(*under, x, 10), ReadPixel(*none, x, 10)) << x;
  }
}

TEST_P(ProgressBarPicture, AMissingPictureLeavesItsColumnsAlone) {
  auto bar = FreshBar();
  const auto before = FreshBar();
  ASSERT_TRUE(PaintProgressBar(*bar, nullptr, filled.get(), 100));
  EXPECT_EQ(ReadPixel(*bar, 99, 5), ReadPixel(*filled, 99, 5));
  EXPECT_EQ(ReadPixel(*bar, 100, 5), ReadPixel(*before, 100, 5));
}

TEST_P(ProgressBarPicture, TheBarFollowsTheProgressWidth) {
  // Half of a 3577-step range fills 215 columns.
  auto bar = FreshBar();
  PaintProgressBar(*bar, empty.get(), filled.get(), MessageProgress::FilledWidth(0, 3577, 1789));
  EXPECT_EQ(ReadPixel(*bar, 214, 0), ReadPixel(*filled, 214, 0));
  EXPECT_EQ(ReadPixel(*bar, 215, 0), ReadPixel(*empty, 215, 0));
}

INSTANTIATE_TEST_SUITE_P(Formats, ProgressBarPicture, testing::ValuesIn(kFormatNames));

TEST(MessageWindowLayout, TheBarIsCentredAboveTheBottom) {
  EXPECT_EQ(MessageBarRect(500, 74), Rect::FromSize(34, 47, 432, 22));
  EXPECT_EQ(MessageBarRect(433, 60), Rect::FromSize(0, 33, 432, 22));
}

}  // namespace
