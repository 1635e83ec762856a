// The first Play of a run and a cut as whole fresh processes: pavlemir-tool started as a child
// over the photograph's puzzle (3000 x 2000, choice 7, rotation on) and a 768-piece sample
// puzzle, each Play against the same script without it in the same run, on a fresh copy of the
// program folder every time. Prints every run and the medians of wall time, CPU time, minor page
// faults and peak memory.
//   first_play_process [--tool PATH] [--runs N] [--keep yes]
// With --keep the scratch folder (the pictures and program folders) stays and is named.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "PhotoPuzzle.h"
#include "library/PuzzleFileReader.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kPlayCommand = 32821;

// What one child process cost.
struct ProcessCost {
  double wallMs = 0;
  double userMs = 0;
  double systemMs = 0;
  double minorFaults = 0;
  double peakMiB = 0;
  double CpuMs() const { return userMs + systemMs; }
};

double Milliseconds(const timeval& t) {
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

// Runs `args` with its output thrown away; false when it cannot start or does not exit with 0.
bool RunChild(const std::vector<std::string>& args, ProcessCost& cost) {
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  std::fflush(stdout);  // the child must not print what the parent has buffered
  const Clock::time_point start = Clock::now();
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    std::FILE* sink = std::freopen("/dev/null", "w", stdout);
    if (sink == nullptr) _exit(126);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return false;
  cost.wallMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  cost.userMs = Milliseconds(usage.ru_utime);
  cost.systemMs = Milliseconds(usage.ru_stime);
  cost.minorFaults = static_cast<double>(usage.ru_minflt);
  cost.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n == 0 ? 0 : n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Pairs of runs of one case: the measured process and its baseline.
class CaseFigures {
 public:
  explicit CaseFigures(std::string name) : name_(std::move(name)) {}
  void Add(const ProcessCost& measured, const ProcessCost& baseline) {
    measured_.push_back(measured);
    baseline_.push_back(baseline);
    std::printf(
        "  %-34s run %zu: %7.1f ms wall %7.1f ms CPU %7.0f faults %6.1f MiB"
        "  (baseline %6.1f ms wall %6.0f faults)\n",
        name_.c_str(), measured_.size(), measured.wallMs, measured.CpuMs(), measured.minorFaults,
        measured.peakMiB, baseline.wallMs, baseline.minorFaults);
  }
  void PrintMedians() const {
    std::printf("%s, medians of %zu runs:\n", name_.c_str(), measured_.size());
    PrintRow("wall ms", &ProcessCost::wallMs);
    PrintRow("CPU user ms", &ProcessCost::userMs);
    PrintRow("CPU system ms", &ProcessCost::systemMs);
    PrintRow("minor faults", &ProcessCost::minorFaults);
    PrintRow("peak MiB", &ProcessCost::peakMiB);
    std::vector<double> cpu, cpuDifference;
    for (std::size_t i = 0; i < measured_.size(); ++i) {
      cpu.push_back(measured_[i].CpuMs());
      cpuDifference.push_back(measured_[i].CpuMs() - baseline_[i].CpuMs());
    }
    std::printf("  %-14s %10.1f  difference %10.1f\n", "CPU ms", Median(cpu),
                Median(cpuDifference));
  }

 private:
  // The measured figure's median and the median of its per-run differences to the baseline.
  void PrintRow(const char* label, double ProcessCost::*field) const {
    std::vector<double> values, differences, baselines;
    for (std::size_t i = 0; i < measured_.size(); ++i) {
      values.push_back(measured_[i].*field);
      baselines.push_back(baseline_[i].*field);
      differences.push_back(measured_[i].*field - baseline_[i].*field);
    }
    std::printf("  %-14s %10.1f  difference %10.1f  (baseline %10.1f)\n", label, Median(values),
                Median(differences), Median(baselines));
  }

  std::string name_;
  std::vector<ProcessCost> measured_;
  std::vector<ProcessCost> baseline_;
};

// One puzzle to play and cut: its program folder, its pack and name, and its picture.
struct PuzzleCase {
  std::string name;
  fs::path folder;  // holds Puzzles/PACK/PUZZLE.qvx
  std::string pack;
  std::string puzzle;
  fs::path picture;
  int choice = 0;
  bool rotation = false;
};

// A fresh copy of the case's program folder, so that nothing a run left behind is reused.
fs::path FreshCopy(const PuzzleCase& c, const fs::path& scratch) {
  const fs::path copy = scratch / "run";
  std::error_code error;
  fs::remove_all(copy, error);
  fs::copy(c.folder, copy, fs::copy_options::recursive, error);
  return error ? fs::path() : copy;
}

bool Play(const std::string& tool, const PuzzleCase& c, const fs::path& scratch, bool withPlay,
          ProcessCost& cost) {
  const fs::path script = scratch / (withPlay ? "play.txt" : "select.txt");
  std::ofstream(script) << "select \"" << c.pack << "\" \"" << c.puzzle << "\"\n"
                        << (withPlay ? "command " + std::to_string(kPlayCommand) + "\n" : "");
  const fs::path root = FreshCopy(c, scratch);
  return !root.empty() &&
         RunChild({tool, "play", "--root", root.string(), "--screen", "1920x1080", "--seed", "2",
                   "--script", script.string(), "--out", (scratch / "out").string()},
                  cost);
}

bool Cut(const std::string& tool, const PuzzleCase& c, ProcessCost& cost) {
  std::vector<std::string> args = {tool,        "cut",      c.picture.string(),       "--play-area",
                                   "1920x1048", "--choice", std::to_string(c.choice), "--seed",
                                   "2"};
  if (c.rotation) args.push_back("--rotation");
  return RunChild(args, cost);
}

// The picture a puzzle file begins with, written beside it as a file of its own.
bool ExtractPicture(const fs::path& puzzleFile, const fs::path& picture) {
  SurfaceService service(PixelFormatInfo::Rgb32());
  std::unique_ptr<PuzzleRecord> record;
  if (!ReadPuzzleFile(service, puzzleFile.string(), record) || record->pictureSize <= 0) {
    return false;
  }
  std::ifstream in(puzzleFile, std::ios::binary);
  std::vector<char> bytes(static_cast<std::size_t>(record->pictureSize));
  if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) return false;
  std::ofstream out(picture, std::ios::binary);
  return static_cast<bool>(out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())));
}

PuzzleCase SampleCase(const fs::path& scratch) {
  return {"768-piece sample (Abstract/Prism)",
          scratch / "sample",
          "Abstract",
          "Prism",
          scratch / "Prism.jpg",
          5,
          false};
}

PuzzleCase PhotoCase(const fs::path& scratch) {
  return {"3000x2000 photograph (choice 7, rotation)",
          scratch / "photo",
          "Photos",
          "Harbour",
          scratch / "Harbour.jpg",
          photopuzzle::kSizeChoice,
          true};
}

// The sample pack's 768-piece puzzle alone in a program folder of its own, and the photograph's.
bool MakeCases(const fs::path& scratch) {
  const PuzzleCase sample = SampleCase(scratch);
  const fs::path pack = fs::path(PAVLEMIR_SAMPLE_PACKS) / "Abstract";
  std::error_code error;
  fs::create_directories(sample.folder / "Puzzles" / "Abstract", error);
  for (const char* file : {"Prism.qvx", "Thumb.jpg"}) {
    fs::copy_file(pack / file, sample.folder / "Puzzles" / "Abstract" / file, error);
    if (error) return false;
  }
  photopuzzle::PhotoFolder made;
  const PuzzleCase photo = PhotoCase(scratch);
  return ExtractPicture(pack / "Prism.qvx", sample.picture) &&
         photopuzzle::MakePhotoProgramFolder(photo.folder, photo.picture, made);
}

// Makes the cases in a child process: a child's peak memory starts from what its parent held
// when it was forked, so the measuring process stays small.
bool MakeCasesApart(const fs::path& scratch) {
  std::fflush(stdout);
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) _exit(MakeCases(scratch) ? 0 : 1);
  int status = 0;
  return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Every run plays with and without Play, alternating which goes first, then cuts; the cut's
// baseline is the tool started only to print its usage.
bool MeasureCase(const std::string& tool, const PuzzleCase& c, const fs::path& scratch, int runs) {
  CaseFigures play("first Play, " + c.name);
  CaseFigures cut("cut, " + c.name);
  for (int run = 0; run < runs; ++run) {
    ProcessCost with, without, cutCost, started;
    const bool playFirst = run % 2 == 0;
    if (playFirst && !Play(tool, c, scratch, true, with)) return false;
    if (!Play(tool, c, scratch, false, without)) return false;
    if (!playFirst && !Play(tool, c, scratch, true, with)) return false;
    if (!Cut(tool, c, cutCost) || !RunChild({tool, "cut", "--help"}, started)) return false;
    play.Add(with, without);
    cut.Add(cutCost, started);
  }
  play.PrintMedians();
  cut.PrintMedians();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::string tool = PAVLEMIR_TOOL;
  int runs = 5;
  bool keep = false;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--tool") {
      tool = argv[i + 1];
    } else if (option == "--keep") {
      keep = std::string(argv[i + 1]) == "yes";
    } else if (option == "--runs") {
      runs = std::max(1, std::atoi(argv[i + 1]));
    } else {
      std::fprintf(stderr, "usage: first_play_process [--tool PATH] [--runs N] [--keep yes]\n");
      return 2;
    }
  }
  std::string pattern = (fs::temp_directory_path() / "pavlemir-firstplay-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) return 1;
  const fs::path scratch = pattern;
  const PuzzleCase photo = PhotoCase(scratch);
  const PuzzleCase sample = SampleCase(scratch);
  bool ok = MakeCasesApart(scratch);
  if (!ok) std::fprintf(stderr, "the puzzles could not be made\n");
  ok = ok && MeasureCase(tool, photo, scratch, runs) && MeasureCase(tool, sample, scratch, runs);
  if (!ok) std::fprintf(stderr, "a run of %s failed\n", tool.c_str());
  std::error_code error;
  if (keep) {
    std::printf("kept %s\n", scratch.c_str());
  } else {
    fs::remove_all(scratch, error);
  }
  return ok ? 0 : 1;
}
