// Netpbm writing for the tool's picture outputs.
#include "Netpbm.h"

#include <fstream>

namespace {

bool WriteNetpbm(const std::string& path, const char* magic, int width, int height,
                 const std::vector<uint8_t>& pixels) {
  std::ofstream out(path, std::ios::binary);
  out << magic << '\n' << width << ' ' << height << "\n255\n";
  out.write(reinterpret_cast<const char*>(pixels.data()),
            static_cast<std::streamsize>(pixels.size()));
  return static_cast<bool>(out);
}

}  // namespace

bool WritePgm(const std::string& path, int width, int height, const std::vector<uint8_t>& pixels) {
  return WriteNetpbm(path, "P5", width, height, pixels);
}

bool WritePpm(const std::string& path, int width, int height, const std::vector<uint8_t>& pixels) {
  return WriteNetpbm(path, "P6", width, height, pixels);
}
