// Archive input from a file (kept open) or from a copy in memory.
#include "image/FxlkInput.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <new>
#include <vector>

namespace {

// An archive file, open for as long as the archive is.
class FileInput final : public FxlkInput {
 public:
  FileInput(std::FILE* file, uint64_t size) : m_file(file), m_size(size) {}
  ~FileInput() override { std::fclose(m_file); }
  FileInput(const FileInput&) = delete;
  FileInput& operator=(const FileInput&) = delete;

  uint64_t Size() const override { return m_size; }

  bool Read(uint64_t offset, std::span<uint8_t> out) override {
    if (offset > m_size || out.size() > m_size - offset) return false;
    if (out.empty()) return true;
    if (offset > static_cast<uint64_t>(LONG_MAX)) return false;
    if (std::fseek(m_file, static_cast<long>(offset), SEEK_SET) != 0) return false;
    return std::fread(out.data(), 1, out.size(), m_file) == out.size();
  }

 private:
  std::FILE* m_file;
  uint64_t m_size;
};

// Archive bytes held in memory.
class MemoryInput final : public FxlkInput {
 public:
  explicit MemoryInput(std::span<const uint8_t> bytes) : m_bytes(bytes.begin(), bytes.end()) {}

  uint64_t Size() const override { return m_bytes.size(); }

  bool Read(uint64_t offset, std::span<uint8_t> out) override {
    if (offset > m_bytes.size() || out.size() > m_bytes.size() - offset) return false;
    std::copy_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(offset), out.size(), out.begin());
    return true;
  }

 private:
  std::vector<uint8_t> m_bytes;
};

}  // namespace

std::unique_ptr<FxlkInput> OpenFxlkFileInput(const char* path) {
  if (!path) return nullptr;
  std::FILE* file = std::fopen(path, "rb");
  if (!file) return nullptr;
  long size = -1;
  if (std::fseek(file, 0, SEEK_END) == 0) size = std::ftell(file);
  if (size < 0) {
    std::fclose(file);
    return nullptr;
  }
  std::unique_ptr<FxlkInput> input(new (std::nothrow) FileInput(file, static_cast<uint64_t>(size)));
  if (!input) std::fclose(file);
  return input;
}

std::unique_ptr<FxlkInput> MakeFxlkMemoryInput(std::span<const uint8_t> bytes) {
  return std::make_unique<MemoryInput>(bytes);
}
