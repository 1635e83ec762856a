// Reading and checking the headers of a BMP stream.
#include "image/DibHeader.h"

#include <algorithm>
#include <array>
#include <bit>

#include "image/CImg.h"

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr std::array<uint32_t, 8> kHeaderSizes = {12, 16, 40, 52, 56, 64, 108, 124};
// Longer Windows headers carry the colour masks right behind the first 40 bytes.
constexpr std::array<uint32_t, 4> kHeadersWithMasks = {52, 56, 108, 124};
constexpr uint32_t kMaxColourTable = 256;

uint16_t Le16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t Le32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

int32_t LeI32(const uint8_t* p) {
  return static_cast<int32_t>(Le32(p));
}

bool Contains(std::span<const uint32_t> values, uint32_t value) {
  return std::find(values.begin(), values.end(), value) != values.end();
}

// `raw` holds the whole header of `size` bytes.
DibInfoHeader ParseInfoHeader(const uint8_t* raw, uint32_t size) {
  DibInfoHeader info;
  if (size == kCoreHeaderSize) {
    info.width = Le16(raw + 4);
    info.height = Le16(raw + 6);
    info.planes = Le16(raw + 8);
    info.bitCount = Le16(raw + 10);
    return info;
  }
  info.width = LeI32(raw + 4);
  info.height = LeI32(raw + 8);
  info.planes = Le16(raw + 12);
  info.bitCount = Le16(raw + 14);
  if (size < kInfoHeaderSize) return info;
  info.compression = Le32(raw + 16);
  info.sizeImage = Le32(raw + 20);
  info.xPelsPerMeter = LeI32(raw + 24);
  info.yPelsPerMeter = LeI32(raw + 28);
  info.clrUsed = Le32(raw + 32);
  info.clrImportant = Le32(raw + 36);
  return info;
}

bool IsKnownLayout(uint32_t bitCount, uint32_t compression) {
  switch (compression) {
    case DIB_RGB:
      return IsDibBitCount(bitCount);
    case DIB_RLE8:
      return bitCount == 8;
    case DIB_RLE4:
      return bitCount == 4;
    case DIB_BITFIELDS:
    case DIB_ALPHABITFIELDS:
      return bitCount == 16 || bitCount == 32;
    default:
      return false;
  }
}

bool IsRle(uint32_t compression) {
  return compression == DIB_RLE8 || compression == DIB_RLE4;
}

// Width, height and row order, with the size limits applied before anything is allocated.
bool TakeGeometry(DibHeaders& headers) {
  const DibInfoHeader& info = headers.info;
  if (info.width <= 0 || info.height == 0 || info.height == INT32_MIN) return false;
  headers.width = static_cast<uint32_t>(info.width);
  headers.height = static_cast<uint32_t>(info.height < 0 ? -info.height : info.height);
  headers.topDown = info.height < 0;
  if (!IsDibSizeAllowed(headers.width, headers.height)) return false;
  // Run-length bitmaps are always stored bottom row first.
  if (headers.topDown && IsRle(info.compression)) return false;
  headers.rowSize = DibRowSize(info.bitCount, headers.width);
  return true;
}

bool TakeMasks(DibByteSource& source, const uint8_t* raw, uint32_t headerSize,
               DibHeaders& headers) {
  const DibInfoHeader& info = headers.info;
  headers.masks = DibMasks::Default(info.bitCount);
  if (info.compression != DIB_BITFIELDS && info.compression != DIB_ALPHABITFIELDS) return true;
  std::array<uint8_t, 16> behind{};
  const uint8_t* stored = raw + kInfoHeaderSize;
  if (headerSize == kInfoHeaderSize) {
    // A plain 40-byte header is followed by three masks, or four with an alpha mask.
    const std::size_t count = info.compression == DIB_ALPHABITFIELDS ? 16 : 12;
    if (!source.Read(behind.data(), count)) return false;
    stored = behind.data();
  } else if (!Contains(kHeadersWithMasks, headerSize)) {
    return false;
  }
  const auto red = DibChannel::FromMask(Le32(stored));
  const auto green = DibChannel::FromMask(Le32(stored + 4));
  const auto blue = DibChannel::FromMask(Le32(stored + 8));
  if (!red || !green || !blue) return false;
  headers.masks = {*red, *green, *blue};
  return true;
}

// Core headers have 3-byte entries (blue, green, red), all others 4-byte ones.
bool TakeColourTable(DibByteSource& source, uint32_t headerSize, DibHeaders& headers) {
  DibInfoHeader& info = headers.info;
  const uint32_t count = info.clrUsed != 0    ? info.clrUsed
                         : info.bitCount <= 8 ? 1u << info.bitCount
                                              : 0;
  if (count > kMaxColourTable) return false;
  const std::size_t entrySize = headerSize == kCoreHeaderSize ? 3 : 4;
  std::array<uint8_t, kMaxColourTable * 4> raw{};
  if (!source.Read(raw.data(), count * entrySize)) return false;
  headers.colourTable.resize(count);
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* entry = raw.data() + i * entrySize;
    headers.colourTable[i] =
        uint32_t{entry[0]} | uint32_t{entry[1]} << 8 | uint32_t{entry[2]} << 16;
  }
  if (info.clrUsed == 0 && info.bitCount <= 8) info.clrUsed = count;
  return true;
}

}  // namespace

uint32_t DibRowSize(uint32_t bitCount, uint32_t width) {
  return static_cast<uint32_t>((uint64_t{bitCount} * width + 31) / 32 * 4);
}

bool IsDibBitCount(uint32_t bitCount) {
  return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
         bitCount == 32;
}

bool IsDibSizeAllowed(uint32_t width, uint32_t height) {
  return width > 0 && height > 0 && width <= kImgMaxSide && height <= kImgMaxSide &&
         uint64_t{width} * height <= kImgMaxPixels;
}

DibMasks DibMasks::Default(uint32_t bitCount) {
  const bool wide = bitCount == 32;
  return {*DibChannel::FromMask(wide ? 0x00FF0000 : 0x7C00),
          *DibChannel::FromMask(wide ? 0x0000FF00 : 0x03E0),
          *DibChannel::FromMask(wide ? 0x000000FF : 0x001F)};
}

std::optional<DibChannel> DibChannel::FromMask(uint32_t mask) {
  DibChannel channel;
  channel.mask = mask;
  if (mask == 0) return channel;
  channel.shift = std::countr_zero(mask);
  const uint32_t run = mask >> channel.shift;
  if ((run & (run + 1)) != 0) return std::nullopt;
  channel.bits = std::popcount(run);
  return channel;
}

uint32_t DibChannel::Value8(uint32_t pixel) const {
  if (bits == 0) return 0;
  const uint32_t value = (pixel & mask) >> shift;
  if (bits >= 8) return value >> (bits - 8);
  // Repeating the bits maps the channel's largest value to 255 and 0 to 0.
  uint32_t wide = 0;
  for (int at = 8 - bits; at > -bits; at -= bits) wide |= at >= 0 ? value << at : value >> -at;
  return wide;
}

bool ReadDibHeaders(DibByteSource& source, DibHeaders& headers) {
  const uint64_t start = source.Tell();
  std::array<uint8_t, kFileHeaderSize> fileHeader{};
  if (!source.Read(fileHeader.data(), fileHeader.size())) return false;
  std::optional<uint32_t> pixelOffset;
  if (fileHeader[0] == 'B' && fileHeader[1] == 'M') {
    pixelOffset = Le32(fileHeader.data() + 10);
  } else if (!source.Seek(start)) {
    return false;
  }

  std::array<uint8_t, 124> raw{};
  if (!source.Read(raw.data(), 4)) return false;
  const uint32_t headerSize = Le32(raw.data());
  if (!Contains(kHeaderSizes, headerSize) || !source.Read(raw.data() + 4, headerSize - 4)) {
    return false;
  }
  headers = DibHeaders{};
  headers.headerSize = headerSize;
  headers.info = ParseInfoHeader(raw.data(), headerSize);
  if (!IsKnownLayout(headers.info.bitCount, headers.info.compression) || !TakeGeometry(headers) ||
      !TakeMasks(source, raw.data(), headerSize, headers)) {
    return false;
  }
  const uint64_t headersEnd = source.Tell();
  if (!TakeColourTable(source, headerSize, headers)) return false;
  // A run-length bitmap's image size is the length of its code; 0 there means "up to the end".
  if (headers.info.sizeImage == 0 && !IsRle(headers.info.compression)) {
    headers.info.sizeImage = headers.rowSize * headers.height;
  }
  if (!pixelOffset) return true;
  // An offset into the headers themselves marks a corrupt file; one into the colour table is
  // honoured, as some writers store fewer entries than the bit count allows.
  const uint64_t pixels = start + *pixelOffset;
  return pixels >= headersEnd && source.Seek(pixels);
}
