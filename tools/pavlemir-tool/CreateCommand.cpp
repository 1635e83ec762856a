// pavlemir-tool create: one new puzzle file from a picture, as the game's Create writes it.
#include <cstdio>
#include <filesystem>

#include "LibraryArguments.h"
#include "PuzzleMaking.h"
#include "Subcommand.h"

namespace {

constexpr const char* kUsage =
    "usage: pavlemir-tool create PICTURE --name NAME --choice N [--rotation] [--bw]\n"
    "                            --play-area WxH [--format 32|24|565|555] --out PACKDIR\n"
    "\n"
    "Writes PACKDIR/NAME.qvx from the BMP or JPEG file PICTURE with piece-size choice N\n"
    "(0: largest pieces .. 7: smallest) and the grid that the options dialog counts for a play\n"
    "area of W x H pixels. The thumbnail is made in the display format --format (default 32).\n"
    "Fails when the picture cannot be loaded or is too small for that choice.\n";

int RunCreate(std::span<char*> args) {
  LibraryArguments parsed;
  if (!ParseLibraryArguments(args, parsed) || parsed.positional.size() != 1 || !parsed.name ||
      !parsed.choice || !parsed.playArea || !parsed.out) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  std::error_code error;
  std::filesystem::create_directories(*parsed.out, error);
  SurfaceService service(parsed.format);
  PuzzlePack pack;
  pack.dirPath = *parsed.out;
  PuzzleRequest request{parsed.positional[0], *parsed.name,         *parsed.choice,  false,
                        parsed.rotation,      parsed.blackAndWhite, *parsed.playArea};
  int choice = 0;
  ChoiceGrid grid;
  if (FileStatus status = MakePuzzle(service, pack, request, choice, grid); !status) {
    std::fprintf(stderr, "pavlemir-tool: %s\n", status.Reason().c_str());
    return 1;
  }
  std::printf("%s: %d x %d = %d pieces\n", pack.puzzles.front()->filePath.c_str(), grid.cols,
              grid.rows, grid.PieceCount());
  return 0;
}

const SubcommandRegistration kCreate({"create",
                                      "PICTURE --name NAME --choice N [--rotation] [--bw] "
                                      "--play-area WxH [--format F] --out PACKDIR",
                                      "write a new puzzle file from a BMP or JPEG picture",
                                      RunCreate});

}  // namespace
