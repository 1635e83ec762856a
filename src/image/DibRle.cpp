// Run-length decoding of 8-bit and 4-bit bitmaps.
#include "image/DibRle.h"

#include <algorithm>
#include <array>

#include "image/DibHeader.h"

namespace {

// The rows being filled and the pen position; writes outside the bitmap are dropped.
class RleCanvas {
 public:
  RleCanvas(std::span<uint8_t> rows, uint32_t width, uint32_t height, uint32_t rowSize,
            bool nibbles)
      : m_rows(rows), m_width(width), m_height(height), m_rowSize(rowSize), m_nibbles(nibbles) {}

  bool Done() const { return m_y >= m_height; }

  void Put(uint8_t index) {
    if (m_x < m_width && m_y < m_height) {
      const std::size_t row = static_cast<std::size_t>(m_y) * m_rowSize;
      if (m_nibbles) {
        uint8_t& pair = m_rows[row + m_x / 2];
        pair = m_x % 2 == 0 ? static_cast<uint8_t>((pair & 0x0F) | index << 4)
                            : static_cast<uint8_t>((pair & 0xF0) | (index & 0x0F));
      } else {
        m_rows[row + m_x] = index;
      }
    }
    ++m_x;
  }

  void EndLine() {
    m_x = 0;
    ++m_y;
  }

  void Move(uint8_t right, uint8_t up) {
    m_x += right;
    m_y += up;
  }

 private:
  std::span<uint8_t> m_rows;
  uint64_t m_width;
  uint64_t m_height;
  std::size_t m_rowSize;
  bool m_nibbles;
  uint64_t m_x = 0;
  uint64_t m_y = 0;
};

// Reads the code forward through a small buffer, so that code of any length needs no more
// memory than the rows it fills.
class RleCode {
 public:
  RleCode(DibByteSource& source, uint64_t length) : m_source(source), m_left(length) {}

  bool Next(uint8_t& byte) {
    if (m_at == m_filled && !Refill()) return false;
    byte = m_buffer[m_at++];
    ++m_taken;
    return true;
  }

  // Literal runs are padded to a whole 16-bit word.
  void AlignToWord() {
    uint8_t pad = 0;
    if (m_taken % 2 != 0) Next(pad);
  }

 private:
  bool Refill() {
    const auto count = static_cast<std::size_t>(std::min<uint64_t>(m_buffer.size(), m_left));
    if (count == 0 || !m_source.Read(m_buffer.data(), count)) return false;
    m_left -= count;
    m_filled = count;
    m_at = 0;
    return true;
  }

  DibByteSource& m_source;
  uint64_t m_left;
  std::array<uint8_t, 4096> m_buffer{};
  std::size_t m_filled = 0;
  std::size_t m_at = 0;
  uint64_t m_taken = 0;
};

// `count` pixels stored literally: one a byte, or two a byte for RLE4 (high nibble first).
bool PutAbsolute(RleCode& code, RleCanvas& canvas, uint8_t count, bool nibbles) {
  uint8_t byte = 0;
  for (uint8_t i = 0; i < count; ++i) {
    if (nibbles && i % 2 == 1) {
      canvas.Put(byte & 0x0F);
      continue;
    }
    if (!code.Next(byte)) return false;
    canvas.Put(nibbles ? static_cast<uint8_t>(byte >> 4) : byte);
  }
  code.AlignToWord();
  return true;
}

// Runs repeat one byte: the same index for RLE8, the byte's two nibbles in turn for RLE4.
void PutRun(RleCanvas& canvas, uint8_t count, uint8_t value, bool nibbles) {
  for (uint8_t i = 0; i < count; ++i) {
    if (!nibbles) {
      canvas.Put(value);
    } else {
      canvas.Put(i % 2 == 0 ? static_cast<uint8_t>(value >> 4) : value & 0x0F);
    }
  }
}

}  // namespace

void ExpandDibRle(DibByteSource& code, uint64_t length, uint32_t compression, uint32_t width,
                  uint32_t height, uint32_t rowSize, std::span<uint8_t> rows) {
  if (rows.size() < static_cast<std::size_t>(rowSize) * height) return;
  const bool nibbles = compression == DIB_RLE4;
  RleCanvas canvas(rows, width, height, rowSize, nibbles);
  RleCode reader(code, length);
  uint8_t count = 0;
  uint8_t value = 0;
  while (!canvas.Done() && reader.Next(count) && reader.Next(value)) {
    if (count > 0) {
      PutRun(canvas, count, value, nibbles);
      continue;
    }
    switch (value) {
      case 0:
        canvas.EndLine();
        break;
      case 1:
        return;
      case 2: {
        uint8_t right = 0;
        uint8_t up = 0;
        if (!reader.Next(right) || !reader.Next(up)) return;
        canvas.Move(right, up);
        break;
      }
      default:
        if (!PutAbsolute(reader, canvas, value, nibbles)) return;
    }
  }
}
