// ILBM decoding: the chunk walk, ByteRun1 plane rows and composing pixels from bit planes.
#include "image/CIffDecoder.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "image/ImgBytes.h"

namespace {

constexpr uint8_t kMinPlanes = 16;
constexpr uint8_t kColourPlanes = 24;
constexpr uint8_t kMaskingHasMask = 1;
constexpr uint8_t kCompressionNone = 0;
constexpr uint8_t kCompressionByteRun1 = 1;
constexpr std::size_t kBitmapHeaderSize = 11;

struct BitmapHeader {
  uint16_t width = 0;
  uint16_t height = 0;
  uint8_t planes = 0;
  uint8_t masking = 0;
  uint8_t compression = 0;
};

bool IdIs(const uint8_t* id, const char* text) {
  return std::memcmp(id, text, 4) == 0;
}

// Position just after the first "ILBM" at or after offset 4, or 0 when there is none.
std::size_t FindFormType(const ImgBytes& bytes) {
  for (std::size_t at = 4; bytes.Has(at, 4); ++at) {
    if (IdIs(bytes.At(at, 4), "ILBM")) return at + 4;
  }
  return 0;
}

// One ByteRun1 plane row of `length` bytes; a run reaching past the row is cut at its end.
bool ReadByteRun1(ImgByteCursor& in, uint8_t* out, std::size_t length) {
  std::size_t produced = 0;
  while (produced < length) {
    const uint8_t* control = in.Take(1);
    if (!control) return false;
    if (*control < 128) {
      const std::size_t count = *control + 1u;
      const uint8_t* literal = in.Take(count);
      if (!literal) return false;
      const std::size_t kept = std::min(count, length - produced);
      std::memcpy(out + produced, literal, kept);
      produced += kept;
    } else if (*control > 128) {
      const uint8_t* value = in.Take(1);
      if (!value) return false;
      const std::size_t kept = std::min<std::size_t>(257u - *control, length - produced);
      std::memset(out + produced, *value, kept);
      produced += kept;
    }
  }
  return true;
}

bool ReadPlaneRow(ImgByteCursor& in, bool compressed, uint8_t* out, std::size_t length) {
  if (compressed) return ReadByteRun1(in, out, length);
  const uint8_t* p = in.Take(length);
  if (!p) return false;
  std::memcpy(out, p, length);
  return true;
}

// Plane j gives bit j of the plane value; planes 0-7 are red, 8-15 green, 16-23 blue, so the
// value's low and high bytes change places to make 0x00RRGGBB.
void ComposeRow(const uint8_t* planeRows, std::size_t rowBytes, uint32_t width, uint32_t* out) {
  std::fill_n(out, width, 0u);
  for (uint32_t plane = 0; plane < kColourPlanes; ++plane) {
    const uint32_t shift = plane < 8 ? plane + 16 : plane < 16 ? plane : plane - 16;
    const uint8_t* row = planeRows + plane * rowBytes;
    for (uint32_t x = 0; x < width; ++x) {
      out[x] |= static_cast<uint32_t>((row[x >> 3] >> (7 - (x & 7))) & 1) << shift;
    }
  }
}

// The fewest BODY bytes that can hold `rows` plane rows: each row raw, or one two-byte repeat
// run for every 128 bytes of it. Checked before allocating, so a short file cannot claim a large
// buffer.
std::size_t MinimumBodySize(std::size_t rowBytes, std::size_t rows, bool compressed) {
  return rows * (compressed ? (rowBytes + 127) / 128 * 2 : rowBytes);
}

int DecodeBody(ImgByteCursor& in, const BitmapHeader& header, CImg* image) {
  if (header.planes != kColourPlanes) return IMG_UNSUPPORTED_BPP;
  if (header.compression != kCompressionNone && header.compression != kCompressionByteRun1) {
    return IMG_UNKNOWN_VARIANT;
  }
  if (const int sizeCheck = CheckImgSize(header.width, header.height)) return sizeCheck;
  const std::size_t rowBytes = (header.width + 15u) / 16u * 2u;
  const std::size_t planesPerRow = kColourPlanes + (header.masking == kMaskingHasMask ? 1 : 0);
  const bool compressed = header.compression == kCompressionByteRun1;
  if (in.Remaining() < MinimumBodySize(rowBytes, planesPerRow * header.height, compressed))
    return IMG_INCORRECT_FORMAT;
  if (!image->AllocatePixels(header.width, header.height)) return IMG_NO_BUFFER;

  std::unique_ptr<uint8_t[]> planeRows(new (std::nothrow) uint8_t[planesPerRow * rowBytes]);
  if (!planeRows) return IMG_NO_BUFFER;
  for (uint32_t y = 0; y < header.height; ++y) {
    for (std::size_t plane = 0; plane < planesPerRow; ++plane) {
      if (!ReadPlaneRow(in, compressed, planeRows.get() + plane * rowBytes, rowBytes)) {
        return IMG_INCORRECT_FORMAT;
      }
    }
    ComposeRow(planeRows.get(), rowBytes, header.width,
               image->m_pixels + std::size_t{y} * header.width);
  }
  return IMG_OK;
}

}  // namespace

int CIffDecoder::Decode() {
  if (!m_image) return IMG_NO_INSTANCE;
  const ImgBytes bytes(m_image->m_data.get(), m_image->m_dataSize);
  const uint8_t* form = bytes.At(0, 4);
  if (!form || !IdIs(form, "FORM")) return IMG_INCORRECT_FORMAT;
  std::size_t position = FindFormType(bytes);
  if (position == 0) return IMG_INCORRECT_FORMAT;

  BitmapHeader header;
  bool haveHeader = false;
  bool havePicture = false;
  while (bytes.Has(position, 8)) {
    const uint8_t* id = bytes.At(position, 4);
    const uint32_t length = *bytes.U32Be(position + 4);
    const std::size_t start = position + 8;
    if (IdIs(id, "BMHD")) {
      const uint8_t* h = length >= kBitmapHeaderSize ? bytes.At(start, kBitmapHeaderSize) : nullptr;
      if (!h) return IMG_INCORRECT_FORMAT;
      header = {static_cast<uint16_t>(h[0] << 8 | h[1]), static_cast<uint16_t>(h[2] << 8 | h[3]),
                h[8], h[9], h[10]};
      if (header.planes < kMinPlanes) return IMG_UNSUPPORTED_BPP;
      haveHeader = true;
    } else if (IdIs(id, "BODY")) {
      if (!haveHeader) return IMG_INCORRECT_FORMAT;
      ImgByteCursor body(bytes, start, start + length);
      if (const int result = DecodeBody(body, header, m_image)) return result;
      havePicture = true;
    }
    // Chunks of odd length carry one pad byte.
    position = start + length + (length & 1);
  }
  return havePicture ? IMG_OK : IMG_INCORRECT_FORMAT;
}
