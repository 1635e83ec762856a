// Running the tool from the tests.
#include "ToolRun.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "support/BmpFileBuilder.h"

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

int RunToolCapturing(const fs::path& dir, const std::string& args, std::string& out,
                     std::string& err) {
  const fs::path outFile = dir / "tool-stdout", errFile = dir / "tool-stderr";
  const std::string command =
      std::string(PAVLEMIR_TOOL) + " " + args + " >" + outFile.string() + " 2>" + errFile.string();
  const int status = std::system(command.c_str());
  out = ReadText(outFile);
  err = ReadText(errFile);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void WriteBmp24File(const fs::path& path, int width, int height,
                    const std::vector<uint32_t>& pixels) {
  fs::create_directories(path.parent_path());
  BmpLayout layout;
  layout.width = width;
  layout.height = height;
  const std::vector<uint8_t> bmp = BuildBmp(layout, PackBmpRows(24, width, height, pixels));
  WriteText(path, std::string(bmp.begin(), bmp.end()));
}
