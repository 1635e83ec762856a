// JPEG decoding of an image's file bytes.
#include "image/CJpegDecoder.h"

#include "image/JpegCodec.h"

int CJpegDecoder::Decode() {
  if (!m_image) return IMG_NO_INSTANCE;
  JpegPicture picture;
  const int answer = ReadJpeg(m_image->m_data.get(), m_image->m_dataSize, &picture);
  if (answer != IMG_OK) return answer;
  m_image->TakePixels(std::move(picture.pixels), picture.width, picture.height,
                      static_cast<int32_t>(picture.width));
  return IMG_OK;
}
