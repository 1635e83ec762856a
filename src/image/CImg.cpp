// The image record: loading file bytes, owning or borrowing pixels, and the result texts.
#include "image/CImg.h"

#include <array>
#include <new>

#include "image/CImgFileSource.h"
#include "image/CImgLoader.h"

namespace {

constexpr std::array<const char*, 14> kErrorTexts = {
    "No error",
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
    "Parameter is out of range",
};

}  // namespace

int GetErrorText(int code, const char** text) {
  if (code < 0 || code >= static_cast<int>(kErrorTexts.size())) return IMG_OUT_OF_RANGE;
  if (text) *text = kErrorTexts[static_cast<std::size_t>(code)];
  return IMG_OK;
}

ImgPixelFormat ImgFormat32() {
  ImgPixelFormat f;
  f.alphaBits = f.redBits = f.greenBits = f.blueBits = 8;
  f.bitsPerPixel = 32;
  f.bytesPerPixel = 4;
  f.formatId = kImgFormat32;
  return f;
}

int CImg::LoadFile(const char* path) {
  CImgFileSource source;
  return LoadFile(path, source);
}

int CImg::LoadFile(const char* path, CImgFileSource& source) {
  m_data.reset();
  m_dataSize = 0;
  if (!path) return IMG_NULL_POINTER;
  const uint32_t size = source.GetSize(path);
  if (size == 0) return IMG_FILE_NOT_FOUND;
  std::unique_ptr<uint8_t[]> data = source.ReadFile(path);
  if (!data) return IMG_FILE_NOT_FOUND;
  m_data = std::move(data);
  m_dataSize = size;
  m_fileName = path;
  CImgLoader(this).DetectType(path);
  return IMG_OK;
}

int CImg::AttachData(std::unique_ptr<uint8_t[]> data, uint32_t size) {
  m_data = std::move(data);
  m_dataSize = m_data ? size : 0;
  return IMG_OK;
}

void CImg::Destroy() {
  m_fileName.clear();
  if (m_borrowedPixels) {
    m_ownedPixels.release();
  } else {
    m_ownedPixels.reset();
  }
  m_pixels = nullptr;
  m_data.reset();
  m_dataSize = 0;
}

int CheckImgSize(uint64_t width, uint64_t height) {
  if (width == 0 || height == 0) return IMG_INCORRECT_FORMAT;
  if (width > kImgMaxSide || height > kImgMaxSide || width * height > kImgMaxPixels) {
    return IMG_OUT_OF_RANGE;
  }
  return IMG_OK;
}

uint32_t* CImg::AllocatePixels(uint32_t width, uint32_t height) {
  if (CheckImgSize(width, height) != IMG_OK) return nullptr;
  std::unique_ptr<uint32_t[]> pixels(new (std::nothrow) uint32_t[std::size_t{width} * height]);
  if (!pixels) return nullptr;
  TakePixels(std::move(pixels), width, height, static_cast<int32_t>(width));
  return m_pixels;
}

void CImg::TakePixels(std::unique_ptr<uint32_t[]> pixels, uint32_t width, uint32_t height,
                      int32_t pitch) {
  if (m_borrowedPixels) m_ownedPixels.release();
  m_ownedPixels = std::move(pixels);
  m_pixels = m_ownedPixels.get();
  m_borrowedPixels = 0;
  m_width = width;
  m_height = height;
  m_pitch = pitch;
  m_format = ImgFormat32();
}

void CImg::BorrowPixels(uint32_t* pixels, uint32_t width, uint32_t height, int32_t pitch) {
  if (m_borrowedPixels) m_ownedPixels.release();
  m_ownedPixels.reset();
  m_pixels = pixels;
  m_borrowedPixels = 1;
  m_width = width;
  m_height = height;
  m_pitch = pitch;
  m_format = ImgFormat32();
}
