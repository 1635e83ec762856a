// Bounds-checked reading of a file image held in memory, for the picture decoders.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// A read-only view of file bytes. Every read names its offset and is checked against the size;
// a read that would pass the end answers nothing (or null) instead of touching memory.
class ImgBytes {
 public:
  ImgBytes(const uint8_t* data, std::size_t size) : m_data(data), m_size(data ? size : 0) {}

  std::size_t Size() const { return m_size; }
  // Whether `count` bytes starting at `offset` lie inside the data.
  bool Has(std::size_t offset, std::size_t count) const {
    return offset <= m_size && count <= m_size - offset;
  }
  // The `count` bytes at `offset`, or null when they do not all lie inside the data.
  const uint8_t* At(std::size_t offset, std::size_t count) const {
    return Has(offset, count) ? m_data + offset : nullptr;
  }

  std::optional<uint8_t> U8(std::size_t offset) const {
    const uint8_t* p = At(offset, 1);
    return p ? std::optional<uint8_t>(p[0]) : std::nullopt;
  }
  std::optional<uint16_t> U16Le(std::size_t offset) const {
    const uint8_t* p = At(offset, 2);
    if (!p) return std::nullopt;
    return static_cast<uint16_t>(p[0] | p[1] << 8);
  }
  std::optional<uint32_t> U32Le(std::size_t offset) const {
    const uint8_t* p = At(offset, 4);
    if (!p) return std::nullopt;
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
  }
  std::optional<uint16_t> U16Be(std::size_t offset) const {
    const uint8_t* p = At(offset, 2);
    if (!p) return std::nullopt;
    return static_cast<uint16_t>(p[0] << 8 | p[1]);
  }
  std::optional<uint32_t> U32Be(std::size_t offset) const {
    const uint8_t* p = At(offset, 4);
    if (!p) return std::nullopt;
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
           static_cast<uint32_t>(p[2]) << 8 | static_cast<uint32_t>(p[3]);
  }

 private:
  const uint8_t* m_data;
  std::size_t m_size;
};

// Reads forward through an ImgBytes range; a read past the end answers null and leaves the
// position where it was.
class ImgByteCursor {
 public:
  ImgByteCursor(const ImgBytes& bytes, std::size_t position, std::size_t end)
      : m_bytes(bytes), m_position(position), m_end(end < bytes.Size() ? end : bytes.Size()) {}

  std::size_t Position() const { return m_position; }
  // Bytes left before the end.
  std::size_t Remaining() const { return m_position < m_end ? m_end - m_position : 0; }
  // The next `count` bytes, or null when fewer remain before the end.
  const uint8_t* Take(std::size_t count) {
    if (m_position > m_end || count > m_end - m_position) return nullptr;
    const uint8_t* p = m_bytes.At(m_position, count);
    m_position += count;
    return p;
  }

 private:
  ImgBytes m_bytes;
  std::size_t m_position;
  std::size_t m_end;
};
