// pavlemir-tool pack: a whole pack (cover and one puzzle per picture) from a folder of pictures.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "LibraryArguments.h"
#include "PuzzleMaking.h"
#include "Subcommand.h"
#include "library/PackCover.h"
#include "library/PuzzlePaths.h"
#include "puzzle/PictureLoad.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: pavlemir-tool pack PICTUREDIR --out PACKDIR [--cover FILE] [--choice N]\n"
    "                          [--rotation] [--bw] --play-area WxH [--format 32|24|565|555]\n"
    "\n"
    "Makes a pack in PACKDIR: the cover Thumb.jpg (from --cover FILE, else from the first\n"
    "picture, scaled to fit 100 x 100) and one puzzle per BMP and JPEG file of PICTUREDIR, in\n"
    "name order, named after the file without its extension and dots. Each puzzle takes choice\n"
    "N (default 0) or, when the picture is too small for it, the next choice it allows, as the\n"
    "options dialog does. Existing files of those names are replaced. Exits 1 when any picture\n"
    "could not be made into a puzzle.\n";

bool IsPictureFile(const fs::path& path) {
  std::string extension = ExtensionOf(path.filename().string());
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == "bmp" || extension == "jpg" || extension == "jpeg";
}

std::vector<fs::path> PicturesIn(const fs::path& folder) {
  std::vector<fs::path> pictures;
  std::error_code error;
  for (fs::directory_iterator it(folder, error); !error && it != fs::directory_iterator();
       it.increment(error)) {
    std::error_code typeError;
    if (it->is_regular_file(typeError) && IsPictureFile(it->path())) pictures.push_back(it->path());
  }
  std::sort(pictures.begin(), pictures.end());
  return pictures;
}

// The name the game's name dialog would store for the picture: no extension, no dots.
std::string PuzzleNameFor(const fs::path& picture) {
  std::string name = PuzzleNameOf(picture.filename().string());
  std::erase(name, '.');
  return name;
}

bool WriteCover(SurfaceService& service, const std::string& picture, const fs::path& out) {
  const auto surface = LoadPictureSurface(service, picture, true);
  const FileStatus status = surface
                                ? WritePackCover(*surface, (out / kPackCoverName).string())
                                : FileStatus::Failed("cannot load the cover picture " + picture);
  if (!status) std::fprintf(stderr, "pavlemir-tool: %s\n", status.Reason().c_str());
  return status.Ok();
}

int RunPack(std::span<char*> args) {
  LibraryArguments parsed;
  if (!ParseLibraryArguments(args, parsed) || parsed.positional.size() != 1 || !parsed.out ||
      !parsed.playArea) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::vector<fs::path> pictures = PicturesIn(parsed.positional[0]);
  if (pictures.empty()) {
    std::fprintf(stderr, "pavlemir-tool: no BMP or JPEG files in %s\n",
                 parsed.positional[0].c_str());
    return 1;
  }
  const fs::path out = *parsed.out;
  std::error_code error;
  fs::create_directories(out, error);
  SurfaceService service(parsed.format);
  if (!WriteCover(service, parsed.cover.value_or(pictures.front().string()), out)) return 1;
  PuzzlePack pack;
  pack.dirPath = out.string();
  std::set<std::string> names;
  int failures = 0;
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const PuzzleRequest request{
        pictures[i].string(), PuzzleNameFor(pictures[i]), parsed.choice.value_or(0), true,
        parsed.rotation,      parsed.blackAndWhite,       *parsed.playArea};
    int choice = 0;
    ChoiceGrid grid;
    FileStatus status =
        names.insert(request.name).second
            ? MakePuzzle(service, pack, request, choice, grid)
            : FileStatus::Failed("another picture already gave the name " + request.name);
    std::printf("[%zu/%zu] %s: ", i + 1, pictures.size(), pictures[i].filename().c_str());
    if (status) {
      std::printf("%s, choice %d, %d x %d = %d pieces\n", request.name.c_str(), choice, grid.cols,
                  grid.rows, grid.PieceCount());
    } else {
      std::printf("skipped: %s\n", status.Reason().c_str());
      ++failures;
    }
    std::fflush(stdout);
  }
  return failures == 0 ? 0 : 1;
}

const SubcommandRegistration kPack({"pack",
                                    "PICTUREDIR --out PACKDIR [--cover FILE] [--choice N] "
                                    "[--rotation] [--bw] --play-area WxH [--format F]",
                                    "make a pack (cover and puzzles) from a folder of pictures",
                                    RunPack});

}  // namespace
