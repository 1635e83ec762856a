// artgen: draws the game's numbered bitmaps, its join sound and the sample pictures from code.
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BmpWriter.h"
#include "ConnectSound.h"
#include "EmbeddedSource.h"
#include "NumberedBitmaps.h"
#include "SamplePictures.h"

namespace {

namespace fs = std::filesystem;

struct Options {
  fs::path outDir;
  std::string embedPath;
  bool pictures = false;
};

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--embed") == 0 && i + 1 < argc) {
      options.embedPath = argv[++i];
    } else if (std::strcmp(argv[i], "--pictures") == 0) {
      options.pictures = true;
    } else if (argv[i][0] != '-' && options.outDir.empty()) {
      options.outDir = argv[i];
    } else {
      return false;
    }
  }
  return !options.outDir.empty();
}

std::vector<uint32_t> PixelsOf(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  std::vector<uint32_t> pixels;
  pixels.reserve(static_cast<std::size_t>(rgb.width()) * static_cast<std::size_t>(rgb.height()));
  for (int y = 0; y < rgb.height(); ++y)
    for (int x = 0; x < rgb.width(); ++x) pixels.push_back(rgb.pixel(x, y) & 0xFFFFFFu);
  return pixels;
}

bool WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

bool WriteArt(const Options& options) {
  std::vector<EmbeddedFile> embedded;
  for (const NumberedBitmap& bitmap : DrawNumberedBitmaps()) {
    EmbeddedFile file{bitmap.id, EncodeBmp24(bitmap.image.width(), bitmap.image.height(),
                                             PixelsOf(bitmap.image))};
    const fs::path path = options.outDir / ("bitmap-" + std::to_string(bitmap.id) + ".bmp");
    if (!WriteFile(path, file.bytes)) {
      std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
      return false;
    }
    embedded.push_back(std::move(file));
  }
  if (!WriteFile(options.outDir / "Connect.wav", MakeConnectWave())) {
    std::fprintf(stderr, "artgen: cannot write Connect.wav\n");
    return false;
  }
  if (!options.embedPath.empty() && !WriteEmbeddedSource(options.embedPath, embedded)) {
    std::fprintf(stderr, "artgen: cannot write %s\n", options.embedPath.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: artgen OUTDIR [--embed FILE.cpp] [--pictures]\n");
    return 2;
  }
  // Drawing needs fonts but no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  std::error_code error;
  fs::create_directories(options.outDir, error);
  if (!WriteArt(options)) return 1;
  if (options.pictures && !WriteSamplePictures(options.outDir / "pictures")) return 1;
  return 0;
}
