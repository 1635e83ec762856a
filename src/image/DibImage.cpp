// Reading, creating and drawing device-independent bitmaps.
#include "image/DibImage.h"

#include <array>
#include <new>

#include "image/DibBits.h"

namespace {

// The 16 standard colours of a blank 4- or 8-bit bitmap, as colour-table words.
constexpr std::array<uint32_t, 16> kStandardColours = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

uint32_t PaletteColour(const DibPaletteEntry& entry) {
  return uint32_t{entry.red} << 16 | uint32_t{entry.green} << 8 | entry.blue;
}

}  // namespace

bool CDibImage::Contains(int x, int y) const {
  return x >= 0 && y >= 0 && x < Width() && y < Height();
}

void CDibImage::Clear() {
  m_headers = DibHeaders{};
  m_bits.clear();
  m_palette.reset();
  m_tableHoldsIndices = false;
  m_paletteMode = 0;
}

bool CDibImage::CreateBlank(int width, int height, int bitCount, int paletteMode) {
  Clear();
  if (width <= 0 || height <= 0 || bitCount <= 0 || !IsDibBitCount(bitCount) ||
      !IsDibSizeAllowed(width, height)) {
    return false;
  }
  try {
    DibHeaders headers;
    headers.info.width = width;
    headers.info.height = height;
    headers.info.bitCount = static_cast<uint16_t>(bitCount);
    headers.width = static_cast<uint32_t>(width);
    headers.height = static_cast<uint32_t>(height);
    headers.rowSize = DibRowSize(headers.info.bitCount, headers.width);
    headers.info.sizeImage = headers.rowSize * headers.height;
    headers.masks = DibMasks::Default(headers.info.bitCount);
    if (bitCount <= 8) headers.colourTable.assign(std::size_t{1} << bitCount, 0);
    if (bitCount == 4 || bitCount == 8) {
      for (std::size_t i = 0; i < headers.colourTable.size(); ++i) {
        headers.colourTable[i] = kStandardColours[i % kStandardColours.size()];
      }
    }
    m_bits.assign(headers.info.sizeImage, 0);
    m_headers = std::move(headers);
    m_paletteMode = paletteMode >= 0 ? paletteMode : bitCount <= 8 ? 0 : 2;
    return true;
  } catch (const std::bad_alloc&) {
    Clear();
    return false;
  }
}

bool CDibImage::SetPalette(int count, const uint8_t* red, const uint8_t* green,
                           const uint8_t* blue) {
  if (count <= 0 || count > 256 || !red) return false;
  if (!green) green = red;
  if (!blue) blue = green;
  DibPalette palette;
  palette.entries.resize(static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < palette.entries.size(); ++i) {
    palette.entries[i] = {red[i], green[i], blue[i], 0};
  }
  m_palette = std::move(palette);
  ColourTableToIndices();
  return true;
}

bool CDibImage::ReadFromFile(DibByteSource& source) {
  Clear();
  try {
    DibHeaders headers;
    std::vector<uint8_t> bits;
    if (!ReadDibHeaders(source, headers) || !ReadDibBits(source, headers, bits)) return false;
    m_headers = std::move(headers);
    m_bits = std::move(bits);
    PaletteFromColourTable();
    return true;
  } catch (const std::bad_alloc&) {
    Clear();
    return false;
  }
}

// One palette entry per colour-table entry; a bitmap without a colour table gets no palette.
void CDibImage::PaletteFromColourTable() {
  if (m_headers.colourTable.empty()) return;
  DibPalette palette;
  for (uint32_t colour : m_headers.colourTable) {
    palette.entries.push_back({static_cast<uint8_t>(colour >> 16),
                               static_cast<uint8_t>(colour >> 8), static_cast<uint8_t>(colour), 0});
  }
  m_palette = std::move(palette);
  ColourTableToIndices();
}

void CDibImage::ColourTableToIndices() {
  for (std::size_t i = 0; i < m_headers.colourTable.size(); ++i) {
    m_headers.colourTable[i] = static_cast<uint32_t>(i);
  }
  m_tableHoldsIndices = true;
}

// Indices beyond the colour table, or table entries beyond the palette, draw black.
DibColourLookup CDibImage::ColourLookup() const {
  DibColourLookup colours{};
  const std::vector<uint32_t>& table = m_headers.colourTable;
  for (std::size_t i = 0; i < colours.size() && i < table.size(); ++i) {
    if (!m_tableHoldsIndices) {
      colours[i] = table[i];
    } else if (m_palette && table[i] < m_palette->entries.size()) {
      colours[i] = PaletteColour(m_palette->entries[table[i]]);
    }
  }
  return colours;
}

std::unique_ptr<DeviceBitmap> CDibImage::CreateDeviceBitmap() const {
  if (m_bits.empty()) return nullptr;
  try {
    auto bitmap = std::make_unique<DeviceBitmap>();
    if (!FillDeviceBitmap(m_headers, m_bits, ColourLookup(), *bitmap)) return nullptr;
    return bitmap;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
