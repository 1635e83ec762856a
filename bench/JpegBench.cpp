// Decoding a 12-megapixel photo-like JPEG through CImg, next to libjpeg-turbo's djpeg process
// on the same file; our decode should take at most 1.1 times what djpeg takes.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "image/CImg.h"
#include "image/CImgLoader.h"
#include "image/JpegCodec.h"

extern char** environ;

namespace {

constexpr uint32_t kWidth = 4000;
constexpr uint32_t kHeight = 3000;

// Smooth colour gradients, grain, and a few hard-edged shapes, as red, green, blue bytes.
std::vector<uint8_t> PhotoLikeRgb() {
  std::vector<uint8_t> rgb;
  rgb.reserve(std::size_t{kWidth} * kHeight * 3);
  uint32_t noise = 12345;
  for (uint32_t y = 0; y < kHeight; ++y) {
    for (uint32_t x = 0; x < kWidth; ++x) {
      noise = noise * 1103515245u + 12345u;
      const int grain = static_cast<int>((noise >> 16) % 17) - 8;
      const double fx = x / double{kWidth}, fy = y / double{kHeight};
      double red = 120 + 90 * std::sin(fx * 5.1 + fy * 1.3);
      double green = 110 + 80 * std::cos(fy * 4.2 - fx * 0.7);
      double blue = 90 + 70 * std::sin((fx + fy) * 3.3);
      const double dx = fx - 0.6, dy = fy - 0.45;
      if (dx * dx + dy * dy < 0.04) {  // a disc
        red = 230 - 60 * fy;
        green = 200;
        blue = 40;
      }
      if ((x / 250 + y / 250) % 7 == 0) {  // a chequer of darker squares
        red *= 0.45;
        green *= 0.5;
        blue *= 0.6;
      }
      for (const double channel : {red, green, blue}) {
        const int value = static_cast<int>(channel) + grain;
        rgb.push_back(static_cast<uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value));
      }
    }
  }
  return rgb;
}

// The test file, written once per run and removed at exit.
struct PhotoFile {
  PhotoFile() : path("/tmp/pavlemir-jpeg-bench-" + std::to_string(getpid()) + ".jpg") {
    const std::vector<uint8_t> rgb = PhotoLikeRgb();
    JpegWriteSettings settings;
    settings.quality = 90;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    written = file && WriteJpeg(file, rgb.data(), kWidth, kHeight, settings);
    written = file && std::fclose(file) == 0 && written;
  }
  ~PhotoFile() { std::remove(path.c_str()); }
  std::string path;
  bool written = false;
};

const PhotoFile& Photo() {
  static const PhotoFile photo;
  return photo;
}

// CPU seconds this thread has used.
double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double Seconds(const timeval& t) {
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
}

// Loads and decodes the file, then frees the picture as the game does after copying it out.
bool DecodeOnce(const std::string& path) {
  CImg image;
  const bool decoded =
      image.LoadFile(path.c_str()) == IMG_OK && CImgLoader(&image).Decode() == IMG_OK;
  benchmark::DoNotOptimize(image.m_pixels);
  return decoded;
}

// Each benchmark runs twice: timed by the wall clock, and timed by the CPU time the decoding
// used (ours: this thread's; djpeg: the child's user and system time), which stays fair when
// other work shares the machine.
void BM_DecodeThroughCImg(benchmark::State& state, bool cpuTime) {
  const PhotoFile& photo = Photo();
  if (!photo.written) {
    state.SkipWithError("cannot write the test file");
    return;
  }
  for (auto _ : state) {
    const double start = ThreadCpuSeconds();
    if (!DecodeOnce(photo.path)) {
      state.SkipWithError("decoding failed");
      return;
    }
    if (cpuTime) state.SetIterationTime(ThreadCpuSeconds() - start);
  }
}
BENCHMARK_CAPTURE(BM_DecodeThroughCImg, wall, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_DecodeThroughCImg, cpu, true)->Unit(benchmark::kMillisecond)->UseManualTime();

// The real djpeg process writing its PPM to /dev/null.
void BM_DjpegProcess(benchmark::State& state, bool cpuTime) {
  const PhotoFile& photo = Photo();
  std::string program = "djpeg", outfile = "-outfile", null = "/dev/null", input = photo.path;
  char* argv[] = {program.data(), outfile.data(), null.data(), input.data(), nullptr};
  for (auto _ : state) {
    pid_t child = 0;
    int status = 0;
    rusage usage{};
    if (posix_spawnp(&child, "djpeg", nullptr, nullptr, argv, environ) != 0 ||
        wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
      state.SkipWithError("djpeg could not be run");
      return;
    }
    if (cpuTime) state.SetIterationTime(Seconds(usage.ru_utime) + Seconds(usage.ru_stime));
  }
}
BENCHMARK_CAPTURE(BM_DjpegProcess, wall, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_DjpegProcess, cpu, true)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace
