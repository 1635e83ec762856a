// TGA decoding: header, raw or run-length pixels, then rows put top row first.
#include "image/CTgaDecoder.h"

#include <algorithm>

#include "image/ImgBytes.h"

namespace {

constexpr std::size_t kHeaderSize = 18;
constexpr uint8_t kTypeTrueColor = 2;
constexpr uint8_t kTypeRunLength = 10;
constexpr uint8_t kTopLeftOrigin = 0x20;

// One file pixel of `Bytes` bytes as 0x00RRGGBB; 16-bit pixels are 5-5-5 with each channel in
// the top bits of its byte, 32-bit pixels lose their alpha byte.
template <int Bytes>
uint32_t TgaPixel(const uint8_t* p) {
  if constexpr (Bytes == 2) {
    const uint32_t v = static_cast<uint32_t>(p[0] | p[1] << 8);
    return ((v >> 10) & 31) << 19 | ((v >> 5) & 31) << 11 | (v & 31) << 3;
  } else {
    return static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[0];
  }
}

template <int Bytes>
bool ReadRaw(ImgByteCursor& in, uint32_t* out, std::size_t count) {
  const uint8_t* p = in.Take(count * Bytes);
  if (!p) return false;
  for (std::size_t i = 0; i < count; ++i, p += Bytes) out[i] = TgaPixel<Bytes>(p);
  return true;
}

// Packets until `count` pixels are written; a packet reaching past the end is cut there.
template <int Bytes>
bool ReadRunLength(ImgByteCursor& in, uint32_t* out, std::size_t count) {
  std::size_t written = 0;
  while (written < count) {
    const uint8_t* header = in.Take(1);
    if (!header) return false;
    const bool run = *header >= 128;
    const std::size_t length =
        std::min<std::size_t>(run ? *header - 127u : *header + 1u, count - written);
    if (run) {
      const uint8_t* p = in.Take(Bytes);
      if (!p) return false;
      std::fill_n(out + written, length, TgaPixel<Bytes>(p));
    } else if (!ReadRaw<Bytes>(in, out + written, length)) {
      return false;
    }
    written += length;
  }
  return true;
}

template <int Bytes>
bool ReadPixels(ImgByteCursor& in, bool runLength, uint32_t* out, std::size_t count) {
  return runLength ? ReadRunLength<Bytes>(in, out, count) : ReadRaw<Bytes>(in, out, count);
}

void ReverseRows(CImg* image) {
  uint32_t* top = image->m_pixels;
  uint32_t* bottom = image->m_pixels + std::size_t{image->m_height - 1} * image->m_width;
  for (; top < bottom; top += image->m_width, bottom -= image->m_width) {
    std::swap_ranges(top, top + image->m_width, bottom);
  }
}

// Offset of the pixel data: after the header, the ID field and the colour map, if any.
std::size_t PixelDataOffset(const ImgBytes& bytes) {
  const uint8_t* h = bytes.At(0, kHeaderSize);
  std::size_t offset = kHeaderSize + h[0];
  if (h[1] != 0) {
    const std::size_t entries = static_cast<std::size_t>(h[5] | h[6] << 8);
    offset += entries * ((h[7] + 7u) / 8u);
  }
  return offset;
}

// Whether the data after `offset` is long enough for `count` pixels: all of them raw, or one
// shortest packet (header and one pixel) for every 128 of them run-length encoded. Checked
// before allocating, so a short file cannot claim a large buffer.
bool MayHoldPixels(const ImgBytes& bytes, std::size_t offset, std::size_t count,
                   std::size_t pixelBytes, bool runLength) {
  const std::size_t needed =
      runLength ? (count + 127) / 128 * (1 + pixelBytes) : count * pixelBytes;
  return bytes.Has(offset, needed);
}

}  // namespace

int CTgaDecoder::Decode() {
  if (!m_image) return IMG_NO_INSTANCE;
  const ImgBytes bytes(m_image->m_data.get(), m_image->m_dataSize);
  if (bytes.Size() < 20) return IMG_INCORRECT_FORMAT;
  const uint8_t imageType = *bytes.U8(2);
  const uint16_t width = *bytes.U16Le(12);
  const uint16_t height = *bytes.U16Le(14);
  const uint8_t depth = *bytes.U8(16);
  const uint8_t descriptor = *bytes.U8(17);
  if (depth != 16 && depth != 24 && depth != 32) return IMG_UNSUPPORTED_BPP;

  if (const int sizeCheck = CheckImgSize(width, height)) return sizeCheck;
  const bool supported = imageType == kTypeTrueColor || imageType == kTypeRunLength;
  const bool runLength = imageType == kTypeRunLength;
  const std::size_t count = std::size_t{width} * height;
  const std::size_t offset = PixelDataOffset(bytes);
  if (supported && !MayHoldPixels(bytes, offset, count, depth / 8u, runLength))
    return IMG_INCORRECT_FORMAT;
  if (!m_image->AllocatePixels(width, height)) return IMG_NO_BUFFER;
  if (!supported) return IMG_UNKNOWN_VARIANT;

  ImgByteCursor in(bytes, offset, bytes.Size());
  bool ok = false;
  switch (depth) {
    case 16:
      ok = ReadPixels<2>(in, runLength, m_image->m_pixels, count);
      break;
    case 24:
      ok = ReadPixels<3>(in, runLength, m_image->m_pixels, count);
      break;
    default:
      ok = ReadPixels<4>(in, runLength, m_image->m_pixels, count);
      break;
  }
  if (!ok) return IMG_INCORRECT_FORMAT;
  // The file's first row is the bottom row unless the descriptor says top-left origin.
  if (!(descriptor & kTopLeftOrigin)) ReverseRows(m_image);
  return IMG_OK;
}
