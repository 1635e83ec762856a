// CDibImage: a device-independent bitmap read from a BMP stream, with its colour table and
// logical palette.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "image/DibByteSource.h"
#include "image/DibDeviceBitmap.h"
#include "image/DibHeader.h"
#include "image/DibPalette.h"

// Holds the information header, the colour table and the plain pixel rows of one bitmap. Once a
// logical palette exists the colour table holds palette indices 0, 1, 2, ... and the pixels are
// drawn through the palette, so indexed bitmaps keep their true colours. Every failure is a
// false or null answer, memory exhaustion included; a failed read or creation leaves the image
// empty.
class CDibImage {
 public:
  // True when 0 <= x < width and 0 <= y < height.
  bool Contains(int x, int y) const;
  // A new bitmap of zero pixels, bottom row first, with a 40-byte header. 4- and 8-bit bitmaps
  // get the 16 standard colours, repeated to fill 256 entries for 8 bits. A palette mode below
  // 0 means 0 for up to 8 bits and 2 above.
  bool CreateBlank(int width, int height, int bitCount, int paletteMode);
  // A logical palette of `count` entries (1..256) from the channel arrays; a missing green array
  // reuses red, a missing blue array reuses green. Replaces the old palette and turns the
  // colour table into palette indices.
  bool SetPalette(int count, const uint8_t* red, const uint8_t* green, const uint8_t* blue);
  // Null when the bitmap has no palette (as bitmaps beyond 8 bits without a colour count).
  const DibPalette* Palette() const { return m_palette ? &*m_palette : nullptr; }
  // Reads a BMP stream from the source's position (with or without the 14-byte file header)
  // and makes the logical palette from its colour table.
  bool ReadFromFile(DibByteSource& source);
  // The bitmap in display pixels; null for an empty image or when memory runs out.
  std::unique_ptr<DeviceBitmap> CreateDeviceBitmap() const;

  bool IsEmpty() const { return m_bits.empty(); }
  int Width() const { return static_cast<int>(m_headers.width); }
  int Height() const { return static_cast<int>(m_headers.height); }
  int BitCount() const { return m_headers.info.bitCount; }
  int PaletteMode() const { return m_paletteMode; }
  uint32_t RowSize() const { return m_headers.rowSize; }
  bool TopDown() const { return m_headers.topDown; }
  const DibHeaders& Headers() const { return m_headers; }
  // Colours (0x00RRGGBB) as read, or palette indices once a palette exists.
  const std::vector<uint32_t>& ColourTable() const { return m_headers.colourTable; }
  bool ColourTableHoldsIndices() const { return m_tableHoldsIndices; }
  // The plain rows, RowSize() bytes each, in the stored order; null for an empty image.
  uint8_t* Bits() { return m_bits.empty() ? nullptr : m_bits.data(); }
  const uint8_t* Bits() const { return m_bits.empty() ? nullptr : m_bits.data(); }

 private:
  void Clear();
  void PaletteFromColourTable();
  void ColourTableToIndices();
  DibColourLookup ColourLookup() const;

  DibHeaders m_headers;
  std::vector<uint8_t> m_bits;
  std::optional<DibPalette> m_palette;
  bool m_tableHoldsIndices = false;
  int m_paletteMode = 0;
};
