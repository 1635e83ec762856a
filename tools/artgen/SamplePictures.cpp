// The sample pictures for the bundled packs, with the puzzle options each is packed with.
#include "SamplePictures.h"

#include <QImage>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "BmpWriter.h"
#include "PicturePainters.h"
#include "TitleArt.h"

namespace {

namespace fs = std::filesystem;

struct SamplePicture {
  const char* pack;
  const char* name;
  QImage (*paint)(int variant);
  int variant;
  int choice;
  bool rotation;
  bool grey;
};

// Every pack mixes piece counts; Patterns has pieces to turn, Towns some grey puzzles.
const std::vector<SamplePicture>& Samples() {
  static const std::vector<SamplePicture> samples{
      {"Landscapes", "Green Valley", PaintLandscape, 0, 1, false, false},
      {"Landscapes", "Evening Hills", PaintLandscape, 1, 2, false, false},
      {"Landscapes", "Autumn Ridge", PaintLandscape, 2, 3, false, false},
      {"Landscapes", "Snowy Peaks", PaintLandscape, 3, 2, false, false},
      {"Landscapes", "Moonlit Range", PaintLandscape, 4, 4, false, false},
      {"Landscapes", "Summer Highlands", PaintLandscape, 5, 5, false, false},
      {"Patterns", "Garden Quilt", PaintPattern, 0, 1, false, false},
      {"Patterns", "Big Tiles", PaintPattern, 1, 1, true, false},
      {"Patterns", "Mosaic Floor", PaintPattern, 2, 3, false, false},
      {"Patterns", "Harlequin", PaintPattern, 3, 2, true, false},
      {"Patterns", "Market Tiles", PaintPattern, 4, 4, false, false},
      {"Patterns", "Sunday Quilt", PaintPattern, 5, 3, true, false},
      {"Towns", "Old Town Morning", PaintTown, 0, 2, false, false},
      {"Towns", "Harbour Evening", PaintTown, 1, 3, false, false},
      {"Towns", "Night Lanes", PaintTown, 2, 2, false, false},
      {"Towns", "Hill Town", PaintTown, 3, 4, false, true},
      {"Towns", "Festival Eve", PaintTown, 4, 1, false, false},
      {"Towns", "Quiet Square", PaintTown, 5, 5, false, true},
      {"Abstract", "Currents", PaintAbstract, 0, 1, false, false},
      {"Abstract", "Ember", PaintAbstract, 1, 3, false, false},
      {"Abstract", "Lagoon", PaintAbstract, 2, 2, true, false},
      {"Abstract", "Drift", PaintAbstract, 3, 4, false, true},
      {"Abstract", "Prism", PaintAbstract, 4, 5, false, false},
      {"Abstract", "Tidepool", PaintAbstract, 5, 5, false, false},
  };
  return samples;
}

std::string OptionsFolder(const SamplePicture& sample) {
  std::string folder = "choice" + std::to_string(sample.choice);
  if (sample.rotation) folder += "-rotation";
  if (sample.grey) folder += "-bw";
  return folder;
}

bool WriteImage(const QImage& image, const fs::path& path) {
  std::vector<uint32_t> pixels;
  pixels.reserve(static_cast<std::size_t>(image.width()) *
                 static_cast<std::size_t>(image.height()));
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) pixels.push_back(row[x] & 0xFFFFFFu);
  }
  if (WriteBmp24(path.string(), image.width(), image.height(), pixels)) return true;
  std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
  return false;
}

}  // namespace

bool WriteSamplePictures(const fs::path& dir) {
  std::error_code error;
  for (const SamplePicture& sample : Samples()) {
    const fs::path folder = dir / sample.pack / OptionsFolder(sample);
    fs::create_directories(folder, error);
    const QImage image = sample.paint(sample.variant).convertToFormat(QImage::Format_RGB32);
    if (!WriteImage(image, folder / (std::string(sample.name) + ".bmp"))) return false;
  }
  return WriteImage(DrawUserCover(), dir / "user-cover.bmp");
}
