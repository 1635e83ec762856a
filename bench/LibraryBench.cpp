// Start-up loading of 50 packs of 40 puzzles each (made here in a temporary folder): only the
// trailer, header, thumbnail and extension of each puzzle file are read, never its picture.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "image/CImg.h"
#include "image/CJpegWriter.h"
#include "library/PackCover.h"
#include "library/PackLoader.h"
#include "library/PuzzleFileWriter.h"
#include "puzzle/PictureLoad.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPacks = 50;
constexpr int kPuzzlesPerPack = 40;

class SilentProgress : public LoadingProgress {
 public:
  void SetLoadingText(const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
};

// A 400 x 300 JPEG of noise (about 100 KB, so that reading pictures would show in the time).
bool WriteNoiseJpeg(const fs::path& path) {
  CImg image;
  uint32_t* pixels = image.AllocatePixels(400, 300);
  if (!pixels) return false;
  uint32_t state = 12345;
  for (int i = 0; i < 400 * 300; ++i) pixels[i] = (state = state * 1664525u + 1013904223u) >> 8;
  return CJpegWriter(&image).SaveJpeg(path.c_str(), 0, 95, 0) == IMG_OK;
}

// "<root>/Puzzles" with 50 pack folders (one of them "User"), each with a cover and 40 copies of
// one puzzle file; removed at exit.
struct PackTree {
  PackTree() {
    std::string pattern = (fs::temp_directory_path() / "pavlemir-librarybench-XXXXXX").string();
    root = mkdtemp(pattern.data());
    const fs::path picture = root / "picture.jpg";
    SurfaceService service(PixelFormatInfo::Rgb32());
    const auto loaded =
        WriteNoiseJpeg(picture) ? LoadPictureSurface(service, picture.string(), true) : nullptr;
    if (!loaded) return;
    NewPuzzle puzzle;
    puzzle.picturePath = picture.string();
    puzzle.picture = loaded.get();
    puzzle.sizeChoice = 3;
    puzzle.cols = 6;
    puzzle.rows = 4;
    std::unique_ptr<PuzzleRecord> record;
    const fs::path model = root / "model.qvx";
    if (!WriteNewPuzzleFile(service, model.string(), puzzle, record) ||
        !WritePackCover(*loaded, (root / "Thumb.jpg").string())) {
      return;
    }
    for (int p = 0; p < kPacks; ++p) {
      const fs::path pack =
          root / "Puzzles" / (p == 0 ? std::string("User") : "Pack " + std::to_string(p));
      fs::create_directories(pack);
      fs::copy_file(root / "Thumb.jpg", pack / "Thumb.jpg");
      for (int i = 0; i < kPuzzlesPerPack; ++i)
        fs::copy_file(model, pack / ("Puzzle " + std::to_string(i) + ".qvx"));
    }
    ready = true;
  }
  ~PackTree() {
    std::error_code error;
    fs::remove_all(root, error);
  }

  fs::path root;
  bool ready = false;
};

void BM_LoadPuzzlePacks(benchmark::State& state) {
  static PackTree tree;
  if (!tree.ready) {
    state.SkipWithError("the pack folders could not be made");
    return;
  }
  SurfaceService service(PixelFormatInfo::Rgb32());
  SilentProgress progress;
  for (auto _ : state) {
    PuzzleLibrary library;
    LoadPuzzlePacks(service, tree.root.string(), library, progress);
    state.PauseTiming();
    std::size_t puzzles = 0;
    for (const auto& pack : library.packs) puzzles += pack->puzzles.size();
    if (library.packs.size() != kPacks || puzzles != kPacks * kPuzzlesPerPack)
      state.SkipWithError("not every puzzle was loaded");
    ReleasePuzzlePacks(library);
    state.ResumeTiming();
  }
  state.counters["puzzles"] = kPacks * kPuzzlesPerPack;
}
BENCHMARK(BM_LoadPuzzlePacks)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
