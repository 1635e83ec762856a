// Helpers for the archive and LZARI tests: sample data, scratch folders, whole-file access.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

inline std::vector<uint8_t> RandomBytes(std::size_t count, uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<uint8_t> bytes(count);
  for (uint8_t& b : bytes) b = static_cast<uint8_t>(random() >> 24);
  return bytes;
}

// Text-like data: words drawn from a small vocabulary, so it has many repeats.
inline std::vector<uint8_t> WordBytes(std::size_t count, uint32_t seed) {
  static const char* const kWords[] = {"piece ",  "edge ",    "corner ", "sky ",   "tab ",
                                       "hollow ", "picture ", "group ",  "snap\n", "box "};
  std::mt19937 random(seed);
  std::vector<uint8_t> bytes;
  while (bytes.size() < count) {
    const std::string word = kWords[random() % std::size(kWords)];
    bytes.insert(bytes.end(), word.begin(), word.end());
  }
  bytes.resize(count);
  return bytes;
}

inline std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteWholeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// The number of file descriptors this process has open.
inline int OpenDescriptorCount() {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    ++count;
  }
  return count;
}

// A fresh folder under the system's temporary folder, removed with everything in it.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::random_device seed;
    m_path = std::filesystem::temp_directory_path() /
             ("pavlemir-fxlk-" + std::to_string(seed()) + "-" + std::to_string(seed()));
    std::filesystem::create_directories(m_path);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::filesystem::path operator/(const std::string& name) const { return m_path / name; }
  const std::filesystem::path& Path() const { return m_path; }

 private:
  std::filesystem::path m_path;
};
