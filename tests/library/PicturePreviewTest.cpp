// The chooser's preview: reading pictures at a reduced size, and the frame and window sizes.
#include <gtest/gtest.h>

#include "QvxTestFile.h"
#include "TestPictures.h"
#include "library/PicturePreview.h"

namespace {

TEST(PicturePreview, FitsTheFrameByTheLongerSide) {
  EXPECT_EQ(PreviewFrameFit(234, 234, 800, 600), (PreviewSize{234, 175}));
  EXPECT_EQ(PreviewFrameFit(234, 234, 600, 800), (PreviewSize{175, 234}));
  EXPECT_EQ(PreviewFrameFit(234, 234, 500, 500), (PreviewSize{234, 234}));
}

TEST(PicturePreview, WindowShowsHalfSizeWhenTheFullSizeDoesNotFit) {
  const PreviewWindowFit small = FitPreviewWindow(800, 600, 10, 30, 1024, 768);
  EXPECT_FALSE(small.halfSize);
  EXPECT_EQ(small.client, (PreviewSize{800, 600}));
  const PreviewWindowFit large = FitPreviewWindow(2000, 1500, 10, 30, 1024, 768);
  EXPECT_TRUE(large.halfSize);
  EXPECT_EQ(large.client, (PreviewSize{1000, 750}));
  // Half size is as small as it gets, even when that is still larger than the screen.
  EXPECT_EQ(FitPreviewWindow(3000, 2000, 10, 30, 1024, 768).client, (PreviewSize{1500, 1000}));
}

TEST(PicturePreview, ReadsJpegFilesReducedAndBitmapsWhole) {
  TempFolder folder;
  WriteTestJpeg(folder.Path() / "big.jpg", 1600, 1200);
  WriteTestJpeg(folder.Path() / "upper.JPEG", 640, 480);
  WriteTestBmp(folder.Path() / "picture.bmp", 300, 200);
  // 1600 x 1200 fitted to 234 x 175 needs no more than an eighth: 200 x 150 is too small.
  const auto big = LoadPreviewPicture((folder.Path() / "big.jpg").string(), 234, 234);
  ASSERT_TRUE(big.has_value());
  EXPECT_EQ(big->width * 10000 + big->height, 400 * 10000 + 300);
  EXPECT_EQ(big->pictureWidth * 10000 + big->pictureHeight, 1600 * 10000 + 1200);
  EXPECT_EQ(big->pixels.size(), 400u * 300u);
  const auto upper = LoadPreviewPicture((folder.Path() / "upper.JPEG").string(), 0, 0);
  ASSERT_TRUE(upper.has_value());
  EXPECT_EQ(upper->width, 640);
  const auto bitmap = LoadPreviewPicture((folder.Path() / "picture.bmp").string(), 234, 234);
  ASSERT_TRUE(bitmap.has_value());
  EXPECT_EQ(bitmap->width * 10000 + bitmap->height, 300 * 10000 + 200);
  EXPECT_EQ(bitmap->pixels[0], TestPatternColour(0, 0));
  // Damaged and missing files give no preview.
  WriteBytes(folder.Path() / "cut.jpg", {0xFF, 0xD8, 0xFF});
  EXPECT_FALSE(LoadPreviewPicture((folder.Path() / "cut.jpg").string(), 234, 234));
  EXPECT_FALSE(LoadPreviewPicture((folder.Path() / "none.bmp").string(), 234, 234));
}

}  // namespace
