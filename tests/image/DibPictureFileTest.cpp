// Tests of CPictureFile: file types by extension, decoder choice, and loading from open files.
#include <gtest/gtest.h>

#include <cstdio>

#include "image/PictureFile.h"
#include "support/BmpFileBuilder.h"

namespace {

std::vector<uint8_t> SmallBmp() {
  BmpLayout layout;
  layout.width = 2;
  return BuildBmp(layout, std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 0, 0});
}

TEST(PictureFileType, ExtensionsAreComparedWithoutCase) {
  EXPECT_EQ(PictureFileType("photo.bmp"), PICTURE_BMP);
  EXPECT_EQ(PictureFileType("C/PHOTO.Bmp"), PICTURE_BMP);
  EXPECT_EQ(PictureFileType("photo.jpeg"), PICTURE_JPEG);
  EXPECT_EQ(PictureFileType("photo.JPG"), PICTURE_JPEG);
  EXPECT_EQ(PictureFileType("anim.gif"), PICTURE_GIF);
  EXPECT_EQ(PictureFileType("shot.Png"), PICTURE_PNG);
  EXPECT_EQ(PictureFileType("icon.xpm"), PICTURE_NONE);
  EXPECT_EQ(PictureFileType("archive.tar.bmp"), PICTURE_BMP);
  EXPECT_EQ(PictureFileType("photo.bmpx"), PICTURE_NONE);
  EXPECT_EQ(PictureFileType("photo.bm"), PICTURE_NONE);
}

TEST(PictureFileType, OnlyTheFileNameHasAnExtension) {
  EXPECT_EQ(PictureFileExtension("photo.bmp"), "bmp");
  EXPECT_EQ(PictureFileExtension("photo."), "");
  EXPECT_EQ(PictureFileExtension("photo"), "");
  EXPECT_EQ(PictureFileExtension(""), "");
  EXPECT_EQ(PictureFileExtension("."), "");
  EXPECT_EQ(PictureFileExtension("pictures.d/photo"), "");
  EXPECT_EQ(PictureFileExtension("pictures.d/photo.Jpeg"), "Jpeg");
  EXPECT_EQ(PictureFileType("photo"), PICTURE_NONE);
  EXPECT_EQ(PictureFileType("photo."), PICTURE_NONE);
  EXPECT_EQ(PictureFileType("my.bmp/photo"), PICTURE_NONE);
}

TEST(PictureFile, OnlyTheBmpTypeHasADecoder) {
  const auto stream = SmallBmp();
  for (int type : {-1, 1, 2, 3, 4}) {
    DibMemorySource source(stream);
    CPictureFile picture;
    EXPECT_FALSE(picture.Load(source, type)) << type;
    EXPECT_FALSE(picture.Decoder());
    EXPECT_FALSE(picture.CreateBitmap());
    EXPECT_EQ(picture.Width(), 0);
  }
}

TEST(PictureFile, TheDecoderStaysForTheSameTypeAndGoesOnAChange) {
  const auto stream = SmallBmp();
  CPictureFile picture;
  DibMemorySource first(stream);
  ASSERT_TRUE(picture.Load(first, PICTURE_BMP));
  const CDibImage* decoder = picture.Decoder();
  ASSERT_TRUE(decoder);
  DibMemorySource second(stream);
  ASSERT_TRUE(picture.Load(second, PICTURE_BMP));
  EXPECT_EQ(picture.Decoder(), decoder);
  EXPECT_EQ(picture.Width(), 2);
  EXPECT_EQ(picture.Height(), 1);
  EXPECT_FALSE(picture.Palette()) << "24 bits without a colour count";
  EXPECT_EQ(picture.Bits()[3], 4);

  DibMemorySource third(stream);
  EXPECT_FALSE(picture.Load(third, PICTURE_JPEG));
  EXPECT_EQ(picture.Type(), PICTURE_JPEG);
  EXPECT_FALSE(picture.Decoder()) << "the old decoder is gone with its picture";
  EXPECT_EQ(picture.Width(), 0);
}

TEST(PictureFile, OpenFilesAreReadFromTheirPosition) {
  std::FILE* file = std::tmpfile();
  ASSERT_TRUE(file);
  const std::vector<uint8_t> prefix(33, 0xAB);
  const auto stream = SmallBmp();
  std::fwrite(prefix.data(), 1, prefix.size(), file);
  std::fwrite(stream.data(), 1, stream.size(), file);
  std::fseek(file, 33, SEEK_SET);
  CPictureFile picture;
  ASSERT_TRUE(picture.Load(file, PICTURE_BMP));
  const auto bitmap = picture.CreateBitmap();
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->pixels, (std::vector<uint32_t>{0x030201, 0x060504}));

  std::fseek(file, 0, SEEK_SET);
  EXPECT_FALSE(picture.Load(file, PICTURE_BMP)) << "the prefix is no bitmap";
  std::fclose(file);
  EXPECT_FALSE(picture.Load(static_cast<std::FILE*>(nullptr), PICTURE_BMP));
}

}  // namespace
