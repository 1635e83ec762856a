// BMP decoding: header fields, then bottom-up (or top-down) rows of blue, green, red bytes.
#include "image/CBmpDecoder.h"

#include <cstdlib>

#include "image/ImgBytes.h"

namespace {

constexpr uint32_t kInfoHeaderSize = 40;

struct BmpHeader {
  uint32_t width = 0;
  uint32_t height = 0;
  bool topDown = false;
  uint16_t bitCount = 0;
  uint32_t compression = 0;
};

// The 12-byte core header has 16-bit fields; the info header and all its longer successors
// start with the same 32-bit fields, a negative height marking rows stored top row first.
bool ReadHeader(const ImgBytes& bytes, BmpHeader* header) {
  const auto headerSize = bytes.U32Le(14);
  if (!headerSize) return false;
  if (*headerSize < kInfoHeaderSize) {
    const auto width = bytes.U16Le(18);
    const auto height = bytes.U16Le(20);
    const auto bitCount = bytes.U16Le(24);
    if (!width || !height || !bitCount) return false;
    header->width = *width;
    header->height = *height;
    header->bitCount = *bitCount;
    return true;
  }
  const auto width = bytes.U32Le(18);
  const auto height = bytes.U32Le(22);
  const auto bitCount = bytes.U16Le(28);
  const auto compression = bytes.U32Le(30);
  if (!width || !height || !bitCount || !compression) return false;
  const auto signedWidth = static_cast<int32_t>(*width);
  const auto signedHeight = static_cast<int64_t>(static_cast<int32_t>(*height));
  if (signedWidth < 0) return false;
  header->width = static_cast<uint32_t>(signedWidth);
  header->height = static_cast<uint32_t>(std::llabs(signedHeight));
  header->topDown = signedHeight < 0;
  header->bitCount = *bitCount;
  header->compression = *compression;
  return true;
}

void DecodeRows(const uint8_t* rows, std::size_t stride, const BmpHeader& header, CImg* image) {
  for (uint32_t fileRow = 0; fileRow < header.height; ++fileRow) {
    const uint32_t y = header.topDown ? fileRow : header.height - 1 - fileRow;
    const uint8_t* src = rows + fileRow * stride;
    uint32_t* dst = image->m_pixels + std::size_t{y} * header.width;
    for (uint32_t x = 0; x < header.width; ++x, src += 3) {
      dst[x] = static_cast<uint32_t>(src[2]) << 16 | static_cast<uint32_t>(src[1]) << 8 | src[0];
    }
  }
}

}  // namespace

int CBmpDecoder::Decode() {
  if (!m_image) return IMG_NO_INSTANCE;
  const ImgBytes bytes(m_image->m_data.get(), m_image->m_dataSize);
  if (bytes.Size() < 16) return IMG_INCORRECT_FORMAT;
  const uint8_t* signature = bytes.At(0, 2);
  if (signature[0] != 'B' || signature[1] != 'M') return IMG_INCORRECT_FORMAT;
  const uint32_t dataOffset = *bytes.U32Le(10);
  BmpHeader header;
  if (!ReadHeader(bytes, &header)) return IMG_INCORRECT_FORMAT;

  if (const int sizeCheck = CheckImgSize(header.width, header.height)) return sizeCheck;
  // Rows are padded to whole 32-bit words; the last row's padding may be missing. Missing rows
  // are found before allocating, so a short file cannot claim a large buffer.
  const bool supported = header.bitCount == 24 && header.compression == 0;
  const std::size_t rowBytes = std::size_t{header.width} * 3;
  const std::size_t stride = (rowBytes + 3) & ~std::size_t{3};
  const uint8_t* rows = bytes.At(dataOffset, stride * (header.height - 1) + rowBytes);
  if (supported && !rows) return IMG_INCORRECT_FORMAT;
  if (!m_image->AllocatePixels(header.width, header.height)) return IMG_NO_BUFFER;
  if (!supported) return IMG_UNKNOWN_VARIANT;
  DecodeRows(rows, stride, header, m_image);
  return IMG_OK;
}
