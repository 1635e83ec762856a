// Reading whole runs of bytes from memory and from open files.
#include "image/DibByteSource.h"

#include <cstring>
#include <limits>

bool DibMemorySource::Read(uint8_t* out, std::size_t count) {
  if (count > Remaining()) return false;
  if (count > 0) std::memcpy(out, m_bytes.data() + m_position, count);
  m_position += count;
  return true;
}

bool DibMemorySource::Seek(uint64_t position) {
  if (position > m_bytes.size()) return false;
  m_position = position;
  return true;
}

DibFileSource::DibFileSource(std::FILE* file) : m_file(file) {
  if (!m_file) return;
  const long start = std::ftell(m_file);
  if (start < 0 || std::fseek(m_file, 0, SEEK_END) != 0) return;
  const long end = std::ftell(m_file);
  if (std::fseek(m_file, start, SEEK_SET) != 0) return;
  if (end >= 0) m_size = static_cast<uint64_t>(end);
}

bool DibFileSource::Read(uint8_t* out, std::size_t count) {
  if (!m_file || count > Remaining()) return false;
  return std::fread(out, 1, count, m_file) == count;
}

bool DibFileSource::Seek(uint64_t position) {
  if (!m_file || position > m_size ||
      position > static_cast<uint64_t>(std::numeric_limits<long>::max())) {
    return false;
  }
  return std::fseek(m_file, static_cast<long>(position), SEEK_SET) == 0;
}

uint64_t DibFileSource::Tell() const {
  if (!m_file) return 0;
  const long at = std::ftell(m_file);
  return at < 0 ? 0 : static_cast<uint64_t>(at);
}
