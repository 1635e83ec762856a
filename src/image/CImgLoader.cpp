// Running the decoder that belongs to an image's file type.
#include "image/CImgLoader.h"

#include "image/CBmpDecoder.h"
#include "image/CIffDecoder.h"
#include "image/CJpegDecoder.h"
#include "image/CTgaDecoder.h"

int CImgLoader::Decode() {
  if (!m_image) return IMG_NO_INSTANCE;
  switch (m_image->m_type) {
    case IMG_TYPE_BMP:
      return CBmpDecoder(m_image).Decode();
    case IMG_TYPE_TGA:
      return CTgaDecoder(m_image).Decode();
    case IMG_TYPE_JPG:
      return CJpegDecoder(m_image).Decode();
    case IMG_TYPE_IFF:
      return CIffDecoder(m_image).Decode();
    default:
      return IMG_UNKNOWN_FILE_TYPE;
  }
}
