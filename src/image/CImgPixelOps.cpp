// Pixel operations on a decoded image: flip, resize, crop, red-blue exchange and deep copy.
#include <algorithm>
#include <cstring>
#include <new>

#include "image/CImg.h"

namespace {

// A zeroed buffer of `count` words, or null when memory runs out.
std::unique_ptr<uint32_t[]> NewPixels(std::size_t count) {
  return std::unique_ptr<uint32_t[]>(new (std::nothrow) uint32_t[count]());
}

}  // namespace

int CImg::CheckPixels() const {
  if (!m_pixels) return IMG_NO_BUFFER;
  if (m_format.formatId != kImgFormat32) return IMG_UNSUPPORTED_BPP;
  if (m_pitch < 0 || static_cast<uint32_t>(m_pitch) < m_width) return IMG_OUT_OF_RANGE;
  return IMG_OK;
}

int CImg::Flip(int flag) {
  if (const int check = CheckPixels()) return check;
  const auto pitch = static_cast<std::size_t>(m_pitch);
  std::unique_ptr<uint32_t[]> flipped = NewPixels(pitch * m_height);
  if (!flipped) return IMG_NO_BUFFER;
  for (uint32_t y = 0; y < m_height; ++y) {
    const uint32_t* src = m_pixels + y * pitch;
    if (flag == 0) {
      std::copy_n(src, m_width, flipped.get() + (m_height - 1 - y) * pitch);
    } else {
      std::reverse_copy(src, src + m_width, flipped.get() + y * pitch);
    }
  }
  TakePixels(std::move(flipped), m_width, m_height, m_pitch);
  return IMG_OK;
}

int CImg::Resize(uint32_t width, uint32_t height, int32_t pitch) {
  if (const int check = CheckPixels()) return check;
  if (width == m_width && height == m_height && pitch == static_cast<int64_t>(m_width)) {
    return IMG_OK;
  }
  if (pitch < 0 || static_cast<uint32_t>(pitch) < width || CheckImgSize(width, height) != IMG_OK ||
      CheckImgSize(static_cast<uint32_t>(pitch), height) != IMG_OK) {
    return IMG_OUT_OF_RANGE;
  }
  const auto newPitch = static_cast<std::size_t>(pitch);
  std::unique_ptr<uint32_t[]> resized = NewPixels(newPitch * height);
  if (!resized) return IMG_NO_BUFFER;
  // Steps in single precision, positions summed in extended precision: the sampling pattern
  // depends on both, so they stay as they are.
  const float stepX = static_cast<float>(m_width) / static_cast<float>(width);
  const float stepY = static_cast<float>(m_height) / static_cast<float>(height);
  long double sourceY = 0.0L;
  for (uint32_t y = 0; y < height; ++y, sourceY += stepY) {
    const auto rowY = std::min(static_cast<uint32_t>(sourceY), m_height - 1);
    const uint32_t* src = m_pixels + std::size_t{rowY} * static_cast<uint32_t>(m_pitch);
    uint32_t* dst = resized.get() + y * newPitch;
    long double sourceX = 0.0L;
    for (uint32_t x = 0; x < width; ++x, sourceX += stepX) {
      dst[x] = src[std::min(static_cast<uint32_t>(sourceX), m_width - 1)];
    }
  }
  TakePixels(std::move(resized), width, height, pitch);
  return IMG_OK;
}

int CImg::Crop(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  if (const int check = CheckPixels()) return check;
  if (left >= right || top >= bottom) return IMG_EMPTY_RESULT;
  if (left < 0 || top < 0 || static_cast<uint32_t>(right) > m_width ||
      static_cast<uint32_t>(bottom) > m_height) {
    return IMG_OUT_OF_RANGE;
  }
  const auto width = static_cast<uint32_t>(right - left);
  const auto height = static_cast<uint32_t>(bottom - top);
  std::unique_ptr<uint32_t[]> cropped = NewPixels(std::size_t{width} * height);
  if (!cropped) return IMG_NO_BUFFER;
  for (uint32_t y = 0; y < height; ++y) {
    const uint32_t* src =
        m_pixels + (std::size_t{y} + static_cast<uint32_t>(top)) * static_cast<uint32_t>(m_pitch) +
        static_cast<uint32_t>(left);
    std::copy_n(src, width, cropped.get() + std::size_t{y} * width);
  }
  TakePixels(std::move(cropped), width, height, static_cast<int32_t>(width));
  return IMG_OK;
}

int CImg::SwapRedBlue() {
  if (const int check = CheckPixels()) return check;
  for (uint32_t y = 0; y < m_height; ++y) {
    uint32_t* row = m_pixels + std::size_t{y} * static_cast<uint32_t>(m_pitch);
    for (uint32_t x = 0; x < m_width; ++x) {
      const uint32_t p = row[x];
      row[x] = (p & 0xFF00FF00u) | (p & 0xFFu) << 16 | (p >> 16 & 0xFFu);
    }
  }
  return IMG_OK;
}

std::unique_ptr<CImg> CImg::Clone() const {
  std::unique_ptr<CImg> copy(new (std::nothrow) CImg);
  if (!copy) return nullptr;
  if (m_pixels) {
    if (m_pitch < 0 || static_cast<uint32_t>(m_pitch) < m_width) return nullptr;
    const std::size_t count = static_cast<std::size_t>(m_pitch) * m_height;
    std::unique_ptr<uint32_t[]> pixels = NewPixels(count);
    if (!pixels) return nullptr;
    std::copy_n(m_pixels, count, pixels.get());
    copy->TakePixels(std::move(pixels), m_width, m_height, m_pitch);
  }
  if (m_data) {
    std::unique_ptr<uint8_t[]> data(new (std::nothrow) uint8_t[m_dataSize]);
    if (!data) return nullptr;
    std::memcpy(data.get(), m_data.get(), m_dataSize);
    copy->m_data = std::move(data);
    copy->m_dataSize = m_dataSize;
  }
  copy->m_type = m_type;
  copy->m_fileName = m_fileName;
  copy->m_width = m_width;
  copy->m_height = m_height;
  copy->m_pitch = m_pitch;
  copy->m_format = m_format;
  return copy;
}
