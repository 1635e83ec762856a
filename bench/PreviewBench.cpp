// A 6000 x 4000 photo in the picture chooser and in Create: the preview frame shown after the
// file is selected (to stay within 300 ms), and the picture loaded and written as a puzzle.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "CPicFileDialog.h"
#include "image/JpegCodec.h"
#include "library/PuzzleFileWriter.h"
#include "puzzle/PictureLoad.h"

// After the game's headers: the application header declares a global Display type.
#include <QApplication>

namespace {

namespace fs = std::filesystem;

constexpr uint32_t kWidth = 6000;
constexpr uint32_t kHeight = 4000;

fs::path g_folder;

fs::path Photo() {
  return g_folder / "photo.jpg";
}

// Gradients with grain, saved at the quality of a camera.
bool WritePhoto() {
  std::vector<uint8_t> rgb(std::size_t{kWidth} * kHeight * 3);
  uint32_t noise = 777;
  for (uint32_t y = 0; y < kHeight; ++y) {
    for (uint32_t x = 0; x < kWidth; ++x) {
      noise = noise * 1103515245u + 12345u;
      const int grain = static_cast<int>((noise >> 16) % 13) - 6;
      uint8_t* p = &rgb[(std::size_t{y} * kWidth + x) * 3];
      p[0] = static_cast<uint8_t>(
          std::clamp(128 + static_cast<int>(100 * std::sin(x / 700.0)) + grain, 0, 255));
      p[1] = static_cast<uint8_t>(
          std::clamp(110 + static_cast<int>(90 * std::cos(y / 500.0)) + grain, 0, 255));
      p[2] = static_cast<uint8_t>(
          std::clamp(90 + static_cast<int>(60 * std::sin((x + y) / 900.0)), 0, 255));
    }
  }
  std::FILE* file = std::fopen(Photo().c_str(), "wb");
  const bool written =
      file && WriteJpeg(file, rgb.data(), kWidth, kHeight, JpegWriteSettings{0, 90});
  if (file) std::fclose(file);
  return written;
}

// Selecting the file: read at a reduced size, fitted into the frame, labelled.
void BM_PreviewFrame6000x4000(benchmark::State& state) {
  PicturePreviewPanel panel(nullptr, QImage());
  const QString path = QString::fromStdString(Photo().string());
  for (auto _ : state) {
    panel.ShowFile(path);
    benchmark::DoNotOptimize(panel.Drawn().constBits());
  }
  if (panel.SizeText() != "6000 x 4000") state.SkipWithError("the preview did not load");
}
BENCHMARK(BM_PreviewFrame6000x4000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// Create's two long steps: loading the picture, then writing the puzzle file (copy, thumbnail).
void BM_CreateLoadPicture6000x4000(benchmark::State& state) {
  SurfaceService service(PixelFormatInfo::Rgb32());
  for (auto _ : state) {
    auto picture = LoadPictureSurface(service, Photo().string(), true);
    if (!picture) state.SkipWithError("the picture did not load");
  }
}
BENCHMARK(BM_CreateLoadPicture6000x4000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_CreateWritePuzzle6000x4000(benchmark::State& state) {
  SurfaceService service(PixelFormatInfo::Rgb32());
  const auto picture = LoadPictureSurface(service, Photo().string(), true);
  const NewPuzzle puzzle{Photo().string(), picture.get(), 7, false, false, 48, 32};
  for (auto _ : state) {
    std::unique_ptr<PuzzleRecord> record;
    if (!WriteNewPuzzleFile(service, (g_folder / "photo.qvx").string(), puzzle, record))
      state.SkipWithError("the puzzle was not written");
  }
}
BENCHMARK(BM_CreateWritePuzzle6000x4000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv) {
  std::string pattern = (fs::temp_directory_path() / "pavlemir-preview-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) return 1;
  g_folder = pattern;
  if (!WritePhoto()) {
    std::fprintf(stderr, "the photo could not be written\n");
    return 1;
  }
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ignored;
  fs::remove_all(g_folder, ignored);
  return 0;
}
