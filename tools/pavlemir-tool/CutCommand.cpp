// pavlemir-tool cut: cuts a picture as a game start would and writes or times the results.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "CutOutput.h"
#include "CutStages.h"
#include "Subcommand.h"
#include "puzzle/PictureLoad.h"
#include "puzzle/PieceSizeChoice.h"
#include "puzzle/RandomSequence.h"

namespace {

constexpr const char* kUsage =
    "usage: pavlemir-tool cut PICTURE --play-area WxH --choice N [--rotation] [--bw]\n"
    "                         [--seed S] [--format 32|24|565|555] [--out DIR]\n"
    "\n"
    "Loads PICTURE (a JPEG or BMP file) as a game does, fits it to a play area of W x H\n"
    "pixels (taken as the rectangle (0, 0)-(W, H)), makes the ghost, cuts it with size\n"
    "choice N (0: largest pieces .. 7: smallest), turns the pieces at random with\n"
    "--rotation and shows the picture in grey with --bw. The random sequence is seeded with S\n"
    "(default: the millisecond clock); --format picks the display's pixel format (default 32).\n"
    "With --out DIR it writes fitted.ppm, ghost.ppm, piece-<id>-r<r>.ppm, shadow-<id>-r<r>.pgm,\n"
    "overlay-<id>-r<r>.bin and cut.json; without it, it prints the milliseconds of each stage\n"
    "and the peak memory.\n";

// The command line, checked.
struct CutArguments {
  std::string picture;
  CutOptions options;
  std::optional<uint32_t> seed;
  PixelFormatInfo format = PixelFormatInfo::Rgb32();
  std::optional<std::string> out;
};

bool ParseSize(std::string_view text, int& width, int& height) {
  return std::sscanf(std::string(text).c_str(), "%dx%d", &width, &height) == 2 && width > 0 &&
         height > 0;
}

bool ParseNumber(std::string_view text, long long low, long long high, long long& value) {
  const std::string s(text);
  char* end = nullptr;
  value = std::strtoll(s.c_str(), &end, 10);
  return !s.empty() && *end == '\0' && value >= low && value <= high;
}

// Answers the arguments, or none after printing what is wrong.
std::optional<CutArguments> ParseArguments(std::span<char*> args) {
  CutArguments parsed;
  bool haveArea = false, haveChoice = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const bool hasValue = i + 1 < args.size();
    long long number = 0;
    if (arg == "--rotation") {
      parsed.options.rotation = true;
    } else if (arg == "--bw") {
      parsed.options.blackAndWhite = true;
    } else if (arg == "--play-area" && hasValue) {
      int width = 0, height = 0;
      if (!ParseSize(args[++i], width, height)) return std::nullopt;
      parsed.options.playArea = Rect{0, 0, width, height};
      haveArea = true;
    } else if (arg == "--choice" && hasValue && ParseNumber(args[++i], 0, 7, number)) {
      parsed.options.choice = static_cast<int>(number);
      haveChoice = true;
    } else if (arg == "--seed" && hasValue && ParseNumber(args[++i], 0, UINT32_MAX, number)) {
      parsed.seed = static_cast<uint32_t>(number);
    } else if (arg == "--format" && hasValue) {
      const auto format = PixelFormatInfo::FromName(args[++i]);
      if (!format) return std::nullopt;
      parsed.format = *format;
    } else if (arg == "--out" && hasValue) {
      parsed.out = args[++i];
    } else if (!arg.starts_with("--") && parsed.picture.empty()) {
      parsed.picture = arg;
    } else {
      return std::nullopt;
    }
  }
  if (parsed.picture.empty() || !haveArea || !haveChoice) return std::nullopt;
  return parsed;
}

double PeakMemoryMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
}

void PrintTimes(double loadMs, const CutOutcome& outcome) {
  const CutStageTimes& t = outcome.times;
  const double cut = t.phases[0] + t.phases[1] + t.phases[2] + t.phases[3];
  const double total = t.fit + t.ghost + cut + t.rotations;
  std::printf("pieces        %zu (%d x %d)\n", outcome.puzzle.pieces.size(), outcome.grid.cols,
              outcome.grid.rows);
  std::printf("load          %8.2f ms\n", loadMs);
  std::printf("masks         %8.2f ms\n", t.masks);
  std::printf("fit           %8.2f ms\n", t.fit);
  std::printf("ghost         %8.2f ms\n", t.ghost);
  for (std::size_t i = 0; i < t.phases.size(); ++i) {
    std::printf("cut phase %zu   %8.2f ms\n", i + 1, t.phases[i]);
  }
  std::printf("rotations     %8.2f ms\n", t.rotations);
  std::printf("fit to pieces %8.2f ms\n", total);
  std::printf("peak memory   %8.1f MiB\n", PeakMemoryMiB());
}

// Every piece is still held when the work is done; ending the process at once spares freeing
// tens of thousands of surfaces one by one.
[[noreturn]] void EndProcess(int status) {
  std::fflush(stdout);
  std::fflush(stderr);
  std::_Exit(status);
}

int RunCut(std::span<char*> args) {
  if (args.size() == 1 && std::string_view(args[0]) == "--help") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  const std::optional<CutArguments> parsed = ParseArguments(args);
  if (!parsed) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  SeedRandom(parsed->seed
                 ? *parsed->seed
                 : static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                             std::chrono::steady_clock::now().time_since_epoch())
                                             .count()));
  SurfaceService service(parsed->format);
  const auto start = std::chrono::steady_clock::now();
  auto picture = LoadPictureSurface(service, parsed->picture, true);
  const double loadMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  if (!picture) {
    std::fprintf(stderr, "pavlemir-tool: cannot load %s\n", parsed->picture.c_str());
    return 1;
  }
  const CutOutcome outcome = RunCutStages(service, std::move(picture), parsed->options);
  if (!parsed->out) {
    PrintTimes(loadMs, outcome);
    EndProcess(0);
  }
  if (!WriteCutFiles(*parsed->out, outcome, parsed->options)) {
    std::fprintf(stderr, "pavlemir-tool: cannot write into %s\n", parsed->out->c_str());
    EndProcess(1);
  }
  EndProcess(0);
}

const SubcommandRegistration kCut({"cut",
                                   "PICTURE --play-area WxH --choice N [--rotation] [--bw] "
                                   "[--seed S] [--format 32|24|565|555] [--out DIR]",
                                   "cut a picture into pieces; write them or time each stage "
                                   "(play area (0,0)-(W,H))",
                                   RunCut});

}  // namespace
