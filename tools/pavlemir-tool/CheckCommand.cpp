// pavlemir-tool check ROOT: loads ROOT/Puzzles as the game does and lists what it found.
#include <cstdio>
#include <string>

#include "LibraryArguments.h"
#include "Subcommand.h"
#include "library/PackLoader.h"

namespace {

constexpr const char* kUsage =
    "usage: pavlemir-tool check ROOT [--format 32|24|565|555]\n"
    "\n"
    "Loads the packs in ROOT/Puzzles exactly as the game does at start-up and prints the packs\n"
    "and their puzzles in display order, the current pack, every file or folder that was\n"
    "skipped with the reason, and every saved game that was dropped.\n";

// The loader's progress texts are not shown; the listing afterwards says everything.
class SilentProgress : public LoadingProgress {
 public:
  void SetLoadingText(const std::string&) override {}
};

void PrintPack(const PuzzlePack& pack) {
  std::printf("pack %s%s (%zu puzzles)\n", pack.name.c_str(), pack.isUserPack ? " [user pack]" : "",
              pack.puzzles.size());
  for (const auto& puzzle : pack.puzzles) {
    std::printf("  %s%s: %d pieces (%u x %u), %u%% solved, %s\n", puzzle->name.c_str(),
                puzzle.get() == pack.currentPuzzle ? " [current]" : "",
                static_cast<uint16_t>(puzzle->pieceCount), puzzle->cols, puzzle->rows,
                puzzle->solvedPercent, puzzle->savedPieces.empty() ? "new game" : "saved game");
  }
}

int RunCheck(std::span<char*> args) {
  LibraryArguments parsed;
  if (!ParseLibraryArguments(args, parsed) || parsed.positional.size() != 1) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  SurfaceService service(parsed.format);
  PuzzleLibrary library;
  SilentProgress progress;
  const auto notes = LoadPuzzlePacks(service, parsed.positional[0], library, progress);
  for (const auto& pack : library.packs) PrintPack(*pack);
  std::printf("current pack: %s\n",
              library.currentPack ? library.currentPack->name.c_str() : "(none)");
  for (const PackLoadNote& note : notes) {
    std::printf("%s %s: %s\n", note.skipped ? "skipped" : "dropped saved game of",
                note.path.c_str(), note.reason.c_str());
  }
  return 0;
}

const SubcommandRegistration kCheck({"check", "ROOT [--format F]",
                                     "load ROOT/Puzzles as the game does; list packs, puzzles "
                                     "and what was skipped",
                                     RunCheck});

}  // namespace
