// The image record of the picture library: a file's bytes, its type and the decoded pixels.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class CImgFileSource;

// Result codes of the picture library; GetErrorText gives their texts.
enum ImgResult : int {
  IMG_OK = 0,
  IMG_FILE_NOT_FOUND = 1,
  IMG_INCORRECT_FORMAT = 2,
  IMG_UNKNOWN_VARIANT = 3,
  IMG_NO_INSTANCE = 4,
  IMG_ALREADY_LOADED = 5,
  IMG_NO_BUFFER = 6,
  IMG_CONVERSION_ERROR = 7,
  IMG_UNSUPPORTED_BPP = 8,
  IMG_EMPTY_RESULT = 9,
  IMG_UNKNOWN_FILE_TYPE = 10,
  IMG_UNDEFINED_ERROR = 11,
  IMG_NULL_POINTER = 12,
  IMG_OUT_OF_RANGE = 13,
};

// For codes 0..13 points `text` at the code's text and answers 0; otherwise answers 13 and
// leaves `text` alone.
int GetErrorText(int code, const char** text);

// File type codes, chosen from the file name's extension.
enum ImgFileType : uint8_t {
  IMG_TYPE_UNKNOWN = 0,
  IMG_TYPE_BMP = 1,
  IMG_TYPE_TGA = 2,
  IMG_TYPE_FIX = 3,
  IMG_TYPE_JPG = 5,
  IMG_TYPE_IFF = 7,
  IMG_TYPE_FFC = 13,
};

// Pixel-format descriptor; every decoder stores the 32-bit format (id 14).
struct ImgPixelFormat {
  uint32_t alphaBits = 0;
  uint32_t redBits = 0;
  uint32_t greenBits = 0;
  uint32_t blueBits = 0;
  uint8_t alphaShift = 0;
  uint8_t redShift = 0;
  uint8_t greenShift = 0;
  uint8_t blueShift = 0;
  uint8_t bitsPerPixel = 0;
  uint8_t bytesPerPixel = 0;
  uint8_t formatId = 0;
  uint8_t pad = 0;
};

inline constexpr uint8_t kImgFormat32 = 14;
ImgPixelFormat ImgFormat32();

// Decoders refuse images beyond these limits before allocating anything.
inline constexpr uint32_t kImgMaxSide = 32768;
inline constexpr uint64_t kImgMaxPixels = uint64_t{1} << 26;

// Whether a picture of this size may be allocated: 0 when it may, 2 for a zero side (no
// picture), 13 beyond the limits above.
int CheckImgSize(uint64_t width, uint64_t height);

// One picture: empty, loaded (file bytes and type) or decoded (pixels 0x00RRGGBB, m_pitch
// pixels a row, row 0 at the top). Decoders of the library fill it through AllocatePixels.
class CImg {
 public:
  CImg() = default;
  ~CImg() { Destroy(); }
  CImg(const CImg&) = delete;
  CImg& operator=(const CImg&) = delete;

  // Reads the whole file and its type; does not decode. 12 for a null path, 1 for a missing,
  // unreadable or empty file.
  int LoadFile(const char* path);
  // The same through `source`, so a member of the archive open there can be loaded by name.
  int LoadFile(const char* path, CImgFileSource& source);
  // Takes `data` as the file's bytes; the type stays as it was.
  int AttachData(std::unique_ptr<uint8_t[]> data, uint32_t size);
  // Frees the file name, the pixels (unless borrowed) and the file bytes.
  void Destroy();

  // Replaces the pixel buffer by a new one of width x height pixels (pitch = width), sets the
  // size and the 32-bit format. Null, with nothing changed, when the size is zero or beyond the
  // limits above or memory runs out.
  uint32_t* AllocatePixels(uint32_t width, uint32_t height);
  // Uses someone else's pixels; they are not freed by this image.
  void BorrowPixels(uint32_t* pixels, uint32_t width, uint32_t height, int32_t pitch);
  // Makes `pixels` (owned from now on) the picture, replacing the current buffer.
  void TakePixels(std::unique_ptr<uint32_t[]> pixels, uint32_t width, uint32_t height,
                  int32_t pitch);

  // Pixel operations (CImgPixelOps.cpp). All but Clone answer 6 without pixels, 8 for a format
  // other than id 14, 13 for a pitch below the width and 6 when memory for a new buffer runs
  // out, and leave the image as it was on any failure. Flip, Resize and Crop replace the pixel
  // buffer by a new one the image owns.

  // Flag 0 turns the picture upside down, any other flag mirrors it left to right.
  int Flip(int flag);
  // Nearest-neighbour scaling to width x height pixels with `pitch` pixels a row; 13 for a zero
  // side, a pitch below the width or a size beyond the limits.
  int Resize(uint32_t width, uint32_t height, int32_t pitch);
  // Keeps the pixels left <= x < right, top <= y < bottom: 9 for an empty rectangle, 13 for one
  // reaching outside the picture.
  int Crop(int32_t left, int32_t top, int32_t right, int32_t bottom);
  // Exchanges the red and blue bytes of every pixel, in place.
  int SwapRedBlue();
  // A deep copy owning its own file name, pixels and file bytes; null when memory runs out or
  // the pixels cannot be copied (a pitch below the width).
  std::unique_ptr<CImg> Clone() const;

  uint32_t m_dataSize = 0;
  std::unique_ptr<uint8_t[]> m_data;
  uint8_t m_type = IMG_TYPE_UNKNOWN;
  std::string m_fileName;
  uint32_t m_width = 0;
  uint32_t m_height = 0;
  int32_t m_pitch = 0;
  ImgPixelFormat m_format;
  uint32_t* m_pixels = nullptr;
  uint32_t m_borrowedPixels = 0;

 private:
  // The checks common to Flip, Resize, Crop and SwapRedBlue.
  int CheckPixels() const;

  std::unique_ptr<uint32_t[]> m_ownedPixels;
};
