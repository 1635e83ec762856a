// CPictureFile: the front of the device-bitmap reader, choosing a decoder by file type.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string_view>

#include "image/DibByteSource.h"
#include "image/DibDeviceBitmap.h"
#include "image/DibImage.h"
#include "image/DibPalette.h"

// Picture file types by extension. Only BMP has a decoder on this path.
enum PictureFileKind : int {
  PICTURE_NONE = -1,
  PICTURE_BMP = 0,
  PICTURE_JPEG = 1,
  PICTURE_GIF = 2,
  PICTURE_PNG = 4,
};

// The text after the last '.' of the path's file name; empty when there is none (no '.', or
// the name ends in '.').
std::string_view PictureFileExtension(std::string_view path);
// The type of the path's extension, compared without regard to case: "BMP" 0, "GIF" 2,
// "JPEG" and "JPG" 1, "PNG" 4; -1 for any other extension or none.
int PictureFileType(std::string_view path);

// Loads a picture through the decoder of its type and hands it out as a device-dependent
// bitmap. The decoder is kept for the next load of the same type.
class CPictureFile {
 public:
  // Reads the open file from its current position; the caller closes it afterwards. False for
  // type -1, a type without a decoder or a stream the decoder refuses.
  bool Load(std::FILE* file, int type);
  bool Load(DibByteSource& source, int type);

  int Type() const { return m_type; }
  int Width() const { return m_decoder ? m_decoder->Width() : 0; }
  int Height() const { return m_decoder ? m_decoder->Height() : 0; }
  const DibPalette* Palette() const { return m_decoder ? m_decoder->Palette() : nullptr; }
  CDibImage* Decoder() const { return m_decoder.get(); }
  const uint8_t* Bits() const { return m_decoder ? m_decoder->Bits() : nullptr; }
  // A new bitmap owned by the caller; null when nothing is loaded or memory runs out.
  std::unique_ptr<DeviceBitmap> CreateBitmap() const;

 private:
  std::unique_ptr<CDibImage> m_decoder;
  int m_type = PICTURE_NONE;
};
