// Tests of the image record: result texts, file types, loading, borrowed pixels, dispatch.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "ImgTestFiles.h"
#include "image/CBmpDecoder.h"
#include "image/CImg.h"
#include "image/CImgLoader.h"

namespace {

namespace fs = std::filesystem;

fs::path TempFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  const fs::path path = fs::temp_directory_path() / ("pavlemir-cimg-" + name);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return path;
}

uint8_t TypeOf(const char* path) {
  CImg image;
  EXPECT_EQ(CImgLoader(&image).DetectType(path), IMG_OK);
  return image.m_type;
}

TEST(ImgResultTexts, EveryCodeHasItsText) {
  const char* const expected[] = {"No error",
                                  "File not found",
                                  "Incorrect file format",
                                  "Unknown variant",
                                  "No IMG instance to work with",
                                  "Already loaded",
                                  "No buffer",
                                  "Error in conversion",
                                  "Unsupported BPP",
                                  "Empty result operation",
                                  "Unknown file type",
                                  "Undefined error",
                                  "Cannot work with null pointer",
                                  "Parameter is out of range"};
  for (int code = 0; code < 14; ++code) {
    const char* text = nullptr;
    ASSERT_EQ(GetErrorText(code, &text), IMG_OK) << code;
    EXPECT_STREQ(text, expected[code]) << code;
  }
  EXPECT_EQ(IMG_OUT_OF_RANGE, 13);
  EXPECT_EQ(IMG_UNKNOWN_FILE_TYPE, 10);
}

TEST(ImgResultTexts, CodesBeyondTheTableLeaveThePointerAlone) {
  const char* text = "untouched";
  EXPECT_EQ(GetErrorText(14, &text), IMG_OUT_OF_RANGE);
  EXPECT_STREQ(text, "untouched");
  EXPECT_EQ(GetErrorText(-1, &text), IMG_OUT_OF_RANGE);
  EXPECT_STREQ(text, "untouched");
}

TEST(ImgDetectType, ExtensionsAfterTheLastDotWithoutCase) {
  EXPECT_EQ(TypeOf("C:/Pictures/PHOTO.JPG"), IMG_TYPE_JPG);
  EXPECT_EQ(TypeOf("photo.jpeg"), IMG_TYPE_UNKNOWN);
  EXPECT_EQ(TypeOf("archive.tar.bmp"), IMG_TYPE_BMP);
  EXPECT_EQ(TypeOf("a.Tga"), IMG_TYPE_TGA);
  EXPECT_EQ(TypeOf("a.iff"), IMG_TYPE_IFF);
  EXPECT_EQ(TypeOf("a.fix"), IMG_TYPE_FIX);
  EXPECT_EQ(TypeOf("a.ffc"), IMG_TYPE_FFC);
  EXPECT_EQ(TypeOf("no-extension"), IMG_TYPE_UNKNOWN);
  EXPECT_EQ(TypeOf("trailing.bmp."), IMG_TYPE_UNKNOWN);
  EXPECT_EQ(TypeOf("bmp"), IMG_TYPE_UNKNOWN);
}

TEST(ImgDetectType, LeavesTheCallersPathAsItWas) {
  char path[] = "Holiday.BMP";
  CImg image;
  CImgLoader(&image).DetectType(path);
  EXPECT_EQ(image.m_type, IMG_TYPE_BMP);
  EXPECT_STREQ(path, "Holiday.BMP");
  EXPECT_EQ(CImgLoader(&image).DetectType(nullptr), IMG_NULL_POINTER);
}

TEST(ImgLoadFile, KeepsTheBytesNameAndType) {
  const fs::path path = TempFile("load.TGA", {1, 2, 3, 4, 5});
  CImg image;
  ASSERT_EQ(image.LoadFile(path.c_str()), IMG_OK);
  ASSERT_EQ(image.m_dataSize, 5u);
  EXPECT_EQ(image.m_data[4], 5);
  EXPECT_EQ(image.m_type, IMG_TYPE_TGA);
  EXPECT_EQ(image.m_fileName, path.string());
  fs::remove(path);
}

TEST(ImgLoadFile, AJpegFileNamedJpegHasNoDecoder) {
  const fs::path path = TempFile("photo.jpeg", {0xFF, 0xD8, 0xFF, 0xD9});
  CImg image;
  ASSERT_EQ(image.LoadFile(path.c_str()), IMG_OK);
  EXPECT_EQ(image.m_type, IMG_TYPE_UNKNOWN);
  EXPECT_EQ(CImgLoader(&image).Decode(), IMG_UNKNOWN_FILE_TYPE);
  fs::remove(path);
}

TEST(ImgLoadFile, EmptyMissingAndNullPaths) {
  const fs::path empty = TempFile("empty.bmp", {});
  CImg image;
  ASSERT_EQ(image.LoadFile(TempFile("full.bmp", {1, 2}).c_str()), IMG_OK);
  EXPECT_EQ(image.LoadFile(empty.c_str()), IMG_FILE_NOT_FOUND);
  EXPECT_EQ(image.m_data, nullptr);
  EXPECT_EQ(image.m_dataSize, 0u);
  EXPECT_EQ(image.LoadFile((fs::temp_directory_path() / "pavlemir-no-such.bmp").c_str()),
            IMG_FILE_NOT_FOUND);
  EXPECT_EQ(image.LoadFile(nullptr), IMG_NULL_POINTER);
  fs::remove(empty);
  fs::remove(fs::temp_directory_path() / "pavlemir-cimg-full.bmp");
}

TEST(ImgPixels, BorrowedPixelsSurviveDestroyAndReallocation) {
  std::vector<uint32_t> mine(6, 0x123456);
  {
    CImg image;
    image.BorrowPixels(mine.data(), 3, 2, 3);
    image.Destroy();
    EXPECT_EQ(image.m_pixels, nullptr);
  }
  {
    CImg image;
    image.BorrowPixels(mine.data(), 3, 2, 3);
    ASSERT_NE(image.AllocatePixels(2, 2), nullptr);
    EXPECT_EQ(image.m_borrowedPixels, 0u);
    EXPECT_NE(image.m_pixels, mine.data());
  }
  EXPECT_EQ(mine, std::vector<uint32_t>(6, 0x123456));
}

TEST(ImgPixels, SizeLimits) {
  EXPECT_EQ(CheckImgSize(1, 1), IMG_OK);
  EXPECT_EQ(CheckImgSize(0, 5), IMG_INCORRECT_FORMAT);
  EXPECT_EQ(CheckImgSize(5, 0), IMG_INCORRECT_FORMAT);
  EXPECT_EQ(CheckImgSize(kImgMaxSide + 1, 1), IMG_OUT_OF_RANGE);
  EXPECT_EQ(CheckImgSize(kImgMaxSide, kImgMaxSide), IMG_OUT_OF_RANGE);
  EXPECT_EQ(CheckImgSize(uint64_t{1} << 40, uint64_t{1} << 40), IMG_OUT_OF_RANGE);
  CImg image;
  EXPECT_EQ(image.AllocatePixels(kImgMaxSide + 1, 1), nullptr);
  EXPECT_EQ(image.m_width, 0u);
}

TEST(ImgDecode, TypesWithoutADecoderAnswer10AndTouchNothing) {
  const std::vector<uint8_t> bmp = MakeBmp(MakeTestPicture(2, 2, 1));
  for (const uint8_t type :
       std::vector<uint8_t>{IMG_TYPE_UNKNOWN, IMG_TYPE_FIX, IMG_TYPE_FFC, 200}) {
    CImg image;
    EXPECT_EQ(DecodeBytes(image, type, bmp), IMG_UNKNOWN_FILE_TYPE);
    EXPECT_EQ(image.m_pixels, nullptr);
    EXPECT_EQ(image.m_width, 0u);
    EXPECT_EQ(image.m_dataSize, bmp.size());
  }
}

TEST(ImgDecode, DispatchesByTypeAndKeepsTheFileBytes) {
  const TestPicture picture = MakeTestPicture(3, 2, 7);
  CImg image;
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_BMP, MakeBmp(picture)), IMG_OK);
  EXPECT_EQ(DecodedPixels(image), picture.pixels);
  EXPECT_NE(image.m_data, nullptr);
  // The same bytes read as another type go to that type's decoder, which refuses them.
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_IFF, MakeBmp(picture)), IMG_INCORRECT_FORMAT);
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_TGA, MakeBmp(picture)), IMG_UNSUPPORTED_BPP);
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_IFF, MakeIlbm(picture)), IMG_OK);
  EXPECT_EQ(DecodedPixels(image), picture.pixels);
  EXPECT_EQ(DecodeBytes(image, IMG_TYPE_TGA, MakeTga(picture)), IMG_OK);
  EXPECT_EQ(DecodedPixels(image), picture.pixels);
}

TEST(ImgDecode, UnboundLoaderAndCodec) {
  EXPECT_EQ(CImgLoader(nullptr).Decode(), IMG_NO_INSTANCE);
  CBmpDecoder decoder;
  EXPECT_EQ(decoder.Decode(), IMG_NO_INSTANCE);
  CImg image;
  EXPECT_EQ(decoder.Bind(nullptr), IMG_NO_BUFFER);
  EXPECT_EQ(decoder.Bind(&image), IMG_OK);
  EXPECT_EQ(decoder.Decode(), IMG_INCORRECT_FORMAT);
}

}  // namespace
